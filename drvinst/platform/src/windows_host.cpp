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

} // namespace drvinst::host
