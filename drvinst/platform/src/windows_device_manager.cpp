// Device manager on Windows: SetupAPI reads the INF and lists, creates and
// removes devices; newdev installs the driver.

#include "drvinst/system_device_manager.h"

#include "drvinst/failure.h"

#include <windows.h>

#include <newdev.h>
#include <setupapi.h>

#include <cstring>
#include <utility>
#include <vector>

namespace drvinst {
namespace {

constexpr std::size_t kClassNameBuffer = 64;
constexpr std::size_t kFieldLengthBuffer = 1024;
constexpr std::size_t kHardwareIdBuffer = 2000;

class SetupApiInf final : public InfFile {
public:
  explicit SetupApiInf(HINF handle) : handle_(handle) {}
  ~SetupApiInf() override { SetupCloseInfFile(handle_); }
  SetupApiInf(const SetupApiInf &) = delete;
  SetupApiInf &operator=(const SetupApiInf &) = delete;

  std::vector<InfLine> sectionLines(std::string_view section) const override {
    std::vector<InfLine> lines;
    INFCONTEXT context{};
    const std::string name(section);
    if (!SetupFindFirstLineA(handle_, name.c_str(), nullptr, &context)) {
      return lines;
    }
    do {
      InfLine line;
      const DWORD count = SetupGetFieldCount(&context);
      for (DWORD field = 0; field <= count; ++field) {
        line.push_back(readField(context, field));
      }
      lines.push_back(std::move(line));
    } while (SetupFindNextLine(&context, &context));
    return lines;
  }

private:
  static std::string readField(INFCONTEXT &context, DWORD index) {
    char probe[kFieldLengthBuffer];
    DWORD needed = 0;
    if (!SetupGetStringFieldA(&context, index, probe, sizeof probe, &needed) &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      return {};
    }
    std::string value(needed, '\0');
    if (needed == 0 || !SetupGetStringFieldA(&context, index, value.data(), needed, nullptr)) {
      return {};
    }
    value.resize(needed - 1); // drop the terminating zero
    return value;
  }

  HINF handle_;
};

class SetupApiDeviceList final : public DeviceList {
public:
  explicit SetupApiDeviceList(HDEVINFO set) : set_(set) {
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set_, index, &device); ++index) {
      devices_.push_back(device);
    }
  }
  ~SetupApiDeviceList() override { SetupDiDestroyDeviceInfoList(set_); }
  SetupApiDeviceList(const SetupApiDeviceList &) = delete;
  SetupApiDeviceList &operator=(const SetupApiDeviceList &) = delete;

  std::size_t size() const override { return devices_.size(); }

  HardwareIds hardwareIds(std::size_t index) const override {
    SP_DEVINFO_DATA device = devices_.at(index);
    std::vector<char> buffer(kHardwareIdBuffer);
    DWORD required = 0;
    while (!SetupDiGetDeviceRegistryPropertyA(set_, &device, SPDRP_HARDWAREID, nullptr,
                                              reinterpret_cast<BYTE *>(buffer.data()),
                                              static_cast<DWORD>(buffer.size()), &required)) {
      const DWORD error = GetLastError();
      if (error == ERROR_INVALID_DATA) {
        return std::vector<std::string>(); // the device has no hardware IDs
      }
      if (error != ERROR_INSUFFICIENT_BUFFER) {
        return std::nullopt;
      }
      buffer.resize(required);
    }
    std::vector<std::string> ids;
    buffer.push_back('\0'); // a value that lacks its final terminator still ends
    for (const char *id = buffer.data(); *id != '\0'; id += std::strlen(id) + 1) {
      ids.emplace_back(id);
    }
    return ids;
  }

  bool remove(std::size_t index) override {
    SP_DEVINFO_DATA device = devices_.at(index);
    return SetupDiCallClassInstaller(DIF_REMOVE, set_, &device) != 0;
  }

private:
  HDEVINFO set_;
  std::vector<SP_DEVINFO_DATA> devices_;
};

class WindowsDeviceManager final : public DeviceManager {
public:
  std::unique_ptr<InfFile> openInf(const std::string &path, std::string *error) const override {
    // SetupAPI looks for a bare file name in the system's INF folder.
    const std::string local = path.find('\\') == std::string::npos ? ".\\" + path : path;
    GUID classGuid{};
    char className[kClassNameBuffer];
    if (!SetupDiGetINFClassA(local.c_str(), &classGuid, className, sizeof className, nullptr)) {
      failWithSystemError(error, "cannot read the INF file", path);
      return nullptr;
    }
    HINF handle = SetupOpenInfFileA(local.c_str(), nullptr, INF_STYLE_WIN4, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      failWithSystemError(error, "cannot read the INF file", path);
      return nullptr;
    }
    return std::make_unique<SetupApiInf>(handle);
  }

  std::unique_ptr<DeviceList> presentDevices(DeviceScope scope) override {
    DWORD flags = DIGCF_PRESENT | DIGCF_ALLCLASSES;
    flags |= scope == DeviceScope::CurrentProfile ? DIGCF_PROFILE : 0;
    HDEVINFO set = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, flags);
    return set == INVALID_HANDLE_VALUE ? nullptr : std::make_unique<SetupApiDeviceList>(set);
  }

  bool updateDriver(const std::string &hardwareId, const std::string &infPath,
                    std::string *error) override {
    BOOL rebootRequired = FALSE; // a restart is never asked for
    return UpdateDriverForPlugAndPlayDevicesA(nullptr, hardwareId.c_str(), infPath.c_str(),
                                              INSTALLFLAG_FORCE, &rebootRequired) != 0 ||
           failInstalling(error, "cannot install the driver for " + quoted(hardwareId), infPath);
  }

  std::unique_ptr<DeviceList> createRootDevice(const std::string &infPath,
                                               const std::string &hardwareId,
                                               std::string *error) override {
    const std::string what = "cannot create a root-enumerated device for " + quoted(hardwareId);
    GUID classGuid{};
    char className[kFieldLengthBuffer];
    if (!SetupDiGetINFClassA(infPath.c_str(), &classGuid, className, sizeof className, nullptr)) {
      failWithSystemError(error, "cannot read the INF file", infPath);
      return nullptr;
    }
    HDEVINFO set = SetupDiCreateDeviceInfoList(&classGuid, nullptr);
    if (set == INVALID_HANDLE_VALUE) {
      failInstalling(error, what, infPath);
      return nullptr;
    }
    // The hardware ID property is a multi-string: the ID and an empty
    // string, so two terminators, sized to the ID however long it is.
    std::string ids = hardwareId;
    ids.append(2, '\0');
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    const bool registered = SetupDiCreateDeviceInfoA(set, className, &classGuid, nullptr, nullptr,
                                                     DICD_GENERATE_ID, &device) &&
                            SetupDiSetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID,
                                                              reinterpret_cast<BYTE *>(ids.data()),
                                                              static_cast<DWORD>(ids.size())) &&
                            SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set, &device);
    if (!registered) {
      failInstalling(error, what, infPath); // before the clean-up changes the error
      SetupDiDestroyDeviceInfoList(set);
      return nullptr;
    }
    return std::make_unique<SetupApiDeviceList>(set);
  }
};

} // namespace

std::unique_ptr<DeviceManager> systemDeviceManager() {
  return std::make_unique<WindowsDeviceManager>();
}

} // namespace drvinst
