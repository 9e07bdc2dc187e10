// The program as separate processes: one window per machine, a killed copy
// never locks the user out, and a restarted copy waits for its predecessor.

#include "language.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

#include <sys/ipc.h>
#include <sys/sem.h>
#include <sys/shm.h>

class TestStartup : public QObject {
  Q_OBJECT

  QTemporaryDir workDir;
  // Qt keeps the files behind its shared-memory and semaphore keys in the
  // temporary folder: the copies started here share one of their own, so a
  // solvane the user has open neither refuses them nor is disturbed.
  QTemporaryDir tempDir;

  std::unique_ptr<QProcess> start(const QString &restartedFrom = QString()) {
    return startWithTemp(tempDir.path(), restartedFrom);
  }

  // The program on the offscreen platform with `temp` as its temporary
  // folder, answering its warning boxes on stderr and running until end()
  // closes its standard input.
  std::unique_ptr<QProcess> startWithTemp(const QString &temp, const QString &restartedFrom) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TMPDIR", temp);
    env.insert("SOLVANE_TEST_ANSWER_WARNINGS", "1");
    env.insert("SOLVANE_TEST_QUIT_ON_EOF", "1");
    env.remove("SOLVANE_TEST_QUIT_AFTER_MS");
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
    while (timer.elapsed() < 60000) {
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

  // Asks the copy to quit (a refused copy has quit already) and collects
  // what it printed. `shownBefore`: its "window shown" line was read already.
  static Ended end(QProcess &process, bool shownBefore = false) {
    process.closeWriteChannel();
    process.waitForFinished(60000);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            shownBefore || out.contains("window shown"),
            err.contains("warning: Error: 软件已打开！")};
  }

  // Waits until one of two copies has ended by itself: the refused one.
  static bool waitForEither(QProcess &a, QProcess &b) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
      if (a.state() == QProcess::NotRunning || b.state() == QProcess::NotRunning) {
        return true;
      }
      a.waitForFinished(50);
      b.waitForFinished(50);
    }
    return false;
  }

  // A copy killed while it owned the semaphore leaves it in the kernel.
  // Qt derives the key from a file in the temporary folder (ftok with 'Q'),
  // so removing the folder would strand it: remove what is still there.
  void removeLeftIpcObjects() {
    const QDir temp(tempDir.path());
    for (const QString &name : temp.entryList({"qipc_*"}, QDir::Files)) {
      const key_t key = ::ftok(QFile::encodeName(temp.filePath(name)).constData(), 'Q');
      if (const int semaphore = ::semget(key, 1, 0); semaphore >= 0) {
        ::semctl(semaphore, 0, IPC_RMID);
      }
      if (const int segment = ::shmget(key, 0, 0); segment >= 0) {
        ::shmctl(segment, IPC_RMID, nullptr);
      }
    }
  }

private slots:
  void initTestCase() {
    QVERIFY(!qEnvironmentVariable("SOLVANE_PROGRAM").isEmpty());
    QVERIFY(tempDir.isValid());
  }

  void cleanupTestCase() { removeLeftIpcObjects(); }

  void aSecondCopyIsRefusedWhileTheFirstRuns() {
    auto first = start();
    QVERIFY(waitForWindow(*first));
    auto second = start();
    QVERIFY(second->waitForFinished(60000)); // refused copies end by themselves
    const Ended refused = end(*second);
    QCOMPARE(refused.exitCode, 0);
    QVERIFY(refused.refused);
    QVERIFY(!refused.shown);
    QCOMPARE(end(*first, true).exitCode, 0);

    auto after = start();
    QVERIFY(waitForWindow(*after));
    const Ended ended = end(*after, true);
    QVERIFY(!ended.refused);
    QCOMPARE(ended.exitCode, 0);
  }

  void aKilledCopyDoesNotLockTheUserOut() {
    auto killed = start();
    QVERIFY(waitForWindow(*killed));
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    killed->waitForFinished(10000);

    auto next = start();
    QVERIFY(waitForWindow(*next));
    QVERIFY(!end(*next, true).refused);
  }

  void twoCopiesAtOnceGiveOneWindow() {
    auto a = start();
    auto b = start();
    QVERIFY(waitForEither(*a, *b));
    const Ended endedA = end(*a);
    const Ended endedB = end(*b);
    QCOMPARE(endedA.exitCode, 0);
    QCOMPARE(endedB.exitCode, 0);
    QCOMPARE(int(endedA.shown) + int(endedB.shown), 1);
    QCOMPARE(int(endedA.refused) + int(endedB.refused), 1);
  }

  void aRestartedCopyWaitsForItsPredecessor() {
    auto old = start();
    QVERIFY(waitForWindow(*old));
    auto restarted = start(QString::number(old->processId()));
    QVERIFY(restarted->waitForStarted(60000));
    // Time for the restarted copy to reach the marker and find it taken; it
    // retries for 10 s, so the predecessor may quit any time before that.
    QTest::qWait(2000);
    QCOMPARE(end(*old, true).exitCode, 0);
    QVERIFY(waitForWindow(*restarted));
    const Ended next = end(*restarted, true);
    QVERIFY(!next.refused);
    QCOMPARE(next.exitCode, 0);
  }

  // A copy the user has open with another temporary folder does not refuse
  // the copies started here.
  void aCopyOutsideTheTestFolderDoesNotInterfere() {
    QTemporaryDir userTemp;
    auto outside = startWithTemp(userTemp.path(), QString());
    QVERIFY(waitForWindow(*outside));
    auto inside = start();
    QVERIFY(waitForWindow(*inside));
    QVERIFY(!end(*inside, true).refused);
    QVERIFY(!end(*outside, true).refused);
  }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
