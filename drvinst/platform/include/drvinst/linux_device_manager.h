#pragma once

// Linux has no driver packages to install: a user-space program reaches a
// USB device through usbfs once it may open the device node. "Installing
// the driver" therefore writes a udev rule that gives users access to
// devices with the vendor and product ID of the hardware ID, and asks udev
// to reload its rules and replay the events of those devices.
//
// Present devices are read from sysfs. Each USB device has the hardware IDs
// "USB\VID_vvvv&PID_pppp&REV_rrrr" and "USB\VID_vvvv&PID_pppp". Linux has no
// root-enumerated devices: when no device is present the rule is written
// all the same, nothing is created and nothing is removed.

#include "drvinst/device_manager.h"

#include <optional>
#include <string>

namespace drvinst {

struct LinuxDeviceSettings {
  std::string sysfsRoot = "/sys";
  std::string rulesFolder = "/etc/udev/rules.d";
  // The udevadm program to run after writing a rule; empty runs none.
  std::string udevadm = "udevadm";
};

// Settings from the environment:
// - DRVINST_SYSFS_ROOT: the folder that stands for /sys;
// - DRVINST_UDEV_RULES_DIR: the folder for the rule instead of
//   /etc/udev/rules.d. udev does not read such a folder, so udevadm is then
//   not run unless DRVINST_UDEVADM names it;
// - DRVINST_UDEVADM: the udevadm program to run; empty runs none.
LinuxDeviceSettings linuxDeviceSettingsFromEnvironment();

struct UsbId {
  std::string vendor; // four lower-case hexadecimal digits, as sysfs writes them
  std::string product;
};

// The vendor and product ID of a USB hardware ID; nullopt for other IDs.
std::optional<UsbId> usbIdFromHardwareId(const std::string &hardwareId);

class LinuxDeviceManager final : public DeviceManager {
public:
  explicit LinuxDeviceManager(LinuxDeviceSettings settings);

  std::unique_ptr<DeviceList> presentDevices(DeviceScope scope) override;
  bool updateDriver(const std::string &hardwareId, const std::string &infPath,
                    std::string *error) override;
  std::unique_ptr<DeviceList> createRootDevice(const std::string &infPath,
                                               const std::string &hardwareId,
                                               std::string *error) override;

  // The rule file written for a device.
  std::string rulePath(const UsbId &id) const;

private:
  void reloadUdev(const UsbId &id) const;

  LinuxDeviceSettings settings_;
};

} // namespace drvinst
