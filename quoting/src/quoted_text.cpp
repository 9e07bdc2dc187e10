#include "quoting/quoted_text.h"

#include <cstdint>

namespace quoting {

namespace {

// One character of the input: a code point and the bytes it took, or, for
// a byte that does not start a valid UTF-8 sequence, that byte alone with
// `valid` false.
struct Character {
  std::uint32_t codePoint = 0;
  std::size_t bytes = 1;
  bool valid = false;
};

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes the character at the start of `text` (not empty), refusing
// overlong forms, surrogates and values beyond U+10FFFF as UTF-8 does.
Character decodeFirst(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) {
    return {lead, 1, true};
  }
  // The sequence's length, the lead byte's bits and the smallest code
  // point that needs that length.
  std::size_t length = 4;
  std::uint32_t codePoint = lead & 0x07;
  std::uint32_t smallest = 0x10000;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    smallest = 0x800;
  } else if (lead < 0xF0 || lead > 0xF4) {
    return {lead, 1, false};
  }
  if (text.size() < length) {
    return {lead, 1, false};
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!isContinuation(byte)) {
      return {lead, 1, false};
    }
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return {lead, 1, false};
  }
  return {codePoint, length, true};
}

// Characters that break the line or change how the text around them reads.
bool needsEscape(std::uint32_t codePoint) {
  return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 ||
         codePoint == 0x2029 || (codePoint >= 0x202A && codePoint <= 0x202E) ||
         (codePoint >= 0x2066 && codePoint <= 0x2069);
}

// Upper-case hexadecimal of `value`, at least `width` digits. Written out
// here rather than with a printf formatter, which would outweigh the rest
// of the small programs that link this.
void appendHex(std::string &out, std::uint32_t value, int width) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  int digits = width;
  while (digits < 8 && (value >> (4 * digits)) != 0) {
    ++digits;
  }
  for (int i = digits - 1; i >= 0; --i) {
    out += kDigits[(value >> (4 * i)) & 0xF];
  }
}

void appendEscape(std::string &out, const Character &character) {
  if (!character.valid || character.codePoint < 0x80) {
    out += "\\x";
    appendHex(out, character.codePoint, 2);
  } else {
    out += "\\u{";
    appendHex(out, character.codePoint, 4);
    out += '}';
  }
}

void appendDecimal(std::string &out, std::size_t value) {
  const std::size_t start = out.size();
  do {
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(start),
               static_cast<char>('0' + value % 10));
    value /= 10;
  } while (value != 0);
}

} // namespace

std::string quotedText(std::string_view text) {
  std::string out;
  std::size_t position = 0;
  for (std::size_t characters = 0; position < text.size(); ++characters) {
    if (characters == kMaxQuotedCharacters) {
      out += "\u2026 (";
      appendDecimal(out, text.size());
      out += " bytes)";
      return out;
    }
    const Character character = decodeFirst(text.substr(position));
    if (!character.valid || needsEscape(character.codePoint)) {
      appendEscape(out, character);
    } else {
      out.append(text.substr(position, character.bytes));
    }
    position += character.bytes;
  }
  return out;
}

} // namespace quoting
