#include "drvinst/driver_installer.h"

#include "drvinst/failure.h"
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

std::optional<std::vector<std::string>> infFilesIn(const std::string &folder, std::string *error) {
  const std::optional<std::vector<FolderEntry>> entries = fs::listFolder(folder, "*.inf", error);
  if (!entries) {
    return std::nullopt;
  }
  std::vector<std::string> paths;
  for (const FolderEntry &entry : *entries) {
    if (!entry.isFolder && isInfFileName(entry.name)) {
      paths.push_back(joinPath(folder, entry.name));
    }
  }
  return paths;
}

DriverInstaller::DriverInstaller(DeviceManager &devices, std::string platformDecoration)
    : devices_(devices), decoration_(std::move(platformDecoration)) {}

bool DriverInstaller::installFolder(const std::string &folder, std::string *error) {
  const std::optional<std::vector<std::string>> infFiles = infFilesIn(folder, error);
  if (!infFiles) {
    return false;
  }
  if (infFiles->empty()) {
    return fail(error,
                {"cannot install the driver: ", quoted(folder), ": the folder holds no INF file"});
  }
  std::string firstFailure;
  std::size_t failures = 0;
  for (const std::string &infPath : *infFiles) {
    std::string why;
    if (!installInf(infPath, &why) && failures++ == 0) {
      firstFailure = why;
    }
  }
  if (failures <= 1) {
    return failures == 0 || fail(error, firstFailure);
  }
  const std::size_t more = failures - 1;
  return fail(error, {firstFailure, " (", decimal(more),
                      more == 1 ? " more INF file" : " more INF files", " failed too)"});
}

bool DriverInstaller::installInf(const std::string &infPath, std::string *error) {
  // A failed scan leaves no INF path, with which the installation could
  // only fail.
  bool deviceExisted = false;
  if (!scanInf(infPath, error) || !installCurrentInf(deviceExisted, error)) {
    return false;
  }
  if (!deviceExisted) {
    // The scan after the installation matched the root device it created.
    removeMatchedDevice();
  }
  return true;
}

void DriverInstaller::forgetScan() {
  scannedDevices_.reset();
  matchedDevice_.reset();
  infPath_.clear();
  hardwareId_.clear();
}

std::optional<std::string> DriverInstaller::readModelHardwareId(const std::string &infPath,
                                                               std::string *error) const {
  const std::unique_ptr<InfFile> inf = devices_.openInf(infPath, error);
  if (!inf) {
    return std::nullopt;
  }
  std::optional<std::string> id = modelHardwareId(*inf, decoration_);
  if (!id) {
    fail(error, {"cannot use the INF file: ", quoted(infPath),
                 ": its [Manufacturer] section names no models section with a device"});
  }
  return id;
}

bool DriverInstaller::scanInf(const std::string &infPath, std::string *error) {
  forgetScan();
  const std::optional<std::string> modelId = readModelHardwareId(infPath, error);
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

bool DriverInstaller::installCurrentInf(bool &deviceExisted, std::string *error) {
  if (hardwareId_.empty()) {
    const std::optional<std::string> modelId = readModelHardwareId(infPath_, error);
    if (!modelId) {
      return false;
    }
    hardwareId_ = *modelId;
  }
  if (hardwareId_.empty()) {
    return fail(error, {"cannot use the INF file: ", quoted(infPath_),
                        ": its first device model has no hardware ID"});
  }
  if (!fs::pathExists(infPath_)) {
    return failWithSystemError(error, "cannot read the INF file", infPath_);
  }
  if (findExistingDevice(hardwareId_)) {
    deviceExisted = true;
    if (!devices_.updateDriver(hardwareId_, infPath_, error)) {
      return false;
    }
  } else if (!installRootDevice(infPath_, hardwareId_, error)) {
    return false;
  }
  // Scan again so that the matched device is the one that now carries the
  // driver: for a new root device, the one to remove.
  const std::string infPath = infPath_;
  scanInf(infPath, nullptr);
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

bool DriverInstaller::installRootDevice(const std::string &infPath, const std::string &hardwareId,
                                        std::string *error) {
  const std::unique_ptr<DeviceList> created =
      devices_.createRootDevice(infPath, hardwareId, error);
  if (!created) {
    return false;
  }
  if (!devices_.updateDriver(hardwareId, infPath, error)) {
    // Leave no half-installed device behind.
    removeAll(*created);
    return false;
  }
  return true;
}

} // namespace drvinst
