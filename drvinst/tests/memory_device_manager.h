#pragma once

// A device manager that keeps its devices in memory and records what the
// installer asked of it. Like Windows, it updates drivers only for present
// devices that carry the hardware ID.

#include "drvinst/device_manager.h"

#include <string>
#include <vector>

namespace drvinst::test {

struct MemoryDevice {
  std::vector<std::string> hardwareIds;
  bool root = false;    // created by the installer
  bool present = true;  // false once removed
  bool readable = true; // false: reading its hardware IDs fails
};

class MemoryDeviceManager final : public DeviceManager {
public:
  std::unique_ptr<DeviceList> presentDevices(DeviceScope scope) override;
  // Failures say "cannot install the driver for ID: INF: <updateFailure>".
  bool updateDriver(const std::string &hardwareId, const std::string &infPath,
                    std::string *error) override;
  std::unique_ptr<DeviceList> createRootDevice(const std::string &infPath,
                                               const std::string &hardwareId,
                                               std::string *error) override;

  std::size_t presentCount() const;

  std::vector<MemoryDevice> devices; // every device ever known, removed ones too
  std::vector<std::string> updatedIds;
  std::vector<std::string> updatedInfs;
  std::size_t rootDevicesCreated = 0;
  bool failUpdates = false;
  std::string updateFailure = "Access is denied";
};

} // namespace drvinst::test
