// Binds the USB access library when the SDK is loaded. Windows refuses the
// SDK's load when the binding fails; a shared object's constructor cannot
// refuse a dlopen, so there the device functions answer "not available"
// instead (see specsdk.h). The binding object's destructor frees the USB
// library when the SDK is unloaded.

#include "usb_binding.h"

#include "devlink/usb_library.h"

#if defined(_WIN32)

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    return specsdk::bindUsbLibrary(devlink::kUsbLibraryName) ? TRUE : FALSE;
  }
  return TRUE; // thread attach and detach, process detach
}

#else

namespace {

__attribute__((constructor)) void bindOnLoad() {
  specsdk::bindAtLoad(devlink::kUsbLibraryName);
}

} // namespace

#endif
