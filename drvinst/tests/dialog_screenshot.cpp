// Saves a picture of the Linux installer dialog in each language, and of
// its failure message with a reason, for the documentation:
// dialog_screenshot OUTPUT_FOLDER. scripts/drvinst-screenshots.sh runs it on
// a virtual X display.

#include "installer_window.h"

#include "memory_device_manager.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: drvinst_dialog_screenshot OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  drvinst::test::MemoryDeviceManager devices;
  drvinst::DriverInstaller installer(devices, "NTamd64");
  const QString folder = QString::fromLocal8Bit(argv[1]);
  bool saved = true;
  for (const auto &[language, name] : {std::pair{drvinst::Language::English, "en"},
                                       std::pair{drvinst::Language::Chinese, "zh_CN"}}) {
    drvinst::qt::InstallerWindow window(language, installer, std::string());
    window.show();
    QApplication::processEvents();
    saved =
        window.grab().save(folder + QStringLiteral("/drvinst-dialog-%1.png").arg(name)) && saved;
  }
  // The failure message, grabbed once it shows and then closed.
  drvinst::qt::InstallerWindow window(drvinst::Language::English, installer, std::string());
  QTimer::singleShot(200, &window, [&] {
    for (QMessageBox *box : window.findChildren<QMessageBox *>()) {
      saved = box->grab().save(folder + QStringLiteral("/drvinst-failure-en.png")) && saved;
      box->accept();
    }
  });
  const drvinst::InstallMessages &texts = drvinst::installMessages(drvinst::Language::English);
  window.showMessage(texts.caption, texts.failure,
                     "cannot write the udev rule: /etc/udev/rules.d/70-drvinst-usb-0483-085f.rules: "
                     "Permission denied; installing the driver needs root");
  return saved ? 0 : 1;
}
