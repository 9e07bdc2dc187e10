// Command-line front-end of the driver installer, for scripts and tests:
//   drvinst --unpack DIR   unpacks the appended driver package into DIR
//   drvinst --install      runs the install command without a dialog

#include "drvinst/driver_installer.h"
#include "drvinst/file_system.h"
#include "drvinst/host.h"
#include "drvinst/install_command.h"
#include "drvinst/package.h"
#include "drvinst/system_device_manager.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

using namespace drvinst;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int unpackInto(const std::string &folder) {
  std::string whyNot;
  const UnpackStatus status = unpackAppendedPackage(fs::ownProgramPath(), folder, &whyNot);
  if (status == UnpackStatus::NoArchiveCopy) {
    std::fprintf(stderr, "drvinst: no driver package could be copied out of this program into %s\n",
                 folder.c_str());
    return kExitFailed;
  }
  fs::removeFile(archiveCopyPath(folder));
  if (status == UnpackStatus::ExtractionFailed) {
    std::fprintf(
        stderr,
        "drvinst: the driver package is damaged (%s); not every file was unpacked into %s\n",
        whyNot.c_str(), folder.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

std::string noFolderToInstallFrom() {
  // The dialog asks the user for a folder here; a command line cannot.
  std::fprintf(stderr,
               "drvinst: the driver package could not be unpacked, so there is no folder to "
               "install from\n");
  return {};
}

int install() {
  const std::unique_ptr<DeviceManager> devices = systemDeviceManager();
  DriverInstaller installer(*devices, platformDecoration(host::nativeArchitecture()));
  InstallCommand command(installer, fs::ownProgramPath(), noFolderToInstallFrom);
  const InstallResult result = command.run();
  if (const char *message = resultMessage(result, host::userLanguage())) {
    std::printf("%s\n", message);
  }
  return result == InstallResult::Installed ? kExitOk : kExitFailed;
}

int usage() {
  std::fprintf(stderr, "usage: drvinst --unpack DIR\n"
                       "       drvinst --install\n");
  return kExitUsage;
}

int run(int argc, char **argv) {
  if (argc == 3 && std::strcmp(argv[1], "--unpack") == 0) {
    return unpackInto(argv[2]);
  }
  if (argc == 2 && std::strcmp(argv[1], "--install") == 0) {
    return install();
  }
  return usage();
}

} // namespace

// Whatever escapes (running out of memory, say) ends in a failure line
// instead of an abort.
int main(int argc, char **argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception &error) {
    std::fprintf(stderr, "drvinst: stopped: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "drvinst: stopped by an unexpected error\n");
  }
  return kExitFailed;
}
