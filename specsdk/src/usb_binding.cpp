#include "usb_binding.h"

#include "devlink/shared_library.h"

#include <cstdio>

namespace specsdk {

namespace {

struct Binding {
  devlink::SharedLibrary library;
  UsbEntries entries;
  bool bound = false;
  std::string error;
};

Binding &binding() {
  static Binding instance;
  return instance;
}

template <typename Fn>
bool resolve(const devlink::SharedLibrary &library, const char *name, Fn &entry,
             std::string &missing) {
  entry = library.resolve<Fn>(name);
  if (entry == nullptr && missing.empty()) {
    missing = name;
  }
  return entry != nullptr;
}

} // namespace

const UsbEntries *usbEntries() {
  return binding().bound ? &binding().entries : nullptr;
}

const std::string &bindingError() {
  return binding().error;
}

void unbindUsbLibrary() {
  Binding &b = binding();
  b.entries = UsbEntries{};
  b.bound = false;
  b.library.close();
}

bool bindUsbLibrary(const char *fileName) {
  unbindUsbLibrary();
  Binding &b = binding();
  if (!b.library.open(fileName)) {
    b.error = std::string(fileName) + " does not load: " + b.library.lastError();
    return false;
  }
  // Resolved in this order; GetDeviceList alone may be missing.
  UsbEntries e;
  std::string missing;
  resolve(b.library, "OpenDevice", e.openDevice, missing);
  resolve(b.library, "CloseDevice", e.closeDevice, missing);
  resolve(b.library, "ReadData", e.readData, missing);
  resolve(b.library, "WriteData", e.writeData, missing);
  resolve(b.library, "CmdRead", e.cmdRead, missing);
  resolve(b.library, "CmdWrite", e.cmdWrite, missing);
  resolve(b.library, "CmdSpeic", e.cmdSpeic, missing);
  resolve(b.library, "CmdCmd", e.cmdCmd, missing);
  std::string optional;
  resolve(b.library, "GetDeviceList", e.getDeviceList, optional);
  if (!missing.empty()) {
    b.error = std::string(fileName) + " lacks the entry point " + missing;
    b.library.close();
    return false;
  }
  b.entries = e;
  b.bound = true;
  b.error.clear();
  return true;
}

bool bindAtLoad(const char *fileName) {
  if (bindUsbLibrary(fileName)) {
    return true;
  }
  std::fprintf(stderr, "specsdk: %s; the device functions report the device as not available\n",
               bindingError().c_str());
  return false;
}

} // namespace specsdk
