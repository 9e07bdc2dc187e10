// solvane-cli measure as a script sees it: readings printed as they arrive,
// the data file written line by line, Ctrl-C, failures and bad options.

#include "cli_run.h"
#include "meter_state.h"
#include "tsiostream.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

namespace {

QJsonObject scriptedMeter(const QList<double> &illuminances) {
  QJsonArray results;
  for (double lux : illuminances) {
    results.append(QJsonObject{{"illuminance", lux}, {"spectrum", meterstate::peak(560, 30000)}});
  }
  return {{"device", "meter"}, {"ready_after_polls", 1}, {"test_results", results}};
}

struct DataFile {
  QStringList header;
  QList<QStringList> records;
};

DataFile readDataFile(const QString &path) {
  TSIOStream reader;
  reader.setFileName(path);
  DataFile file;
  reader.readSolvaneData(&file.header, &file.records);
  return file;
}

} // namespace

class TestCliMeasure : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  // measure ARGS on the meter that `state` describes.
  clitest::Run measure(const QStringList &args, const QJsonObject &state) {
    return clitest::run(QStringList{"measure"} + args,
                        clitest::writeState(dir, state, "state.json"));
  }

private slots:
  void seriesPrintsJsonLinesAndWritesTheDataFile() {
    const QString csv = dir.filePath("series.csv");
    const clitest::Run r = measure({"--count", "3", "--interval", "0.05", "--csv", csv, "--json"},
                                   scriptedMeter({101.5, 202.5, 303.5}));
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(r.err.contains("reading 3 of 3 taken"), qPrintable(r.err));

    const DataFile file = readDataFile(csv);
    QCOMPARE(file.header, TSIOStream::dataFileHeader());
    QCOMPARE(file.records.size(), 3);
    for (int i = 0; i < 3; ++i) {
      const QJsonObject json = QJsonDocument::fromJson(lines[i].toUtf8()).object();
      const QStringList &record = file.records[i];
      QCOMPARE(record.size(), 430);
      QCOMPARE(json["label"].toString(), record[0]);
      QCOMPARE(json["date_time"].toString(), record[1]);
      QCOMPARE(json["ev"].toDouble(), 101.5 + 101 * i);
      QCOMPARE(json["cct"].toDouble(), record[3].toDouble());
      QVERIFY(json["elapsed_s"].toDouble() >= 0.05 * i);
    }
  }

  void ctrlCKeepsEveryReadingTaken() {
    const QString csv = dir.filePath("interrupted.csv");
    QProcess process;
    clitest::start(process, {"measure", "--count", "0", "--interval", "0.1", "--csv", csv},
                   clitest::writeState(dir, scriptedMeter({100, 200, 300}), "state.json"));
    QVERIFY(process.waitForStarted());
    QString out;
    while (out.count("LIVE.") < 3 && process.state() == QProcess::Running) {
      process.waitForReadyRead(5000);
      out += QString::fromUtf8(process.readAllStandardOutput());
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(10000));
    out += QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains("stopping"));

    const DataFile file = readDataFile(csv);
    QCOMPARE(file.records.size(), out.count("LIVE."));
    QVERIFY(file.records.size() >= 3);
    for (const QStringList &record : file.records) {
      QCOMPARE(record.size(), 430);
    }
  }

  void failedReadingExitsWithOneKeptHeader() {
    const QString csv = dir.filePath("failed.csv");
    QJsonObject state = scriptedMeter({100});
    state.insert("faults", QJsonArray{QJsonObject{{"command", 13}}});
    const clitest::Run r = measure({"--count", "2", "--csv", csv}, state);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("solvane-cli: Reading the test result failed: cannot read the test "
                            "result: the USB library returned 0 to CmdRead (command 13, loc 0)"),
             qPrintable(r.err));
    QVERIFY(!r.out.contains("LIVE."));
    const DataFile file = readDataFile(csv);
    QCOMPARE(file.header.size(), 430);
    QVERIFY(file.records.isEmpty());
  }

  void badOptionsAndUnwritableFile() {
    for (const QStringList &args : QList<QStringList>{{"--count", "-1"},
                                                      {"--count", "two"},
                                                      {"--interval", "-0.5"},
                                                      {"--interval", "86401"},
                                                      {"--mode", "x"},
                                                      {"--csv"},
                                                      {"--colour", "red"}}) {
      const clitest::Run r = measure(args, scriptedMeter({100}));
      QCOMPARE(r.exitCode, 2);
      QVERIFY2(r.err.startsWith("solvane-cli: usage: solvane-cli measure [--count N]"),
               qPrintable(args.join(' ')));
    }
    const clitest::Run r =
        measure({"--csv", dir.filePath("missing/folder.csv")}, scriptedMeter({100}));
    QCOMPARE(r.exitCode, 3);
    QVERIFY2(r.err.contains("cannot write the data file: " + dir.filePath("missing/folder.csv") +
                            ": No such file or directory"),
             qPrintable(r.err));
  }
};

QTEST_GUILESS_MAIN(TestCliMeasure)
#include "tst_cli_measure.moc"
