// solvane-cli copied into an installed layout built in a temporary folder:
// it finds the USB library in the layout's library folder, from any working
// folder, and says why when there is none.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestInstalledLayout : public QObject {
  Q_OBJECT

  QTemporaryDir root;
  QString program;

  struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
  };

  // `solvane-cli list` from the temporary folder's root, without the
  // simulator's state file or a library path from the environment.
  Run list() {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("TESSELUSB_STATE");
    environment.remove("LD_LIBRARY_PATH");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(root.path());
    process.start(program, {"list"});
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
  }

private slots:
  void initTestCase() {
    QVERIFY(root.isValid());
    const QString bin = root.filePath("prefix/bin");
    QVERIFY(QDir().mkpath(bin));
    program = bin + "/solvane-cli";
    QVERIFY(QFile::copy(qEnvironmentVariable("SOLVANE_CLI"), program));
  }

  void withoutALibraryItSaysWhy() {
    const Run run = list();
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("solvane-cli: cannot load the USB library: libTesselUSB.so: "),
             run.err.constData());
    QVERIFY(run.out.isEmpty());
  }

  void findsTheLibraryInTheInstalledLibraryFolder() {
    const QString folder = QDir::cleanPath(root.filePath("prefix/bin/" SOLVANE_BIN_TO_LIB));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(qEnvironmentVariable("TESSELUSB_LIBRARY"), folder + "/libTesselUSB.so"));
    const Run run = list();
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count("\nNO."), 8); // the demo meter's records
  }
};

QTEST_GUILESS_MAIN(TestInstalledLayout)
#include "tst_installed_layout.moc"
