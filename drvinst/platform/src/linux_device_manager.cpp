#include "drvinst/linux_device_manager.h"

#include "drvinst/failure.h"
#include "drvinst/file_system.h"
#include "drvinst/system_device_manager.h"
#include "drvinst/text.h"

#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <utility>
#include <vector>

extern char **environ;

namespace drvinst {
namespace {

constexpr char kUsbDevicesFolder[] = "bus/usb/devices";

// The first line of a small text file such as a sysfs attribute.
std::optional<std::string> readFirstLine(const std::string &path) {
  std::FILE *file = std::fopen(path.c_str(), "r");
  if (file == nullptr) {
    return std::nullopt;
  }
  char line[256] = {};
  const bool read = std::fgets(line, sizeof line, file) != nullptr;
  std::fclose(file);
  if (!read) {
    return std::nullopt;
  }
  const std::string_view text(line);
  return std::string(trimBlanks(text.substr(0, text.find('\n'))));
}

// The hardware IDs of the USB device in a sysfs folder; empty for entries
// that are no USB device (interfaces, for example).
std::vector<std::string> usbHardwareIds(const std::string &deviceFolder) {
  const auto vendor = readFirstLine(joinPath(deviceFolder, "idVendor"));
  const auto product = readFirstLine(joinPath(deviceFolder, "idProduct"));
  if (!vendor || !product) {
    return {};
  }
  const std::string base = "USB\\VID_" + toUpper(*vendor) + "&PID_" + toUpper(*product);
  const auto revision = readFirstLine(joinPath(deviceFolder, "bcdDevice"));
  if (!revision) {
    return {base};
  }
  return {base + "&REV_" + toUpper(*revision), base};
}

class SysfsDeviceList final : public DeviceList {
public:
  explicit SysfsDeviceList(std::vector<std::vector<std::string>> devices)
      : devices_(std::move(devices)) {}

  std::size_t size() const override { return devices_.size(); }
  HardwareIds hardwareIds(std::size_t index) const override { return devices_.at(index); }
  // A plugged-in device cannot be taken away by software.
  bool remove(std::size_t) override { return false; }

private:
  std::vector<std::vector<std::string>> devices_;
};

std::optional<std::string> hexDigitsAfter(const std::string &id, std::string_view prefix) {
  const std::size_t start = id.find(prefix);
  if (start == std::string::npos || id.size() < start + prefix.size() + 4) {
    return std::nullopt;
  }
  const std::string digits = id.substr(start + prefix.size(), 4);
  for (char c : digits) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
      return std::nullopt;
    }
  }
  return toLower(digits);
}

// The device goes to the user at the machine: logind's "uaccess" tag adds
// an access-control entry for the active local session (it takes effect in
// 73-seat-late.rules, so this rule must sort before it). Members of
// "plugdev" may open it too, which covers systems without logind; nobody
// else may.
std::string ruleText(const std::string &hardwareId, const UsbId &id) {
  return "# Written by drvinst for " + hardwareId +
         ": the user at the machine and group plugdev may open the device.\n" +
         "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"" + id.vendor + "\", ATTR{idProduct}==\"" +
         id.product + "\", TAG+=\"uaccess\", GROUP=\"plugdev\", MODE=\"0660\"\n";
}

// Writes beside the target and renames, so that udev never reads half a rule.
bool writeFileAtomically(const std::string &path, const std::string &text, std::string *error) {
  const std::string partial = path + ".partial";
  std::FILE *file = std::fopen(partial.c_str(), "w");
  if (file == nullptr) {
    return failInstalling(error, "cannot write the udev rule", path);
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(partial.c_str(), path.c_str()) != 0) {
    failInstalling(error, "cannot write the udev rule", path);
    fs::removeFile(partial);
    return false;
  }
  return true;
}

