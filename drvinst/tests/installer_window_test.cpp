// The Linux dialog on the offscreen platform: its texts in both languages,
// and the install button running the shared flow to the dialog's end.

#include "installer_window.h"

#include "drvinst/package.h"

#include "memory_device_manager.h"
#include "test_support.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace drvinst {
namespace {

// The dialog with its folder browser and message box recorded instead of
// shown, as both are modal.
class RecordingWindow final : public qt::InstallerWindow {
public:
  using InstallerWindow::InstallerWindow;

  std::string browseForFolder(const char *title) override {
    events << QStringLiteral("browse: ") + QString::fromUtf8(title);
    return {};
  }
  void showMessage(const char *caption, const char *text, const std::string &reason) override {
    events << QString::fromUtf8(caption) + QStringLiteral(" | ") + QString::fromUtf8(text);
    reasons << QString::fromStdString(reason);
  }

  QStringList events;
  QStringList reasons;
};

// The texts of the message box that `window` shows while `action` runs;
// the box is closed with OK.
QStringList messageBoxTexts(QWidget &window, const std::function<void()> &action) {
  QStringList texts;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &window, [&] {
    for (QMessageBox *box : window.findChildren<QMessageBox *>()) {
      if (box->isVisible()) {
        texts << box->text() << box->informativeText();
        box->accept();
      }
    }
  });
  poll.start(10);
  action();
  return texts;
}

QString webAddress(const QDialog &window) {
  return window.findChild<QLabel *>(QStringLiteral("webAddressLabel"))->text();
}

} // namespace

class drvinst_InstallerWindow : public QObject {
  Q_OBJECT

private slots:
  void init() { test::writeProgram(scratch / "drvinst", kPackageOffset, ""); }

  void showsTheEnglishTexts() {
    RecordingWindow window(Language::English, installer, scratch / "drvinst");
    QCOMPARE(window.windowTitle(), QStringLiteral("TESSEL USB driver install"));
    QCOMPARE(window.installButton()->text(), QStringLiteral("Install USB Driver"));
    QVERIFY(window.installButton()->isDefault());
    QCOMPARE(webAddress(window), QStringLiteral("www.tessel-instruments.com"));
  }

  void showsTheChineseTexts() {
    RecordingWindow window(Language::Chinese, installer, scratch / "drvinst");
    QCOMPARE(window.windowTitle(), QStringLiteral("泰塞尔USB设备驱动"));
    QCOMPARE(window.installButton()->text(), QStringLiteral("安装USB设备驱动"));
    QCOMPARE(window.aboutButton()->text(), QStringLiteral("关于 Drvinst(&A)..."));
    QCOMPARE(webAddress(window), QStringLiteral("www.tessel-instruments.com"));
  }

  void theAboutBoxShowsVersionAndNotice() {
    RecordingWindow window(Language::English, installer, scratch / "drvinst");
    std::unique_ptr<QDialog> about(window.createAboutBox());
    auto *box = qobject_cast<QMessageBox *>(about.get());
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), QStringLiteral("Drvinst 1.0 版\nAll rights reserved."));
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
  }

  void installingEndsTheDialogWithTheResult() {
    test::writeZip(scratch / "package.zip", {{"meter.inf", kMeterInf}});
    test::writeProgram(scratch / "drvinst", kPackageOffset,
                       test::readFile(scratch / "package.zip"));
    RecordingWindow window(Language::Chinese, installer, scratch / "drvinst");
    window.show();
    QTest::mouseClick(window.installButton(), Qt::LeftButton);
    QCOMPARE(window.events, QStringList{QStringLiteral("泰塞尔USB驱动安装 | 驱动安装成功!")});
    QCOMPARE(window.reasons, QStringList{QString()});
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
  }

  void aFailureShowsItsReasonBelowTheFixedText() {
    test::writeZip(scratch / "package.zip", {{"readme.txt", "no INF here"}});
    test::writeProgram(scratch / "drvinst", kPackageOffset,
                       test::readFile(scratch / "package.zip"));
    qt::InstallerWindow window(Language::English, installer, scratch / "drvinst");
    window.show();
    const QStringList texts = messageBoxTexts(
        window, [&] { QTest::mouseClick(window.installButton(), Qt::LeftButton); });
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], QStringLiteral("Install driver failure!"));
    QVERIFY2(texts[1].startsWith(QStringLiteral("cannot install the driver: ")) &&
                 texts[1].endsWith(QStringLiteral(": the folder holds no INF file")),
             qPrintable(texts[1]));
    QVERIFY(!window.isVisible());
  }

  void aCancelledFolderBrowserEndsTheDialogSilently() {
    RecordingWindow window(Language::English, installer, scratch / "drvinst");
    window.show();
    QTest::mouseClick(window.installButton(), Qt::LeftButton);
    QCOMPARE(window.events, QStringList{QStringLiteral("browse: Select driver install path")});
    QVERIFY(!window.isVisible());
  }

private:
  static constexpr char kMeterInf[] =
      "[Version]\nSignature=\"$Windows NT$\"\n"
      "[Manufacturer]\nTessel = Standard,NTamd64\n"
      "[Standard.NTamd64]\nMeter = Install, USB\\VID_0483&PID_085F\n";

  test::ScratchFolder scratch;
  const test::ScopedEnvironment temporaryFolder{"TMPDIR", scratch.path().c_str()};
  test::MemoryDeviceManager devices;
  DriverInstaller installer{devices, "NTamd64"};
};

} // namespace drvinst

QTEST_MAIN(drvinst::drvinst_InstallerWindow)
#include "installer_window_test.moc"
