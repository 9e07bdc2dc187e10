#include "drvinst/host.h"

#include "drvinst/text.h"

#include <windows.h>

namespace drvinst::host {

Architecture nativeArchitecture() {
  // GetNativeSystemInfo is looked up at run time, as older systems lack it.
  using NativeSystemInfo = void(WINAPI *)(LPSYSTEM_INFO);
  SYSTEM_INFO info{};
  auto query = reinterpret_cast<NativeSystemInfo>(reinterpret_cast<void *>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetNativeSystemInfo")));
  if (query == nullptr) {
    GetSystemInfo(&info);
  } else {
    query(&info);
  }
  switch (info.wProcessorArchitecture) {
  case PROCESSOR_ARCHITECTURE_INTEL:
    return Architecture::X86;
  case PROCESSOR_ARCHITECTURE_AMD64:
    return Architecture::X64;
  case PROCESSOR_ARCHITECTURE_IA64:
    return Architecture::Itanium;
  default:
    return Architecture::Other;
  }
}

Language userLanguage() {
  return languageFromLocaleId(GetSystemDefaultLCID());
}

std::string lastSystemError() {
  const DWORD code = GetLastError();
  char text[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, sizeof text, nullptr);
  // The system's texts end in ".\r\n"; a sentence goes on after them.
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                        text[length - 1] == ' ' || text[length - 1] == '.')) {
    --length;
  }
  return length > 0 ? std::string(text, length) : "system error " + decimal(code);
}

bool lastErrorNeedsPrivileges() {
  return GetLastError() == ERROR_ACCESS_DENIED;
}

namespace {

std::string convert(std::string_view text, UINT from, UINT to) {
  const int size = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
  if (wideLength <= 0) {
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(from, 0, text.data(), size, wide.data(), wideLength);
  const int length =
      WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wideLength, converted.data(), length, nullptr, nullptr);
  return converted;
}

} // namespace

std::string utf8FromAnsi(std::string_view text) {
  return convert(text, CP_ACP, CP_UTF8);
}

std::string ansiFromUtf8(std::string_view text) {
  return convert(text, CP_UTF8, CP_ACP);
}

} // namespace drvinst::host
