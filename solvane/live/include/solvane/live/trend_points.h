#pragma once

// The points a trend plot draws of a long series. A day of readings at
// interval 0 is 100,000 points a trend; drawing them all after each reading
// would stall the window, and a plot a few thousand pixels wide cannot show
// more than a few thousand anyway.

#include <QPointF>
#include <QVector>

namespace solvane::live {

// Every point (x[i], y[i]) while there are at most `mostPoints`; beyond
// that the series is cut into runs of equal length, and of each run the
// first, lowest, highest and last point are drawn, in their order, so every
// peak and dip of the series stays visible. Never more than `mostPoints`
// points (at least 4).
QVector<QPointF> pointsToDraw(const QVector<double> &x, const QVector<double> &y, int mostPoints);

} // namespace solvane::live
