#include "solvane/quality/comparison_table.h"

#include "solvane/quality/figure_text.h"

#include <QtGlobal>

#include <cmath>

namespace solvane::quality {
namespace {

// A difference with its sign and `decimals` decimals, or "n/a"; one that
// rounds to zero has no sign.
QString signedFigure(double value, int decimals) {
  const QString text = figureText(value, decimals);
  if (!std::isfinite(value)) {
    return text;
  }
  if (text.toDouble() == 0) {
    return QString::number(0.0, 'f', decimals);
  }
  return value > 0 ? '+' + text : text;
}

// The decimals of the figure a difference is taken of.
int decimalsOf(lightquality::FigureGroup group, const char *key) {
  return lightquality::figure(group, key).decimals;
}

} // namespace

const char *const kComparisonHeadings[kComparisonColumns] = {
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "ΔEv (%)"),
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "ΔCCT (K)"),
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "ΔDuv"),
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "Δu′v′"),
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "ΔRa"),
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "ΔRf"),
    QT_TRANSLATE_NOOP("solvane::quality::CompareDialog", "SSI"),
};

QList<lightquality::Comparison> compareWithFirst(const QList<RecordQuality> &records) {
  QList<lightquality::Comparison> rows;
  if (records.isEmpty()) {
    return rows;
  }
  const auto measured = [](const RecordQuality &r) {
    return lightquality::MeasuredLight{&r.input.spectrum, r.input.illuminance, &r.metrics};
  };
  for (const RecordQuality &r : records) {
    rows << lightquality::compareWithFirst(measured(records.first()), measured(r));
  }
  return rows;
}

QStringList comparisonCells(const lightquality::Comparison &c) {
  using G = lightquality::FigureGroup;
  return {signedFigure(c.illuminancePercent, 1),
          signedFigure(c.cctKelvin, decimalsOf(G::kCct, "cct_K")),
          signedFigure(c.duv, decimalsOf(G::kCct, "duv")),
          figureText(c.uvPrimeDistance, 4),
          signedFigure(c.ra, decimalsOf(G::kRendering, "ra")),
          signedFigure(c.rf, decimalsOf(G::kFidelity, "rf")),
          figureText(c.ssi.value, decimalsOf(G::kSimilarity, "planck_3200K"))};
}

} // namespace solvane::quality
