// solvane-cli as a script sees it: output, exit status and error lines,
// against the simulated meter configured through its state file.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
  int exitCode;
  QString out;
  QString err;
};

QJsonArray flat(int count, int value) {
  QJsonArray values;
  for (int i = 0; i < count; ++i) {
    values.append(value);
  }
  return values;
}

QJsonObject twoRecords() {
  return {{"device", "meter"},
          {"records", QJsonArray{QJsonObject{{"time", "2019-05-21T14:03:09"},
                                             {"illuminance", 1234.5},
                                             {"ratio", 1.0},
                                             {"spectrum", flat(401, 1000)}},
                                 QJsonObject{{"time", "2020-12-31T23:59:59"},
                                             {"illuminance", 87.25},
                                             {"ratio", 0.98},
                                             {"spectrum", flat(401, 65535)}}}}};
}

} // namespace

class TestCli : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  QString writeState(const QJsonObject &state, const QString &name) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(state).toJson());
    return path;
  }

  Run run(const QStringList &args, const QString &statePath = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("TESSELUSB_STATE");
    if (!statePath.isEmpty()) {
      env.insert("TESSELUSB_STATE", statePath);
    }
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("SOLVANE_CLI"), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

private slots:
  void listsTheDemoMeter() {
    const Run r = run({"list"});
    QCOMPARE(r.exitCode, 0);
    for (int i = 0; i < 8; ++i) {
      QVERIFY2(r.out.contains(QString("NO.%1").arg(i, 3, 10, QChar('0'))), qPrintable(r.out));
    }
    QVERIFY(r.err.isEmpty());
  }

  void listsRecordsOfAStateFile() {
    const Run r = run({"list"}, writeState(twoRecords(), "two.json"));
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1].simplified(), QString("NO.000 2019-05-21T14:03:09 1234.50 1.000000"));
    QCOMPARE(lines[2].simplified(), QString("NO.001 2020-12-31T23:59:59 87.25 0.980000"));
  }

  void readPrintsTheTestItemsOfEveryRecord() {
    const QString state = writeState(twoRecords(), "two.json");
    const Run r = run({"read"}, state);
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2 * 28);
    QCOMPARE(lines[0], QString("NO.000 2019-05-21T14:03:09"));
    QCOMPARE(lines[1].simplified(), QString("Ev 1234.50 lx"));
    QCOMPARE(lines[28], QString("NO.001 2020-12-31T23:59:59"));
    QVERIFY(lines[27].trimmed().startsWith(QString::fromUtf8("Δuv")));

    QJsonArray sloping;
    for (int i = 0; i < 401; ++i) {
      sloping.append(100 * i);
    }
    QJsonObject warm = twoRecords();
    warm["records"] = QJsonArray{
        QJsonObject{{"time", "2021-01-01T00:00:00"}, {"illuminance", 5.0}, {"spectrum", sloping}}};
    const QString warmState = writeState(warm, "warm.json");
    const QStringList two = run({"read", "--observer", "2"}, warmState).out.split('\n');
    const QStringList ten = run({"read", "--observer", "10"}, warmState).out.split('\n');
    QCOMPARE(ten[20], two[20]);  // x: 2° either way
    QVERIFY(ten[22] != two[22]); // u′ from the 10° observer

    QCOMPARE(run({"read", "--observer", "5"}, state).exitCode, 2);
    QJsonObject failing = twoRecords();
    failing.insert("faults", QJsonArray{QJsonObject{{"command", 17}, {"loc", 1}}});
    const Run failed = run({"read"}, writeState(failing, "fault.json"));
    QCOMPARE(failed.exitCode, 1);
    QVERIFY(failed.out.startsWith("NO.000"));
    QVERIFY(failed.err.contains("reading stored record 1 failed"));
  }

  void verboseShowsTheMeterLayersLines() {
    const Run r = run({"-v", "list"}, writeState(twoRecords(), "two.json"));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.contains("读取存储数据成功!"));
    QVERIFY(r.err.contains("没有可以读取的数据!"));
  }

  void meterFailuresExitWithOne() {
    const Run missing = run({"list"}, dir.filePath("absent.json"));
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains("reading stored record 0 failed"));
    QVERIFY(missing.err.contains("absent.json"));

    QJsonObject state = twoRecords();
    state.insert("faults", QJsonArray{QJsonObject{{"command", 17}, {"loc", 1}}});
    const Run second = run({"list"}, writeState(state, "fault17.json"));
    QCOMPARE(second.exitCode, 1);
    QVERIFY(second.out.contains("NO.000"));
    QVERIFY(second.err.contains("reading stored record 1 failed"));

    state.insert("faults", QJsonArray{QJsonObject{{"command", 8}, {"loc", 3}}});
    const Run calibration = run({"calibration"}, writeState(state, "fault8.json"));
    QCOMPARE(calibration.exitCode, 1);
    QVERIFY(calibration.err.contains("reading the intensity coefficients failed"));

    state.insert("faults", QJsonArray{QJsonObject{{"command", 2}}});
    const Run save = run({"save-integration-time"}, writeState(state, "fault2.json"));
    QCOMPARE(save.exitCode, 1);
    QVERIFY(save.err.contains("saving the integration time failed"));
  }

  void calibrationAndIntegrationTime() {
    const Run calibration = run({"calibration"});
    QCOMPARE(calibration.exitCode, 0);
    QVERIFY(calibration.out.contains("integration time: "));
    QVERIFY(calibration.out.contains("wavelength coefficients (6):"));
    QVERIFY(calibration.out.contains("intensity coefficients (420):"));

    const Run set = run({"set-integration-time", "6553"});
    QCOMPARE(set.exitCode, 0);
    QCOMPARE(set.out.trimmed(), QString("integration time set to 6553"));
    QCOMPARE(run({"save-integration-time"}).exitCode, 0);
  }

  void badCommandLinesExitWithTwo() {
    const QList<QStringList> bad = {{},
                                    {"frobnicate"},
                                    {"list", "extra"},
                                    {"set-integration-time"},
                                    {"set-integration-time", "6554"},
                                    {"set-integration-time", "-1"},
                                    {"set-integration-time", "12abc"}};
    for (const QStringList &args : bad) {
      const Run r = run(args);
      QVERIFY2(r.exitCode == 2, qPrintable(args.join(' ')));
      QVERIFY(r.err.contains("usage") || r.err.contains("set-integration-time takes"));
    }
    QCOMPARE(run({"--help"}).exitCode, 0);
  }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
