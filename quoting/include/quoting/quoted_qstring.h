#pragma once

// quotedText for Qt code: the same rendering, so that a dialog shows the
// same text as a terminal would.

#include "quoting/quoted_text.h"

#include <QByteArray>
#include <QString>

namespace quoting {

inline QString quotedText(const QString &text) {
  const QByteArray utf8 = text.toUtf8();
  return QString::fromStdString(
      quotedText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

// Bytes read from a file, which may not be UTF-8 at all.
inline QString quotedText(const QByteArray &bytes) {
  return QString::fromStdString(
      quotedText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

} // namespace quoting
