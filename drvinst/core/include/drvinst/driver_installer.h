#pragma once

// Installs every INF of a folder. For each INF it reads the hardware ID of
// the first device model; a present device that matches gets its driver
// updated, otherwise a root-enumerated device with that ID is created,
// given the driver and removed again, which leaves the package installed
// for when the device is plugged in.

#include "drvinst/device_manager.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace drvinst {

class DriverInstaller {
public:
  DriverInstaller(DeviceManager &devices, std::string platformDecoration);

  // True when the folder holds at least one INF file and every one of them
  // installed. A failing INF does not stop the others. `error` (may be
  // null) receives the first failure's sentence, as described in
  // drvinst/failure.h, and how many more INF files failed.
  bool installFolder(const std::string &folder, std::string *error);

private:
  bool installInf(const std::string &infPath, std::string *error);
  // Remembers the INF and its model hardware ID; a present device that
  // matches the ID replaces it with its own most specific ID (the last
  // match wins). False when the INF cannot be read or has no model.
  bool scanInf(const std::string &infPath, std::string *error);
  bool installCurrentInf(bool &deviceExisted, std::string *error);
  // Removes the device that the last scan matched, if any.
  void removeMatchedDevice();
  bool findExistingDevice(const std::string &hardwareId);
  bool installRootDevice(const std::string &infPath, const std::string &hardwareId,
                         std::string *error);
  std::optional<std::string> readModelHardwareId(const std::string &infPath,
                                                 std::string *error) const;
  void forgetScan();

  DeviceManager &devices_;
  std::string decoration_;
  std::string infPath_;
  std::string hardwareId_;
  std::unique_ptr<DeviceList> scannedDevices_;
  std::optional<std::size_t> matchedDevice_;
};

// The INF files of `folder`, in the order of the folder listing: files
// whose names end in ".inf" (without regard to case) and have a title.
// nullopt when the folder cannot be read.
std::optional<std::vector<std::string>> infFilesIn(const std::string &folder, std::string *error);

} // namespace drvinst
