// Loads libTesselUSB.so in a fresh process and calls each of its nine entry
// points twice, printing the results as "name=result" lines, so that a test
// can see how the library treats the start-up state TESSELUSB_STATE names.

#include "devlink/shared_library.h"
#include "devlink/usb_library.h"

#include <cstdio>

int main() {
  devlink::SharedLibrary library;
  if (!library.open(devlink::kUsbLibraryName)) {
    std::printf("load failed: %s\n", library.lastError().c_str());
    return 1;
  }
  const auto cmdRead = library.resolve<devlink::CommandEntry>("CmdRead");
  const auto cmdWrite = library.resolve<devlink::CommandEntry>("CmdWrite");
  const auto cmdCmd = library.resolve<devlink::CommandEntry>("CmdCmd");
  const auto cmdSpeic = library.resolve<devlink::SpecialEntry>("CmdSpeic");
  const auto openDevice = library.resolve<devlink::OpenDeviceEntry>("OpenDevice");
  const auto closeDevice = library.resolve<devlink::CloseDeviceEntry>("CloseDevice");
  const auto getDeviceList = library.resolve<devlink::DeviceListEntry>("GetDeviceList");
  const auto readData = library.resolve<devlink::DataEntry>("ReadData");
  const auto writeData = library.resolve<devlink::DataEntry>("WriteData");

  for (int round = 0; round < 2; ++round) {
    BYTE record[825] = {};
    BYTE time[2] = {0xE8, 0x03};
    BYTE reply[128] = {};
    BYTE list[200] = {};
    BYTE data[4] = {};
    std::printf("OpenDevice=%d\n", openDevice(devlink::kProductId, devlink::kVendorId, 0));
    std::printf("CmdRead=%d\n", cmdRead(17, 0, sizeof record, record, 2000, nullptr, 3));
    std::printf("CmdWrite=%d\n", cmdWrite(0, 0, sizeof time, time, 2000, nullptr, 3));
    std::printf("CmdCmd=%d\n", cmdCmd(2, 2, 0, nullptr, 2000, nullptr, 3));
    std::printf("CmdSpeic=%d\n", cmdSpeic(8, reply, 0, 0));
    std::printf("GetDeviceList=%d\n", getDeviceList(list, 5));
    std::printf("CloseDevice=%d\n", closeDevice());
    std::printf("ReadData=%d\n", readData(data, sizeof data, 100));
    std::printf("WriteData=%d\n", writeData(data, sizeof data, 100));
  }
  return 0;
}
