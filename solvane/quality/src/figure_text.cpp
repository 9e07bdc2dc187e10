#include "solvane/quality/figure_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace solvane::quality {
namespace {

// A row whose value is a number that is not valid.
bool hasCaveat(const lightquality::Figure &row, const lightquality::FigureSource &source) {
  return std::isfinite(lightquality::figureValue(row, source)) &&
         !lightquality::figureCaveat(row, source).empty();
}

bool groupHasCaveat(const lightquality::FigureSource &source, lightquality::FigureGroup group) {
  const std::vector<lightquality::Figure> &table = lightquality::figureTable();
  return std::any_of(table.begin(), table.end(), [&](const lightquality::Figure &row) {
    return row.group == group && hasCaveat(row, source);
  });
}

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
    // A group whose figures stand, though not valid, says so in caveatLines.
    if (reason.empty() || groupHasCaveat(source, info.group)) {
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
    lines << translate(lightquality::kMissingFiguresLine).arg(names[i], texts[i]);
  }
  return lines;
}

QStringList caveatLines(const lightquality::FigureSource &source,
                        const std::function<QString(const char *)> &translate) {
  // "CCT, Ra (meter's method); CCT (CIE 15:2018)" for each reason.
  QStringList reasons;
  QStringList names;
  for (const lightquality::FigureGroupInfo &info : lightquality::figureGroups()) {
    QStringList group;
    std::string reason;
    const char *method = "";
    for (const lightquality::Figure &row : lightquality::figureTable()) {
      if (row.group == info.group && hasCaveat(row, source)) {
        group << translate(row.label);
        reason = lightquality::figureCaveat(row, source);
        method = row.method;
      }
    }
    if (group.isEmpty()) {
      continue;
    }
    const QString text = reasonText(reason, translate);
    const QString named = QString("%1 (%2)").arg(group.join(", "), translate(method));
    if (const int same = reasons.indexOf(text); same >= 0) {
      names[same] += "; " + named;
    } else {
      reasons << text;
      names << named;
    }
  }
  QStringList lines;
  for (int i = 0; i < reasons.size(); ++i) {
    lines << translate(lightquality::kInvalidFiguresLine).arg(names[i], reasons[i]);
  }
  return lines;
}

QString methodsNote(const std::function<QString(const char *)> &translate) {
  return translate(lightquality::kMethodsNote);
}

} // namespace solvane::quality
