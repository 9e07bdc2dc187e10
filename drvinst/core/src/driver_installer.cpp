#include "drvinst/driver_installer.h"

#include "drvinst/file_system.h"
#include "drvinst/hardware_id.h"
#include "drvinst/text.h"

#include <algorithm>
#include <utility>

namespace drvinst {
namespace {

// A device's first hardware ID, its most specific one.
std::string firstHardwareId(const DeviceList &devices, std::size_t index) {
  const HardwareIds ids = devices.hardwareIds(index);
  return ids && !ids->empty() ? ids->front() : std::string();
}

void removeAll(DeviceList &devices) {
  for (std::size_t i = 0; i < devices.size(); ++i) {
    devices.remove(i);
  }
}

constexpr std::string_view kInfExtension = ".inf";

bool isInfFileName(std::string_view name) {
  // A name that is only the extension, or "..inf", has no usable title.
  return name.size() > kInfExtension.size() &&
         equalsIgnoringCase(name.substr(name.size() - kInfExtension.size()), kInfExtension) &&
         name.substr(0, name.size() - kInfExtension.size()) != ".";
}

} // namespace

std::vector<std::string> infFilesIn(const std::string &folder) {
  std::vector<std::string> paths;
  for (const FolderEntry &entry : fs::listFolder(folder, "*.inf")) {
    if (!entry.isFolder && isInfFileName(entry.name)) {
      paths.push_back(joinPath(folder, entry.name));
    }
  }
  return paths;
}

DriverInstaller::DriverInstaller(DeviceManager &devices, std::string platformDecoration)
    : devices_(devices), decoration_(std::move(platformDecoration)) {}

bool DriverInstaller::installFolder(const std::string &folder) {
  const std::vector<std::string> infFiles = infFilesIn(folder);
  bool allInstalled = !infFiles.empty();
  for (const std::string &infPath : infFiles) {
    // A failed scan leaves no INF path, and the installation then fails.
    scanInf(infPath);
    bool deviceExisted = false;
    const bool installed = installCurrentInf(deviceExisted);
    if (installed && !deviceExisted) {
      // The scan after the installation matched the root device it created.
      removeMatchedDevice();
    }
    allInstalled = allInstalled && installed;
  }
  return allInstalled;
}

void DriverInstaller::forgetScan() {
  scannedDevices_.reset();
  matchedDevice_.reset();
  infPath_.clear();
  hardwareId_.clear();
}

std::optional<std::string> DriverInstaller::readModelHardwareId(const std::string &infPath) const {
  const std::unique_ptr<InfFile> inf = devices_.openInf(infPath);
  return inf ? modelHardwareId(*inf, decoration_) : std::nullopt;
}

bool DriverInstaller::scanInf(const std::string &infPath) {
  forgetScan();
  const std::optional<std::string> modelId = readModelHardwareId(infPath);
  if (!modelId) {
    return false;
  }
  infPath_ = infPath;
  scannedDevices_ = devices_.presentDevices(DeviceScope::CurrentProfile);
  for (std::size_t i = 0; scannedDevices_ && i < scannedDevices_->size(); ++i) {
    const std::string deviceId = firstHardwareId(*scannedDevices_, i);
    if (hardwareIdMatches(*modelId, deviceId)) {
      hardwareId_ = deviceId;
      matchedDevice_ = i;
    }
  }
  return true;
}

bool DriverInstaller::installCurrentInf(bool &deviceExisted) {
  if (hardwareId_.empty()) {
    hardwareId_ = readModelHardwareId(infPath_).value_or(std::string());
  }
  if (hardwareId_.empty() || !fs::pathExists(infPath_)) {
    return false;
  }
  if (findExistingDevice(hardwareId_)) {
    deviceExisted = true;
    if (!devices_.updateDriver(hardwareId_, infPath_)) {
      return false;
    }
  } else if (!installRootDevice(infPath_, hardwareId_)) {
    return false;
  }
  // Scan again so that the matched device is the one that now carries the
  // driver: for a new root device, the one to remove.
  const std::string infPath = infPath_;
  scanInf(infPath);
  return true;
}

void DriverInstaller::removeMatchedDevice() {
  if (scannedDevices_ && matchedDevice_) {
    scannedDevices_->remove(*matchedDevice_);
    scannedDevices_.reset();
  }
}

bool DriverInstaller::findExistingDevice(const std::string &hardwareId) {
  const std::unique_ptr<DeviceList> devices = devices_.presentDevices(DeviceScope::AllProfiles);
  for (std::size_t i = 0; devices && i < devices->size(); ++i) {
    const HardwareIds ids = devices->hardwareIds(i);
    if (!ids) {
      return false; // an unreadable device ends the search
    }
    if (std::find(ids->begin(), ids->end(), hardwareId) != ids->end()) {
      return true;
    }
  }
  return false;
}

bool DriverInstaller::installRootDevice(const std::string &infPath, const std::string &hardwareId) {
  const std::unique_ptr<DeviceList> created = devices_.createRootDevice(infPath, hardwareId);
  if (!created) {
    return false;
  }
  if (!devices_.updateDriver(hardwareId, infPath)) {
    // Leave no half-installed device behind.
    removeAll(*created);
    return false;
  }
  return true;
}

} // namespace drvinst
