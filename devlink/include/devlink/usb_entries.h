#pragma once

// The entry points of a loaded USB access library, resolved by their names.

#include "devlink/shared_library.h"
#include "devlink/usb_library.h"

#include <string>

namespace devlink {

struct UsbEntries {
  OpenDeviceEntry openDevice = nullptr;
  CloseDeviceEntry closeDevice = nullptr;
  DataEntry readData = nullptr;
  DataEntry writeData = nullptr;
  CommandEntry cmdRead = nullptr;
  CommandEntry cmdWrite = nullptr;
  SpecialEntry cmdSpeic = nullptr;
  CommandEntry cmdCmd = nullptr;
  DeviceListEntry getDeviceList = nullptr; // may be missing
};

// Resolves every entry point of `library` into `entries`. Returns the name of
// the first one missing, in the order above and GetDeviceList aside, or an
// empty string when none is.
std::string resolveUsbEntries(const SharedLibrary &library, UsbEntries &entries);

} // namespace devlink
