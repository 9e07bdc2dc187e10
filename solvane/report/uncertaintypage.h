#pragma once

// The report's page of uncertainties, after the light quality page: every
// figure with its uncertainty from the Monte Carlo propagation of the
// meter's budget, under a line that names the budget and the draws.

#include "lightquality/uncertainty.h"

#include <QString>
#include <QStringList>

class KVPainter;

namespace solvane::report {

struct ReportUncertainty {
  lightquality::UncertaintyResult result;
  QString budgetName; // "default", or the budget file's name
  QString note;       // a line under the budget's, printed when not empty
};

// Paints the page on the painter's current page.
void drawUncertaintyPage(KVPainter &page, const QStringList &record,
                         const ReportUncertainty &uncertainty);

} // namespace solvane::report
