// Entry of the driver installer. Without arguments it shows its dialog;
// for scripts and tests it also runs from the command line:
//   drvinst --unpack DIR   unpacks the appended driver package into DIR
//   drvinst --install      runs the install command without a dialog
//   drvinst --help         tells how to use it

#include "installer_dialog.h"

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

// Plain fputs: printf would link a formatter larger than the rest of the
// program's own code.
void printError(const std::string &text) {
  std::fputs(("drvinst: " + text + "\n").c_str(), stderr);
}

int unpackInto(const std::string &folder) {
  std::string error;
  if (!unpackIntoNewFolder(fs::ownProgramPath(), folder, &error)) {
    printError(error);
    return kExitFailed;
  }
  return kExitOk;
}

int install() {
  const std::unique_ptr<DeviceManager> devices = systemDeviceManager();
  DriverInstaller installer(*devices, platformDecoration(host::nativeArchitecture()));
  // The dialog asks the user for a folder when the package cannot be
  // unpacked; a command line cannot, so the reason is all it can tell.
  InstallCommand command(installer, fs::ownProgramPath(), [] { return std::string(); });
  std::string error;
  const InstallResult result = command.run(&error);
  if (result == InstallResult::Installed) {
    std::puts(resultMessage(result, host::userLanguage()));
    return kExitOk;
  }
  if (const char *message = resultMessage(result, host::userLanguage())) {
    error = message + (" " + error);
  }
  printError(error);
  return kExitFailed;
}

constexpr char kUsage[] = "usage: drvinst                show the installer dialog\n"
                          "       drvinst --install      install the driver without a dialog\n"
                          "       drvinst --unpack DIR   unpack the driver package into DIR,\n"
                          "                              a new or empty folder\n"
                          "       drvinst --help         show this help\n";

int usage() {
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

int help() {
  std::fputs(kUsage, stdout);
#if !defined(_WIN32)
  std::fputs("\n"
             "environment:\n"
             "  DRVINST_SYSFS_ROOT      folder that stands for /sys (default /sys)\n"
             "  DRVINST_UDEV_RULES_DIR  folder for the udev rule (default /etc/udev/rules.d)\n"
             "  DRVINST_UDEVADM         udevadm program to run after writing the rule, empty for\n"
             "                          none (default udevadm; none when DRVINST_UDEV_RULES_DIR\n"
             "                          is set)\n"
             "  TMPDIR                  where --install unpacks the package (default /tmp)\n",
             stdout);
#endif
  return kExitOk;
}

int run(int argc, char **argv) {
  if (argc == 1) {
    return runInstallerDialog(argc, argv);
  }
  if (argc == 3 && std::strcmp(argv[1], "--unpack") == 0) {
    return unpackInto(argv[2]);
  }
  if (argc == 2 && std::strcmp(argv[1], "--install") == 0) {
    return install();
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    return help();
  }
  return usage();
}

} // namespace

// Whatever escapes (running out of memory, say) ends in a failure line
// instead of an abort. The Windows image is built without exceptions; its
// runtime hooks end the process with such a line instead.
int main(int argc, char **argv) {
#if defined(__cpp_exceptions)
  try {
    return run(argc, argv);
  } catch (const std::exception &error) {
    printError(std::string("stopped: ") + error.what());
  } catch (...) {
    printError("stopped by an unexpected error");
  }
  return kExitFailed;
#else
  return run(argc, argv);
#endif
}
