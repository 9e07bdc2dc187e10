// The Windows installer's application object: process-wide values set at
// start-up, and the main dialog run modally. The program ends when the
// dialog closes.

#include "dialogs.h"

#include "../app/installer_dialog.h"

#include "drvinst/file_system.h"
#include "drvinst/host.h"
#include "drvinst/system_device_manager.h"

#include <string>

namespace drvinst::win32 {
namespace {

// "DevMgrRefreshOn" followed by the computer name: the message the device
// manager broadcasts when it refreshes, which the dialog answers.
UINT registerRefreshMessage() {
  char computer[260] = {};
  DWORD length = sizeof computer;
  if (!GetComputerNameA(computer, &length)) {
    length = 0;
  }
  return RegisterWindowMessageA(("DevMgrRefreshOn" + std::string(computer, length)).c_str());
}

std::atomic<int> stopFlag{0};
const InstallerSession session{host::userLanguage(), registerRefreshMessage(), stopFlag};

class CDrvinstApp {
public:
  // Runs the dialog; false because no message loop follows it.
  bool InitInstance() {
    const std::unique_ptr<DeviceManager> devices = systemDeviceManager();
    DriverInstaller installer(*devices, platformDecoration(host::nativeArchitecture()));
    CDrvinstDlg dialog(session, installer, fs::ownProgramPath());
    dialog.DoModal(nullptr);
    return false;
  }
};

} // namespace
} // namespace drvinst::win32

int runInstallerDialog(int &, char **) {
  // The folder browser is a shell object, which needs COM on this thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  drvinst::win32::CDrvinstApp app;
  app.InitInstance();
  CoUninitialize();
  return 0;
}
