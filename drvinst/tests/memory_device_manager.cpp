#include "memory_device_manager.h"

#include "drvinst/failure.h"

#include <algorithm>

namespace drvinst::test {
namespace {

// A snapshot: positions into the manager's device table.
class MemoryDeviceList final : public DeviceList {
public:
  MemoryDeviceList(std::vector<MemoryDevice> &devices, std::vector<std::size_t> members)
      : devices_(devices), members_(std::move(members)) {}

  std::size_t size() const override { return members_.size(); }
  HardwareIds hardwareIds(std::size_t index) const override {
    const MemoryDevice &device = devices_.at(members_.at(index));
    return device.readable ? HardwareIds(device.hardwareIds) : std::nullopt;
  }
  bool remove(std::size_t index) override {
    devices_.at(members_.at(index)).present = false;
    return true;
  }

private:
  std::vector<MemoryDevice> &devices_;
  std::vector<std::size_t> members_;
};

} // namespace

std::unique_ptr<DeviceList> MemoryDeviceManager::presentDevices(DeviceScope) {
  std::vector<std::size_t> members;
  for (std::size_t i = 0; i < devices.size(); ++i) {
    if (devices[i].present) {
      members.push_back(i);
    }
  }
  return std::make_unique<MemoryDeviceList>(devices, std::move(members));
}

bool MemoryDeviceManager::updateDriver(const std::string &hardwareId, const std::string &infPath,
                                       std::string *error) {
  const bool carried = std::any_of(devices.begin(), devices.end(), [&](const MemoryDevice &device) {
    return device.present &&
           std::count(device.hardwareIds.begin(), device.hardwareIds.end(), hardwareId) > 0;
  });
  if (failUpdates || !carried) {
    return fail(error, "cannot install the driver for " + hardwareId + ": " + infPath + ": " +
                           (carried ? updateFailure : "no device carries the ID"));
  }
  updatedIds.push_back(hardwareId);
  updatedInfs.push_back(infPath);
  return true;
}

std::unique_ptr<DeviceList> MemoryDeviceManager::createRootDevice(const std::string &,
                                                                  const std::string &hardwareId,
                                                                  std::string *) {
  devices.push_back({{hardwareId}, true});
  ++rootDevicesCreated;
  return std::make_unique<MemoryDeviceList>(devices, std::vector<std::size_t>{devices.size() - 1});
}

std::size_t MemoryDeviceManager::presentCount() const {
  return static_cast<std::size_t>(std::count_if(
      devices.begin(), devices.end(), [](const MemoryDevice &device) { return device.present; }));
}

} // namespace drvinst::test
