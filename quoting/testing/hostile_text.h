#pragma once

// What the message tests of every program share: texts an input could hold
// that must never reach a terminal or a dialog raw, and the check that a
// message carries none of it.

#include <string>
#include <string_view>
#include <vector>

namespace quoting::testing {

// Names and fields that try to break a message: a terminal escape sequence,
// NUL, CR and LF, a right-to-left override, 10,000 characters, invalid
// UTF-8, a C1 control and a line separator.
inline const std::vector<std::string> &hostileTexts() {
  static const std::vector<std::string> texts = {
      "ab\x1b[31mRED\x1b[0m",
      std::string("nul\0here", 8),
      "two\r\nlines",
      "evil\xE2\x80\xAEtxt.exe",
      std::string(10000, 'A'),
      "bad\xFF\xC3(utf8\xED\xA0\x80",
      "c1\xC2\x9B"
      "2J",
      "line\xE2\x80\xA8separator",
  };
  return texts;
}

// True when `message` is valid UTF-8 on one line, without control
// characters (C0, DEL, C1), line separators or bidirectional controls, and
// no longer than `maxBytes`.
inline bool isOneSafeLine(std::string_view message, std::size_t maxBytes = 4096) {
  if (message.size() > maxBytes) {
    return false;
  }
  for (std::size_t i = 0; i < message.size();) {
    const auto lead = static_cast<unsigned char>(message[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > message.size()) {
      return false;
    }
    unsigned long codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(message[i + k]);
      if ((byte & 0xC0) != 0x80) {
        return false;
      }
      codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
    const bool separatorOrBidi = (codePoint >= 0x2028 && codePoint <= 0x202E) ||
                                 (codePoint >= 0x2066 && codePoint <= 0x2069);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (control || separatorOrBidi || surrogate) {
      return false;
    }
    i += length;
  }
  return true;
}

} // namespace quoting::testing
