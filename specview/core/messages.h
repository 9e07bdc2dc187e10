#pragma once

// How specview's core words its failures: translated in the
// "specview" context, handed to an error out-parameter that may be null.

#include <QCoreApplication>
#include <QString>

namespace specview {

inline QString tr(const char *text) {
  return QCoreApplication::translate("specview", text);
}

inline void fail(QString *error, const QString &sentence) {
  if (error != nullptr) {
    *error = sentence;
  }
}

} // namespace specview
