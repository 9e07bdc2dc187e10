#include "entry_calls.h"

#include "devlink/usb_library.h"

namespace simtest {

std::vector<std::string> callEveryEntryPoint(const devlink::SharedLibrary &lib) {
  BYTE buffer[1024] = {0xE8, 0x03};
  std::vector<std::string> results;
  const auto call = [&](const char *name, auto entry, auto... args) {
    results.push_back(std::string(name) + "=" +
                      std::to_string(lib.resolve<decltype(entry)>(name)(args...)));
  };
  call("OpenDevice", devlink::OpenDeviceEntry{}, devlink::kProductId, devlink::kVendorId, 0u);
  call("CmdRead", devlink::CommandEntry{}, 17u, 0u, 825u, buffer + 2, 2000u, nullptr, 3u);
  call("CmdWrite", devlink::CommandEntry{}, 0u, 0u, 2u, buffer, 2000u, nullptr, 3u);
  call("CmdCmd", devlink::CommandEntry{}, 2u, 2u, 0u, nullptr, 2000u, nullptr, 3u);
  call("CmdSpeic", devlink::SpecialEntry{}, 8u, buffer, 0u, 0u);
  call("GetDeviceList", devlink::DeviceListEntry{}, buffer, 5u);
  call("CloseDevice", devlink::CloseDeviceEntry{});
  call("ReadData", devlink::DataEntry{}, buffer, 4u, 100u);
  call("WriteData", devlink::DataEntry{}, buffer, 4u, 100u);
  return results;
}

} // namespace simtest