// Runs a program found on PATH and waits for it; the outcome does not
// matter to the caller.
void runAndWait(const std::string &program, std::vector<std::string> arguments) {
  std::vector<char *> argv{const_cast<char *>(program.c_str())};
  for (std::string &argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(child, &status, 0);
  }
}

} // namespace

LinuxDeviceSettings linuxDeviceSettingsFromEnvironment() {
  LinuxDeviceSettings settings;
  if (const char *sysfs = std::getenv("DRVINST_SYSFS_ROOT")) {
    settings.sysfsRoot = sysfs;
  }
  if (const char *rules = std::getenv("DRVINST_UDEV_RULES_DIR")) {
    settings.rulesFolder = rules;
    settings.udevadm.clear();
  }
  if (const char *udevadm = std::getenv("DRVINST_UDEVADM")) {
    settings.udevadm = udevadm;
  }
  return settings;
}

std::optional<UsbId> usbIdFromHardwareId(const std::string &hardwareId) {
  const std::string id = toUpper(hardwareId);
  if (id.rfind("USB\\", 0) != 0) {
    return std::nullopt;
  }
  auto vendor = hexDigitsAfter(id, "VID_");
  auto product = hexDigitsAfter(id, "PID_");
  if (!vendor || !product) {
    return std::nullopt;
  }
  return UsbId{std::move(*vendor), std::move(*product)};
}

LinuxDeviceManager::LinuxDeviceManager(LinuxDeviceSettings settings)
    : settings_(std::move(settings)) {}

std::unique_ptr<DeviceList> LinuxDeviceManager::presentDevices(DeviceScope) {
  const std::string folder = joinPath(settings_.sysfsRoot, kUsbDevicesFolder);
  std::vector<std::vector<std::string>> devices;
  // No sysfs (in a container, say) means no device to see.
  const std::vector<FolderEntry> entries =
      fs::listFolder(folder, "*", nullptr).value_or(std::vector<FolderEntry>());
  for (const FolderEntry &entry : entries) {
    std::vector<std::string> ids =
        entry.isFolder ? usbHardwareIds(joinPath(folder, entry.name)) : std::vector<std::string>();
    if (!ids.empty()) {
      devices.push_back(std::move(ids));
    }
  }
  return std::make_unique<SysfsDeviceList>(std::move(devices));
}

bool LinuxDeviceManager::updateDriver(const std::string &hardwareId, const std::string &,
                                      std::string *error) {
  const std::optional<UsbId> id = usbIdFromHardwareId(hardwareId);
  if (!id) {
    return fail(error, {"cannot write a udev rule for the hardware ID: ", quoted(hardwareId),
                        ": it is not a USB hardware ID"});
  }
  if (!writeFileAtomically(rulePath(*id), ruleText(hardwareId, *id), error)) {
    return false;
  }
  reloadUdev(*id);
  return true;
}

std::unique_ptr<DeviceList>
LinuxDeviceManager::createRootDevice(const std::string &, const std::string &, std::string *) {
  // No root-enumerated devices: the rule that updateDriver writes serves
  // the device once it is plugged in.
  return std::make_unique<SysfsDeviceList>(std::vector<std::vector<std::string>>());
}

std::string LinuxDeviceManager::rulePath(const UsbId &id) const {
  return joinPath(settings_.rulesFolder,
                  "70-drvinst-usb-" + id.vendor + "-" + id.product + ".rules");
}

void LinuxDeviceManager::reloadUdev(const UsbId &id) const {
  if (settings_.udevadm.empty()) {
    return;
  }
  runAndWait(settings_.udevadm, {"control", "--reload"});
  runAndWait(settings_.udevadm,
             {"trigger", "--action=add", "--subsystem-match=usb",
              "--attr-match=idVendor=" + id.vendor, "--attr-match=idProduct=" + id.product});
}

std::unique_ptr<DeviceManager> systemDeviceManager() {
  return std::make_unique<LinuxDeviceManager>(linuxDeviceSettingsFromEnvironment());
}

} // namespace drvinst
