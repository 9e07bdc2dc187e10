// solvane-cli as a script sees it: output, exit status and error lines,
// against the simulated meter configured through its state file.

#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using clitest::Run;
using clitest::run;
using clitest::writeState;

namespace {

QJsonObject twoRecords() {
  return {{"device", "meter"},
          {"records", QJsonArray{QJsonObject{{"time", "2019-05-21T14:03:09"},
                                             {"illuminance", 1234.5},
                                             {"ratio", 1.0},
                                             {"spectrum", meterstate::flat(401, 1000)}},
                                 QJsonObject{{"time", "2020-12-31T23:59:59"},
                                             {"illuminance", 87.25},
                                             {"ratio", 8.25e-8}, // a calibrated meter's
                                             {"spectrum", meterstate::flat(401, 65535)}}}}};
}

} // namespace

class TestCli : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

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
    const Run r = run({"list"}, writeState(dir, twoRecords(), "two.json"));
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1].simplified(), QString("NO.000 2019-05-21T14:03:09 1234.50 1.000000e+00"));
    QCOMPARE(lines[2].simplified(), QString("NO.001 2020-12-31T23:59:59 87.25 8.250000e-08"));
  }

  void readPrintsTheTestItemsOfEveryRecord() {
    const QString state = writeState(dir, twoRecords(), "two.json");
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
    const QString warmState = writeState(dir, warm, "warm.json");
    const QStringList two = run({"read", "--observer", "2"}, warmState).out.split('\n');
    const QStringList ten = run({"read", "--observer", "10"}, warmState).out.split('\n');
    QCOMPARE(ten[20], two[20]);  // x: 2° either way
    QVERIFY(ten[22] != two[22]); // u′ from the 10° observer

    QCOMPARE(run({"read", "--observer", "5"}, state).exitCode, 2);
    QJsonObject failing = twoRecords();
    failing.insert("faults", QJsonArray{QJsonObject{{"command", 17}, {"loc", 1}}});
    const Run failed = run({"read"}, writeState(dir, failing, "fault.json"));
    QCOMPARE(failed.exitCode, 1);
    QVERIFY(failed.out.startsWith("NO.000"));
    QCOMPARE(failed.err, QString("solvane-cli: cannot read stored record 1: the USB library "
                                 "returned 0 to CmdRead (command 17, loc 1)\n"));
  }

  void verboseShowsTheMeterLayersLines() {
    const Run r = run({"-v", "list"}, writeState(dir, twoRecords(), "two.json"));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.contains("读取存储数据成功!"));
    QVERIFY(r.err.contains("没有可以读取的数据!"));
  }

  void meterFailuresExitWithOne() {
    const Run missing = run({"list"}, dir.filePath("absent.json"));
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains("cannot read stored record 0: the USB library returned 0"));
    QVERIFY(missing.err.contains("absent.json"));

    QJsonObject state = twoRecords();
    state.insert("faults", QJsonArray{QJsonObject{{"command", 17}, {"loc", 1}}});
    const Run second = run({"list"}, writeState(dir, state, "fault17.json"));
    QCOMPARE(second.exitCode, 1);
    QVERIFY(second.out.contains("NO.000"));
    QVERIFY(second.err.contains("cannot read stored record 1: "));

    state.insert("faults", QJsonArray{QJsonObject{{"command", 8}, {"loc", 3}}});
    const Run calibration = run({"calibration"}, writeState(dir, state, "fault8.json"));
    QCOMPARE(calibration.exitCode, 1);
    QVERIFY(calibration.err.contains("cannot read the intensity coefficients: the USB library "
                                     "returned 0 to CmdRead (command 8, loc 3)"));

    state.insert("faults", QJsonArray{QJsonObject{{"command", 2}}});
    const Run save = run({"save-integration-time"}, writeState(dir, state, "fault2.json"));
    QCOMPARE(save.exitCode, 1);
    QVERIFY(save.err.contains("cannot save the integration time: the USB library returned 0 to "
                              "CmdCmd (command 2, loc 2)"));
  }

  void calibrationAndIntegrationTime() {
    const Run calibration = run({"calibration"});
    QCOMPARE(calibration.exitCode, 0);
    QVERIFY(calibration.out.contains("integration time: "));
    QVERIFY(calibration.out.contains("wavelength coefficients (6):"));
    QVERIFY(calibration.out.contains("intensity coefficients (420):"));

    const Run set = run({"set-integration-time", "6553"});
    QCOMPARE(set.exitCode, 0);
    QCOMPARE(set.out.trimmed(), QString("integration time set to 6553.0 ms"));
    const Run tenths = run({"set-integration-time", "6553.5"});
    QCOMPARE(tenths.out.trimmed(), QString("integration time set to 6553.5 ms"));
    QCOMPARE(run({"save-integration-time"}).exitCode, 0);
  }

  // The demo meter holds A, D65, F2, F7, F11, two phosphor LEDs and a
  // narrow-band LED, in that order.
  void metricsJsonParsesBack() {
    const Run r = run({"metrics", "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray records = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QCOMPARE(records.size(), 8);
    for (const QJsonValue &v : records) {
      const QJsonObject own = v["record_own"].toObject();
      QVERIFY(own["cct_K"].isDouble() && own["duv"].isDouble() && own["ra"].isDouble());
      QCOMPARE(v["tm30_18"]["rf_ces"].toArray().size(), 99);
      QCOMPARE(v["tm30_18"]["rf_hue_bins"].toArray().size(), 16);
      QCOMPARE(v["cie13_3"]["r1_r14"].toArray().size(), 14);
    }
    // D65: the standard Ra is 100 where the record's own method reads 94.2,
    // and its α-opic EDIs equal the illuminance.
    const QJsonObject d65 = records[1].toObject();
    QVERIFY(qAbs(d65["cie13_3"]["ra"].toDouble() - 100) < 0.01);
    QVERIFY(qAbs(d65["record_own"]["ra"].toDouble() - 94.23) < 0.01);
    QVERIFY(qAbs(d65["tm30_18"]["rf"].toDouble() - 99.99) < 0.01);
    const double lux = d65["illuminance_lx"].toDouble();
    QVERIFY(qAbs(d65["cie_s026"]["edi_lx"]["melanopic"].toDouble() / lux - 1) < 1e-3);
    // The narrow-band LED has no CCT, Ra or Rf: the CCTs stay beside
    // "cct_defined": false, the indices are null with a reason.
    const QJsonObject led = records[7].toObject();
    QVERIFY(led["cie15_cct"]["cct_K"].toDouble() > 7000);
    QCOMPARE(led["cie15_cct"]["cct_defined"], QJsonValue(false));
    QCOMPARE(led["record_own"]["cct_defined"], QJsonValue(false));
    QVERIFY(qAbs(led["record_own"]["cct_K"].toDouble() - 8009) < 1);
    QCOMPARE(d65["cie15_cct"]["cct_defined"], QJsonValue(true));
    QCOMPARE(d65["record_own"]["cct_defined"], QJsonValue(true));
    QVERIFY(led["cie13_3"]["ra"].isNull());
    QVERIFY(led["tm30_18"]["rg"].isNull());
    QVERIFY(led["cie13_3"]["reason"].toString().contains("Planckian locus"));
    QVERIFY(led["cie_s026"]["irradiance_mW_m2"]["melanopic"].toDouble() > 0);
  }

  void metricsOfDarkAndEmptyRecords() {
    QJsonObject state = twoRecords();
    QJsonObject dark = state["records"].toArray()[0].toObject();
    dark["illuminance"] = 0;
    QJsonObject empty = dark;
    empty["spectrum"] = meterstate::flat(401, 0);
    state["records"] = QJsonArray{dark, empty};
    const Run r = run({"metrics", "--json"}, writeState(dir, state, "dark.json"));
    QCOMPARE(r.exitCode, 0);
    const QJsonArray records = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0]["cie_s026"]["edi_lx"]["melanopic"].toDouble(), 0.0);
    QVERIFY(records[0]["tm30_18"]["rf"].isDouble());
    for (const char *group : {"cie15_cct", "cie13_3", "tm30_18", "cie_s026"}) {
      QVERIFY2(records[1][group]["reason"].toString().contains("no light"), group);
    }
    QVERIFY(records[1]["cie_s026"]["der"]["melanopic"].isNull());

    const Run table = run({"metrics"}, writeState(dir, state, "dark.json"));
    QCOMPARE(table.exitCode, 0);
    QVERIFY(table.out.contains("record (meter's method)"));
    QVERIFY(table.out.contains("CIE 13.3"));
    QVERIFY(table.out.contains("n/a   (the spectrum holds no light"));
  }

  // Every command refuses what it does not take with its own usage line,
  // before it touches the meter or a file.
  void argumentsACommandDoesNotTakeAreRefused_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("synopsis");
    const auto row = [](const QStringList &args, const char *synopsis) {
      QTest::newRow(qPrintable(args.join(' '))) << args << QString(synopsis);
    };
    row({"list", "extra"}, "list");
    row({"calibration", "--json"}, "calibration");
    row({"save-integration-time", "250"}, "save-integration-time");
    row({"set-integration-time"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"set-integration-time", "250", "300"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"set-integration-time", "6554"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"set-integration-time", "6553.6"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"set-integration-time", "250.55"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"set-integration-time", "-1"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"set-integration-time", "12abc"}, "set-integration-time MS  (0 to 6553.5 ms");
    row({"read", "extra"}, "read [--observer 2|10]");
    row({"read", "--observer", "5"}, "read [--observer 2|10]");
    row({"read", "--csv"}, "read [--observer 2|10]");
    row({"read", "--csv", "a.csv", "--csv", "b.csv"}, "read [--observer 2|10]");
    row({"measure", "extra"}, "measure [--count N]");
    row({"measure", "--count", "-1"}, "measure [--count N]");
    row({"measure", "--interval", "86401"}, "measure [--count N]");
    row({"metrics", "--json", "extra"}, "metrics [--csv FILE | --spectrum FILE] [--json | --out OUT.csv]");
    row({"metrics", "extra"}, "metrics [--csv FILE | --spectrum FILE] [--json | --out OUT.csv]");
    row({"metrics", "--xml"}, "metrics [--csv FILE | --spectrum FILE] [--json | --out OUT.csv]");
    row({"metrics", "--csv", "a.csv", "--json", "extra"}, "metrics [--csv FILE | --spectrum FILE] [--json | --out OUT.csv]");
    row({"report"}, "report --csv FILE --record N");
    row({"report", "--csv", "a.csv", "--record", "0", "--pdf", "a.pdf", "extra"},
        "report --csv FILE --record N");
    row({"spdx", "--csv", "a.csv", "--record", "0"}, "spdx --csv FILE --record N --out OUT");
    row({"spdx", "--csv", "a.csv", "--record", "0", "--out", "a.spdx", "x"},
        "spdx --csv FILE --record N --out OUT");
  }

  void argumentsACommandDoesNotTakeAreRefused() {
    QFETCH(QStringList, args);
    QFETCH(QString, synopsis);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.startsWith("solvane-cli: usage: solvane-cli " + synopsis) &&
                 r.err.count('\n') == 1,
             qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
  }

  void noOrAnUnknownCommandShowsTheUsage() {
    for (const QStringList &args : {QStringList{}, QStringList{"frobnicate"}}) {
      const Run r = run(args);
      QCOMPARE(r.exitCode, 2);
      QVERIFY(r.err.contains("usage: solvane-cli [-v] COMMAND [ARGS]"));
    }
    const Run help = run({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("metrics [--csv FILE | --spectrum FILE] [--json | --out OUT.csv]"));
  }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
