#include "drvinst/host.h"

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

} // namespace drvinst::host
