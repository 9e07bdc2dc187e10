#pragma once

// The colour figures of a 380–779 nm spectrum: those of specsdk's colour
// exports, and the standard light-quality figures of `lightquality`.

#include <QString>
#include <QVector>

namespace specview {

struct Figures {
  // specsdk
  double x, y, uPrime, vPrime;
  double cct;      // K, the SDK's 5 K grid
  double ra;
  double dominant; // nm; NaN for purple colours
  // lightquality
  double lqRf, lqRg, lqRa, lqCct, lqDuv;
  QString reason; // why figures are NaN; empty when all are numbers
};

// `spectrum`: 400 values, 380 to 779 nm at 1 nm. The light-quality metrics
// take 380 to 780 nm; 780 nm repeats 779 nm.
Figures computeFigures(const QVector<double> &spectrum);

} // namespace specview
