// The Linux installer's dialog program: the Qt application and the dialog,
// run modally. The program ends when the dialog closes. There is no
// new-hardware wizard to keep away on Linux.

#include "installer_window.h"

#include "../app/installer_dialog.h"

#include "drvinst/file_system.h"
#include "drvinst/host.h"
#include "drvinst/system_device_manager.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// A message Qt logged while its platform plugin started. The context's
// texts are string literals and category names, which live on.
struct HeldMessage {
  QtMsgType type;
  QString text;
  const char *file;
  int line;
  const char *function;
  const char *category;
};

std::vector<HeldMessage> heldMessages;

// Qt aborts a program whose platform plugin cannot start, as happens
// without a display. Before that it logs a fatal message, which ends the
// program here instead with one line that says what to do. The plugin's
// warnings before it are held back, so that the line stands alone.
void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type == QtFatalMsg) {
    std::fputs("drvinst: cannot show the installer dialog: there is no display to show it on; "
               "\"drvinst --install\" installs without a dialog\n",
               stderr);
    std::_Exit(kExitFailed);
  }
  heldMessages.push_back({type, text, context.file, context.line, context.function,
                          context.category});
}

std::unique_ptr<QApplication> startApplication(int &argc, char **argv) {
  const QtMessageHandler qtHandler = qInstallMessageHandler(holdStartupMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(qtHandler);
  // The application started: what was held back goes where it would have.
  for (const HeldMessage &message : heldMessages) {
    const QMessageLogContext context(message.file, message.line, message.function,
                                     message.category);
    qtHandler(message.type, context, message.text);
  }
  heldMessages.clear();
  return application;
}

} // namespace

int runInstallerDialog(int &argc, char **argv) {
  using namespace drvinst;
  const std::unique_ptr<QApplication> application = startApplication(argc, argv);
  const std::unique_ptr<DeviceManager> devices = systemDeviceManager();
  DriverInstaller installer(*devices, platformDecoration(host::nativeArchitecture()));
  qt::InstallerWindow window(host::userLanguage(), installer, fs::ownProgramPath());
  window.exec();
  return kExitOk;
}
