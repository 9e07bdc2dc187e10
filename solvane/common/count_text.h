#pragma once

// "1 record", "2 records": a count and its noun, for messages whose count
// can be one. Every noun the program counts takes a plain "s".

#include <QString>

namespace solvane::errors {

inline QString counted(qsizetype count, const QString &noun) {
  return QStringLiteral("%1 %2%3").arg(count).arg(noun).arg(count == 1 ? "" : "s");
}

} // namespace solvane::errors
