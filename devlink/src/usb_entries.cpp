#include "devlink/usb_entries.h"

namespace devlink {

namespace {

// Names `name` in `missing` when it is the first entry point not found.
template <typename Fn>
void resolve(const SharedLibrary &library, const char *name, Fn &entry, std::string &missing) {
  entry = library.resolve<Fn>(name);
  if (entry == nullptr && missing.empty()) {
    missing = name;
  }
}

} // namespace

std::string resolveUsbEntries(const SharedLibrary &library, UsbEntries &entries) {
  std::string missing;
  resolve(library, "OpenDevice", entries.openDevice, missing);
  resolve(library, "CloseDevice", entries.closeDevice, missing);
  resolve(library, "ReadData", entries.readData, missing);
  resolve(library, "WriteData", entries.writeData, missing);
  resolve(library, "CmdRead", entries.cmdRead, missing);
  resolve(library, "CmdWrite", entries.cmdWrite, missing);
  resolve(library, "CmdSpeic", entries.cmdSpeic, missing);
  resolve(library, "CmdCmd", entries.cmdCmd, missing);
  std::string optional;
  resolve(library, "GetDeviceList", entries.getDeviceList, optional);
  return missing;
}

} // namespace devlink
