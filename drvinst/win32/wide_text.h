#pragma once

// Text conversions between the core's 8-bit strings and the UTF-16 of the
// Windows Unicode calls.

#include <string>

namespace drvinst::win32 {

inline constexpr unsigned kUtf8CodePage = 65001;
inline constexpr unsigned kGbkCodePage = 936;

std::wstring widen(const char *text, unsigned codePage = kUtf8CodePage);
// In the system's ANSI code page, which the core's file calls use.
std::string toAnsi(const wchar_t *text);

} // namespace drvinst::win32
