// Entry of the driver installer. Without arguments it shows its dialog;
// for scripts and tests it also runs from the command line:
//   drvinst --unpack DIR   unpacks the appended driver package into DIR
//   drvinst --install      runs the install command without a dialog

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

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Plain fputs: printf would link a formatter larger than the rest of the
// program's own code.
void printError(const std::string &text) {
  std::fputs(("drvinst: " + text + "\n").c_str(), stderr);
}

int unpackInto(const std::string &folder) {
  std::string whyNot;
  const UnpackStatus status = unpackAppendedPackage(fs::ownProgramPath(), folder, &whyNot);
  if (status == UnpackStatus::NoArchiveCopy) {
    printError("no driver package could be copied out of this program into " + folder);
    return kExitFailed;
  }
  fs::removeFile(archiveCopyPath(folder));
  if (status == UnpackStatus::ExtractionFailed) {
    printError("the driver package is damaged (" + whyNot + "); not every file was unpacked into " +
               folder);
    return kExitFailed;
  }
  return kExitOk;
}

std::string noFolderToInstallFrom() {
  // The dialog asks the user for a folder here; a command line cannot.
  printError("the driver package could not be unpacked, so there is no folder to install from");
  return {};
}

int install() {
  const std::unique_ptr<DeviceManager> devices = systemDeviceManager();
  DriverInstaller installer(*devices, platformDecoration(host::nativeArchitecture()));
  InstallCommand command(installer, fs::ownProgramPath(), noFolderToInstallFrom);
  const InstallResult result = command.run();
  if (const char *message = resultMessage(result, host::userLanguage())) {
    std::puts(message);
  }
  return result == InstallResult::Installed ? kExitOk : kExitFailed;
}

int usage() {
  std::fputs("usage: drvinst --unpack DIR\n"
             "       drvinst --install\n",
             stderr);
  return kExitUsage;
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
