#include "wide_text.h"

#include <windows.h>

namespace drvinst::win32 {

std::wstring widen(const char *text, unsigned codePage) {
  const int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  if (length <= 0) {
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length) - 1); // drop the terminating zero
  return wide;
}

std::string toAnsi(const wchar_t *text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) {
    return {};
  }
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), length, nullptr, nullptr);
  ansi.resize(static_cast<std::size_t>(length) - 1);
  return ansi;
}

} // namespace drvinst::win32
