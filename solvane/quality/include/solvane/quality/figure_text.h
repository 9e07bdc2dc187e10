#pragma once

// The figure table's rows as the Qt programs show them: values as text,
// values as JSON, the names translated, and the lines that say why a
// group's figures are missing.

#include "lightquality/figure_table.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>

namespace solvane::quality {

// The translation context of the table's texts.
inline constexpr char kFiguresContext[] = "Figures";

// A text of the table in the program's language.
QString translatedFigureText(const char *sourceText);

// A reason of the library in the language of `translate`.
QString reasonText(const std::string &reason,
                   const std::function<QString(const char *)> &translate);

// Element `element` of the row with the row's decimals (`listing`:
// solvane-cli's), or "n/a".
QString figureText(const lightquality::Figure &row, const lightquality::FigureSource &source,
                   int element = 0, bool listing = false);
QString figureText(double value, int decimals);

// JSON has no NaN: an undefined value is null, with the reason beside it.
QJsonValue jsonNumber(double value);
// The reason, or null when there is none.
QJsonValue jsonReason(const std::string &reason);

// "Ra: n/a, <reason>" for each group whose figures are missing, in table
// order; groups that lack them for the same reason share a line when
// `merge` is set. `translate` turns the table's texts into the view's
// language (an identity for English-only views).
QStringList reasonLines(const lightquality::FigureSource &source, bool merge,
                        const std::function<QString(const char *)> &translate);

// "CCT, Ra (meter's method): not valid, <reason>" for the figures that
// have numbers resting on an undefined CCT, one line for each reason.
QStringList caveatLines(const lightquality::FigureSource &source,
                        const std::function<QString(const char *)> &translate);

// Why the methods of one quantity give different numbers, in one line.
QString methodsNote(const std::function<QString(const char *)> &translate);

} // namespace solvane::quality
