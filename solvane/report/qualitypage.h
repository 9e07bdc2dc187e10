#pragma once

// The report's optional second page: the light quality of the record (the
// figures of the Light quality window) painted with KVPainter and KVGraph.

#include <QStringList>

class KVPainter;

namespace solvane::report {

// Paints the page on the painter's current page. A record whose spectrum
// cannot be read gets the headings and the reason instead of figures.
void drawQualityPage(KVPainter &page, const QStringList &record);

} // namespace solvane::report
