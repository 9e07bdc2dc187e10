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
  UsbEntries e;
  const std::string missing = devlink::resolveUsbEntries(b.library, e);
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
