#include "solvane/quality/figure_text.h"

#include <QCoreApplication>

#include <cmath>

namespace solvane::quality {
namespace {

const char *const kMissingLine = QT_TRANSLATE_NOOP("Figures", "%1: n/a, %2");
const char *const kNotValidLine = QT_TRANSLATE_NOOP("Figures", "%1 (%2): not valid, %3");
const char *const kMethodsNote = QT_TRANSLATE_NOOP(
    "Figures", "The meter's method builds its references and samples on its own, coarser grids, "
               "so its Ra, CCT and R1–R15 differ from those of CIE 13.3 and CIE 15:2018 (daylight "
               "record NO.001: Ra 94.2 there, 100 in CIE 13.3).");

} // namespace

QString translatedFigureText(const char *sourceText) {
  return QCoreApplication::translate(kFiguresContext, sourceText);
}

QString reasonText(const std::string &reason,
                   const std::function<QString(const char *)> &translate) {
  return QString::fromStdString(lightquality::translateReason(
      reason, [&translate](const char *text) { return translate(text).toStdString(); }));
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
    const QString text = reasonText(reason, translate);
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

QStringList caveatLines(const lightquality::FigureSource &source,
                        const std::function<QString(const char *)> &translate) {
  QStringList lines;
  for (const lightquality::FigureGroupInfo &info : lightquality::figureGroups()) {
    QStringList names;
    std::string reason;
    const char *method = "";
    for (const lightquality::Figure &row : lightquality::figureTable()) {
      const std::string caveat = lightquality::figureCaveat(row, source);
      if (row.group == info.group && !caveat.empty() &&
          std::isfinite(lightquality::figureValue(row, source))) {
        names << translate(row.label);
        reason = caveat;
        method = row.method;
      }
    }
    if (!names.isEmpty()) {
      lines << translate(kNotValidLine)
                   .arg(names.join(", "), translate(method), reasonText(reason, translate));
    }
  }
  return lines;
}

QString methodsNote(const std::function<QString(const char *)> &translate) {
  return translate(kMethodsNote);
}

} // namespace solvane::quality
