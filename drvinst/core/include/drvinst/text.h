#pragma once

// ASCII case handling for INF names and hardware IDs, which Windows
// compares without regard to case, and the few text helpers the messages
// need.

#include <cstdint>
#include <string>
#include <string_view>

namespace drvinst {

std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// `text` without leading and trailing blanks (spaces, tabs, CR).
std::string_view trimBlanks(std::string_view text);
// `value` in decimal digits. std::to_string would link the C library's whole
// number formatter into the Windows image, which must stay small.
std::string decimal(std::uint64_t value);

// UTF-16 little-endian bytes as UTF-8. A lone surrogate becomes U+FFFD and
// an odd last byte is dropped, so any bytes give valid UTF-8.
std::string utf8FromUtf16Le(std::string_view bytes);

} // namespace drvinst
