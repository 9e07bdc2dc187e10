#pragma once

// Failures are told in one sentence, "what failed: FILE: system reason"
// (docs/errors.md); these build it from a Qt file device, whose
// errorString() is the system's reason ("No such file or directory",
// "Permission denied", "No space left on device"). The file's name is
// quoted, as any text from outside is in a message.

#include "quoting/quoted_qstring.h"

#include <QFileDevice>
#include <QString>

namespace solvane::errors {

inline QString fileError(const QString &what, const QString &fileName,
                         const QString &systemReason) {
  return QStringLiteral("%1: %2: %3").arg(what, quoting::quotedText(fileName), systemReason);
}

// For a QSaveFile, fileName() is the target, not its temporary file.
inline QString fileError(const QString &what, const QFileDevice &file) {
  return fileError(what, file.fileName(), file.errorString());
}

// Stores `sentence` in `error` when the caller asked for it; returns false
// so that a failing function can end with `return report(error, ...)`.
inline bool report(QString *error, const QString &sentence) {
  if (error) {
    *error = sentence;
  }
  return false;
}

} // namespace solvane::errors
