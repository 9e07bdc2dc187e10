// The Linux installer's dialog program: the Qt application and the dialog,
// run modally. The program ends when the dialog closes. There is no
// new-hardware wizard to keep away on Linux.

#include "installer_window.h"

#include "../app/installer_dialog.h"

#include "drvinst/file_system.h"
#include "drvinst/host.h"
#include "drvinst/system_device_manager.h"

#include <QApplication>

int runInstallerDialog(int &argc, char **argv) {
  using namespace drvinst;
  QApplication application(argc, argv);
  const std::unique_ptr<DeviceManager> devices = systemDeviceManager();
  DriverInstaller installer(*devices, platformDecoration(host::nativeArchitecture()));
  qt::InstallerWindow window(host::userLanguage(), installer, fs::ownProgramPath());
  window.exec();
  return 0;
}
