#pragma once

// The library-wide binding to the USB access library: its handle and nine
// entry points, set when the SDK is loaded. The SDK keeps no other state.

#include "devlink/usb_entries.h"

#include <string>

namespace specsdk {

using devlink::UsbEntries;

// The bound entry points, or nullptr when the binding failed.
const UsbEntries *usbEntries();

// Loads `fileName` and resolves the nine entry points, replacing any earlier
// binding. Fails, leaving nothing bound, when the library does not load or
// an entry point other than GetDeviceList is missing; the reason is then in
// bindingError().
bool bindUsbLibrary(const char *fileName);
const std::string &bindingError();
void unbindUsbLibrary();

// Binds the default library as the platform loader does when the SDK is
// loaded; on failure, where the load cannot be refused, writes one line
// about it to stderr.
bool bindAtLoad(const char *fileName);

} // namespace specsdk
