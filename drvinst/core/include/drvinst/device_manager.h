#pragma once

// What the installation needs from the operating system's device manager.
// Windows serves it with SetupAPI and newdev; Linux with sysfs and udev.

#include "drvinst/inf_file.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace drvinst {

// A device's hardware IDs, most specific first. Empty when the device has
// none; nullopt when reading them failed.
using HardwareIds = std::optional<std::vector<std::string>>;

// A snapshot of devices. Indexes stay valid until the list is destroyed,
// also after a device was removed.
class DeviceList {
public:
  virtual ~DeviceList() = default;
  virtual std::size_t size() const = 0;
  virtual HardwareIds hardwareIds(std::size_t index) const = 0;
  virtual bool remove(std::size_t index) = 0;
};

// Which hardware profiles a device list covers; Windows tells them apart.
enum class DeviceScope { CurrentProfile, AllProfiles };

// Operations that can fail take a last `error` as described in
// drvinst/failure.h. A device list's own calls report only their result:
// the installation skips a device whose IDs cannot be read, and never
// depends on a removal.
class DeviceManager {
public:
  virtual ~DeviceManager() = default;

  // Opens an INF with the system's reader; by default the project's own.
  virtual std::unique_ptr<InfFile> openInf(const std::string &path, std::string *error) const;

  // Present devices of every class; null when the system cannot list them,
  // which the installation treats as no device present.
  virtual std::unique_ptr<DeviceList> presentDevices(DeviceScope scope) = 0;

  // Installs the INF's driver for the devices that carry `hardwareId`.
  virtual bool updateDriver(const std::string &hardwareId, const std::string &infPath,
                            std::string *error) = 0;

  // Creates and registers a root-enumerated device of the INF's class that
  // carries `hardwareId`, and returns a list that holds it. A system without
  // root-enumerated devices returns an empty list. Null on failure.
  virtual std::unique_ptr<DeviceList> createRootDevice(const std::string &infPath,
                                                       const std::string &hardwareId,
                                                       std::string *error) = 0;
};

} // namespace drvinst
