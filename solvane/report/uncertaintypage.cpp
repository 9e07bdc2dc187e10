#include "uncertaintypage.h"

#include "kvpainter.h"
#include "report_style.h"

#include "lightquality/uncertainty_display.h"
#include "quoting/quoted_qstring.h"
#include "solvane/records/measurement_record.h"

namespace solvane::report {
namespace {

constexpr int kBodySize = 12;
constexpr float kRowHeight = 2.0f;
constexpr float kColumnWidth = 50;

} // namespace

void drawUncertaintyPage(KVPainter &page, const QStringList &record,
                         const ReportUncertainty &uncertainty) {
  const lightquality::UncertaintyResult &r = uncertainty.result;
  page.setPageSpace(5, 0);
  useFont(page, 30, kBold);
  page.drawText("Light Quality: Uncertainty", 0, 0, Qt::AlignHCenter);
  useFont(page, kBodySize, kBold);
  page.drawText(quoting::quotedText(record.value(records::kLabel)) + "  " +
                    record.value(records::kDateTime),
                100, 4, Qt::AlignRight);
  useFont(page, kBodySize, kLight);
  page.drawText(QString("Budget %1, %2 draws (%3), seed %4.")
                    .arg(quoting::quotedText(uncertainty.budgetName))
                    .arg(r.draws)
                    .arg(r.adaptive ? (r.converged ? "adaptive" : "adaptive, not converged")
                                    : "fixed")
                    .arg(r.seed),
                0, 7, Qt::AlignLeft);
  page.drawText("± is k = 2 (95 %); [a, b] is the 95 % interval where it is not symmetric about "
                "the value.",
                0, 9, Qt::AlignLeft);
  page.drawText(uncertainty.note, 0, 11, Qt::AlignLeft);
  page.drawLine(0, 13, 100, 13);

  const std::vector<lightquality::UncertainFigure> &figures = lightquality::uncertainFigures();
  const int rows = static_cast<int>((figures.size() + 1) / 2);
  for (int f = 0; f < static_cast<int>(figures.size()); ++f) {
    const float x = kColumnWidth * static_cast<float>(f / rows);
    const float y = 14.5f + kRowHeight * static_cast<float>(f % rows);
    const auto figure = static_cast<std::size_t>(f);
    useFont(page, kBodySize, kBold);
    page.drawText(figures[figure].label, x, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(QString::fromStdString(lightquality::uncertaintyDisplay(
                                             r.figures[figure], r.draws,
                                             figures[figure].decimals, figures[figure].unit)
                                             .text),
                  x + kColumnWidth - 3, y, Qt::AlignRight);
  }
}

} // namespace solvane::report
