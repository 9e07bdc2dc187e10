#include "solvane/quality/comparison_table.h"

#include <QtGlobal>

#include <cmath>

namespace solvane::quality {
namespace {

// A difference with its sign and `decimals` decimals, or "n/a"; one that
// rounds to zero has no sign.
QString signedFigure(double value, int decimals) {
  if (!std::isfinite(value)) {
    return QStringLiteral("n/a");
  }
  const QString text = QString::number(value, 'f', decimals);
  if (text.toDouble() == 0) {
    return QString::number(0.0, 'f', decimals);
  }
  return value > 0 ? '+' + text : text;
}

QString plainFigure(double value, int decimals) {
  return std::isfinite(value) ? QString::number(value, 'f', decimals) : QStringLiteral("n/a");
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
  return {signedFigure(c.illuminancePercent, 1),
          signedFigure(c.cctKelvin, 0),
          signedFigure(c.duv, 4),
          plainFigure(c.uvPrimeDistance, 4),
          signedFigure(c.ra, 1),
          signedFigure(c.rf, 1),
          plainFigure(c.ssi.value, 0)};
}

} // namespace solvane::quality
