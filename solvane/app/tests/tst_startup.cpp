// The program as separate processes: one window per machine, a killed copy
// never locks the user out, and a restarted copy waits for its predecessor.

#include "language.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

class TestStartup : public QObject {
  Q_OBJECT

  QTemporaryDir workDir;

  // The program on the offscreen platform, answering its warning boxes on
  // stderr and quitting `quitAfterMs` after its window has painted.
  std::unique_ptr<QProcess> start(int quitAfterMs, const QString &restartedFrom = QString()) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SOLVANE_TEST_ANSWER_WARNINGS", "1");
    env.insert("SOLVANE_TEST_QUIT_AFTER_MS", QString::number(quitAfterMs));
    env.insert("ASAN_OPTIONS", "detect_leaks=0"); // the window test checks leaks in-process
    env.remove(solvane::language::kRestartVariable);
    if (!restartedFrom.isEmpty()) {
      env.insert(solvane::language::kRestartVariable, restartedFrom);
    }
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(workDir.path());
    process->start(qEnvironmentVariable("SOLVANE_PROGRAM"), QStringList());
    return process;
  }

  static bool waitForWindow(QProcess &process) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
      if (process.canReadLine() && process.readLine().startsWith("window shown")) {
        return true;
      }
      process.waitForReadyRead(100);
      if (process.state() == QProcess::NotRunning && !process.canReadLine()) {
        return false;
      }
    }
    return false;
  }

  struct Ended {
    int exitCode;
    bool shown;
    bool refused;
  };

  static Ended finish(QProcess &process) {
    process.waitForFinished(30000);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    return {process.exitCode(), out.contains("window shown"),
            err.contains("warning: Error: 软件已打开！")};
  }

private slots:
  void initTestCase() { QVERIFY(!qEnvironmentVariable("SOLVANE_PROGRAM").isEmpty()); }

  // The copies that must still run while another starts stay up for seconds:
  // a loaded machine under the sanitizers may take that long to start one.
  void aSecondCopyIsRefusedWhileTheFirstRuns() {
    auto first = start(8000);
    QVERIFY(waitForWindow(*first));
    auto second = start(0);
    const Ended refused = finish(*second);
    QCOMPARE(refused.exitCode, 0);
    QVERIFY(refused.refused);
    QVERIFY(!refused.shown);
    QCOMPARE(finish(*first).exitCode, 0);

    const Ended after = finish(*start(0));
    QVERIFY(after.shown && !after.refused);
  }

  void aKilledCopyDoesNotLockTheUserOut() {
    auto killed = start(60000);
    QVERIFY(waitForWindow(*killed));
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    killed->waitForFinished(10000);

    const Ended next = finish(*start(0));
    QVERIFY(next.shown);
    QVERIFY(!next.refused);
  }

  void twoCopiesAtOnceGiveOneWindow() {
    auto a = start(5000);
    auto b = start(5000);
    const Ended endedA = finish(*a);
    const Ended endedB = finish(*b);
    QCOMPARE(endedA.exitCode, 0);
    QCOMPARE(endedB.exitCode, 0);
    QCOMPARE(int(endedA.shown) + int(endedB.shown), 1);
    QCOMPARE(int(endedA.refused) + int(endedB.refused), 1);
  }

  void aRestartedCopyWaitsForItsPredecessor() {
    auto old = start(1500);
    QVERIFY(waitForWindow(*old));
    auto restarted = start(0, QString::number(old->processId()));
    const Ended next = finish(*restarted);
    QVERIFY(next.shown);
    QVERIFY(!next.refused);
    QCOMPARE(finish(*old).exitCode, 0);
  }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
