#include "solvane/quality/figure_text.h"

#include <QCoreApplication>

#include <cmath>

namespace solvane::quality {
namespace {

const char *const kMissingLine = QT_TRANSLATE_NOOP("Figures", "%1: n/a, %2");

} // namespace

QString translatedFigureText(const char *sourceText) {
  return QCoreApplication::translate(kFiguresContext, sourceText);
}

QString figureText(double value, int decimals) {
  return QString::fromStdString(lightquality::figureText(value, decimals));
}

QString figureText(const lightquality::Figure &row, const lightquality::FigureSource &source,
                   int element, bool listing) {
  return figureText(lightquality::figureValue(row, source, element),
                    listing ? row.listingDecimals : row.decimals);
}

QJsonValue jsonNumber(double value) {
  return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QJsonValue jsonReason(const std::string &reason) {
  return reason.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(reason));
}

QStringList reasonLines(const lightquality::FigureSource &source, bool merge,
                        const std::function<QString(const char *)> &translate) {
  QStringList names;
  QStringList texts;
  for (const lightquality::FigureGroupInfo &info : lightquality::figureGroups()) {
    const std::string reason = lightquality::groupReason(source, info.group);
    if (reason.empty()) {
      continue;
    }
    const QString text = translate(reason.c_str());
    const int same = merge ? texts.indexOf(text) : -1;
    if (same < 0) {
      names << translate(info.label);
      texts << text;
    } else {
      names[same] += ", " + translate(info.label);
    }
  }
  QStringList lines;
  for (int i = 0; i < texts.size(); ++i) {
    lines << translate(kMissingLine).arg(names[i], texts[i]);
  }
  return lines;
}

} // namespace solvane::quality
