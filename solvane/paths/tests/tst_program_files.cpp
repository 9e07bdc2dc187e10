// The file lookup in a build tree and in an installed layout built in a
// temporary folder, and where settings go when the program's folder is
// read-only.

#include "program_files.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramFiles : public QObject {
  Q_OBJECT

  QTemporaryDir root;
  QString bin() const { return root.filePath("prefix/bin"); }

  // Creates `path` under the temporary folder, with its parents.
  QString touch(const QString &path) {
    const QString full = QDir::cleanPath(path);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly)) {
      return QString();
    }
    return full;
  }

private slots:
  void initTestCase() {
    QVERIFY(root.isValid());
    QVERIFY(QDir().mkpath(bin()));
    QStandardPaths::setTestModeEnabled(true);
  }

  void dataFilesBesideTheProgramThenInstalled() {
    const QString installed = touch(bin() + "/" SOLVANE_BIN_TO_DATA "/en.qm");
    QVERIFY(!installed.isEmpty());
    QCOMPARE(solvane::paths::dataFile("en.qm", bin()), installed);
    // Not found anywhere: the path beside the program, for the message.
    QCOMPARE(solvane::paths::dataFile("tw.qm", bin()), bin() + "/tw.qm");
    // A build tree holds its files beside the program, which wins.
    const QString beside = touch(bin() + "/en.qm");
    QCOMPARE(solvane::paths::dataFile("en.qm", bin()), beside);
    QVERIFY(QFile::remove(beside));
  }

  void usbLibraryBesideThenInstalledThenBareName() {
#ifdef Q_OS_WIN
    QSKIP("Windows loads the bare name, whose search starts beside the program");
#endif
    const QString name = "libTesselUSB.so";
    QCOMPARE(solvane::paths::usbLibrary(bin()), name);
    const QString installed = touch(bin() + "/" SOLVANE_BIN_TO_LIB "/" + name);
    QCOMPARE(solvane::paths::usbLibrary(bin()), installed);
    const QString beside = touch(bin() + "/" + name);
    QCOMPARE(solvane::paths::usbLibrary(bin()), beside);
    QVERIFY(QFile::remove(beside));
    QVERIFY(QFile::remove(installed));
  }

  void settingsInTheWorkingDirectoryOrTheConfigFolder() {
    QCOMPARE(solvane::paths::settingsFile("language.ini", bin()), QString("language.ini"));
#ifndef Q_OS_WIN
    // A folder nobody can write to, even root: one that does not exist.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir(config).removeRecursively();
    const QString path = solvane::paths::settingsFile("PrintInfo", root.filePath("missing"));
    QCOMPARE(path, QDir(config).filePath("PrintInfo"));
    QVERIFY(QFileInfo(config).isDir());
    QVERIFY(QDir(config).removeRecursively());
#endif
  }
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_program_files.moc"
