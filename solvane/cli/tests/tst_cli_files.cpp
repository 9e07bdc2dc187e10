// solvane-cli's data file and report commands as a script sees them: the
// file read --csv writes, the PDF report paints, and for bad input one
// error line, a non-zero exit and no partial output.

#include "cli_run.h"
#include "hostile_text.h"
#include "pdf_tools.h"
#include "meter_state.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using clitest::Run;
using clitest::run;
using clitest::writeState;

namespace {

QList<QStringList> csvRecords(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  QList<QStringList> lines;
  for (const QByteArray &line : file.readAll().split('\n')) {
    if (!line.isEmpty()) {
      lines << QString::fromUtf8(line).split(',');
    }
  }
  return lines.mid(1);
}

} // namespace

class TestCliFiles : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString threeRecordsCsv;

  QString path(const QString &name) const { return dir.filePath(name); }

  // A folder this process cannot write to. Root writes anywhere a mode allows
  // nothing, so it gets the kernel's object folder, which refuses new files.
  QString readOnlyFolder() const {
    if (::geteuid() == 0) {
      return "/sys";
    }
    const QString folder = path("read-only");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return folder;
  }

private slots:
  void initTestCase() {
    threeRecordsCsv = path("three.csv");
    const Run r = run({"read", "--csv", threeRecordsCsv},
                      writeState(dir, meterstate::withRecords(3), "three.json"));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("3 records written to %1\n").arg(threeRecordsCsv));
  }

  void readWritesEveryRecordAsExportDoes() {
    const QList<QStringList> records = csvRecords(threeRecordsCsv);
    QCOMPARE(records.size(), 3);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(records[i].size(), 430);
      QCOMPARE(records[i][0], QString("NO.00%1").arg(i));
      QCOMPARE(records[i][2], QString::number(1234.5 + i, 'f', 2));
    }
    QCOMPARE(records[1][1], QString("2019-05-21T14:03:10"));

    const QString tenDegree = path("ten.csv");
    QCOMPARE(run({"read", "--observer", "10", "--csv", tenDegree},
                 writeState(dir, meterstate::withRecords(3), "three.json"))
                 .exitCode,
             0);
    const QList<QStringList> ten = csvRecords(tenDegree);
    QCOMPARE(ten.size(), 3);
    QVERIFY(ten[0][23] != records[0][23]); // u' of the 10° observer
  }

  void meterFailingPartWayKeepsTheEarlierRecords() {
    const QString csv = path("partial.csv");
    const Run r =
        run({"read", "--csv", csv},
            writeState(dir, meterstate::failingAt(meterstate::withRecords(4), 2), "fail2.json"));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QString("solvane-cli: cannot read stored record 2: the USB library returned 0 "
                            "to CmdRead (command 17, loc 2); the 2 records before it are in %1\n")
                        .arg(csv));
    const QList<QStringList> records = csvRecords(csv);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1][0], QString("NO.001"));
  }

  // The metrics of a data file are those of the meter it was read from; a
  // short or garbled line gets its reason and the others their metrics.
  void metricsOfADataFile() {
    const QString csv = path("demo.csv");
    QCOMPARE(run({"read", "--csv", csv}).exitCode, 0);
    const Run fromMeter = run({"metrics", "--json"});
    const Run fromFile = run({"metrics", "--json", "--csv", csv});
    QCOMPARE(fromFile.exitCode, 0);
    QCOMPARE(fromFile.out, fromMeter.out);
    const QJsonArray records = QJsonDocument::fromJson(fromFile.out.toUtf8()).array();
    QCOMPARE(records.size(), 8);
    QVERIFY(qAbs(records[1]["cie13_3"]["ra"].toDouble() - 100) < 0.01); // D65
    QCOMPARE(records[1]["record_own"]["ra"].toDouble(), csvRecords(csv)[1][4].toDouble());

    QFile file(csv);
    QVERIFY(file.open(QIODevice::Append));
    QStringList garbled = csvRecords(csv)[0];
    garbled[0] = "NO.900";
    garbled[29 + 100] = "abc";
    file.write("NO.800,2019-05-21T14:03:09,12\n" + garbled.join(',').toUtf8() + "\n");
    file.close();
    const Run json = run({"metrics", "--csv", csv, "--json"});
    QCOMPARE(json.exitCode, 3);
    QCOMPARE(json.err,
             QString("solvane-cli: some records of %1 could not be evaluated\n").arg(csv));
    const QJsonArray withBad = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(withBad.size(), 10);
    QCOMPARE(withBad[7]["tm30_18"]["rf_ces"].toArray().size(), 99);
    QCOMPARE(withBad[8].toObject(),
             (QJsonObject{{"record", "NO.800"},
                          {"reason", "the record has 3 fields, the metrics need 430"}}));
    QCOMPARE(withBad[9]["reason"].toString(),
             QString("the intensity at 480 nm, 'abc', is not a number"));

    const Run table = run({"metrics", "--csv", csv});
    QCOMPARE(table.exitCode, 3);
    QVERIFY(table.out.contains("CIE 2017 / TM-30-18"));
    QVERIFY(table.out.contains("NO.800  not evaluated: the record has 3 fields"));

    QCOMPARE(run({"metrics", "--csv"}).exitCode, 2);
    QCOMPARE(run({"metrics", "--csv", csv, "--xml"}).exitCode, 2);
    QCOMPARE(run({"metrics", "--csv", path("missing.csv")}).exitCode, 3);
  }

  // The SPDX file holds the record's intensities as the data file has them;
  // a record that is not there or not whole leaves no file.
  void spdxOfARecord() {
    const QString out = path("record1.spdx");
    const Run r = run({"spdx", "--csv", threeRecordsCsv, "--record", "1", "--out", out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("spectrum of record 1 written to %1\n").arg(out));
    QCOMPARE(testfiles::spdxSpectralValues(out), csvRecords(threeRecordsCsv)[1].mid(29));

    const QString shortCsv = path("short-spdx.csv");
    testfiles::writeBytes(shortCsv, "Data,Date\nNO.000,2019-05-21T14:03:09,12\n");
    const QString none = path("none.spdx");
    const Run missing = run({"spdx", "--csv", threeRecordsCsv, "--record", "3", "--out", none});
    QCOMPARE(missing.exitCode, 3);
    QVERIFY(missing.err.contains("holds 3 records; there is no record 3"));
    const Run shortRecord = run({"spdx", "--csv", shortCsv, "--record", "0", "--out", none});
    QCOMPARE(shortRecord.exitCode, 3);
    QVERIFY(shortRecord.err.contains("the record has 3 fields"));
    QCOMPARE(run({"spdx", "--csv", threeRecordsCsv, "--record", "0"}).exitCode, 2);
    QCOMPARE(run({"spdx", "--csv", threeRecordsCsv, "--record", "-1", "--out", none}).exitCode, 2);
    QVERIFY(!QFile::exists(none));
  }

  void reportPaintsTheRecordOfTheDataFile() {
    const QString printInfo = path("PrintInfo");
    testfiles::writeBytes(printInfo, "Acme Optics\n1 Lake Road\n\n\n\nLamp B\nLX-9\nsecond record");
    const QString pdf = path("report.pdf");
    const Run r = run({"report", "--csv", threeRecordsCsv, "--record", "1", "--pdf", pdf,
                       "--printinfo", printInfo});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("report of record 1 written to %1\n").arg(pdf));
    const QString text = pdftools::text(pdf);
    const QStringList record = csvRecords(threeRecordsCsv)[1];
    for (const QString &expected :
         {QString("Test Report"), QString("Acme Optics"), QString("LX-9"), QString("second record"),
          record[2], record[3], record[21], record[28], record[29], record[429]}) {
      QVERIFY2(text.contains(expected), qPrintable(expected));
    }
  }

  // The second page shows the metrics solvane-cli reports for the record;
  // the first page reads as without it.
  void reportWithTheLightQualityPage() {
    const QString one = path("one-page.pdf");
    const QString two = path("two-pages.pdf");
    QCOMPARE(run({"report", "--csv", threeRecordsCsv, "--record", "2", "--pdf", one}).exitCode, 0);
    QCOMPARE(
        run({"report", "--csv", threeRecordsCsv, "--record", "2", "--pdf", two, "--pages", "2"})
            .exitCode,
        0);
    // Apart from the minute it was painted in.
    const QRegularExpression stamp("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d");
    QCOMPARE(pdftools::text(two, 1, 1).remove(stamp), pdftools::text(one).remove(stamp));
    QVERIFY(pdftools::text(one, 2).isEmpty());

    const QString page = pdftools::text(two, 2, 2);
    const QJsonObject metrics =
        QJsonDocument::fromJson(run({"metrics", "--csv", threeRecordsCsv, "--json"}).out.toUtf8())
            .array()[2]
            .toObject();
    const QStringList record = csvRecords(threeRecordsCsv)[2];
    for (const QString &expected :
         {QString("Light Quality"), QString("Standard Figures"),
          QString("CIE 13.3 Special Indices"), QString("TM-30 Colour Vector Graphic"),
          QString("Local chroma shift"), QString("CIE S 026"), record[0], record[4], record[28],
          QString::number(metrics["tm30_18"]["rf"].toDouble(), 'f', 1),
          QString::number(metrics["tm30_18"]["rg"].toDouble(), 'f', 1),
          QString::number(metrics["cie13_3"]["ra"].toDouble(), 'f', 1),
          QString::number(metrics["cie_s026"]["edi_lx"]["melanopic"].toDouble(), 'f', 2)}) {
      QVERIFY2(page.contains(expected), qPrintable(expected));
    }
    QCOMPARE(
        run({"report", "--csv", threeRecordsCsv, "--record", "2", "--pdf", two, "--pages", "3"})
            .exitCode,
        2);
  }

  void reportWithoutPrintInfoIsNeverBlank() {
    const QString pdf = path("plain.pdf");
    QCOMPARE(run({"report", "--csv", threeRecordsCsv, "--record", "2", "--pdf", pdf}).exitCode, 0);
    const QString text = pdftools::text(pdf);
    QVERIFY(text.contains("Company Information"));
    QVERIFY(
        text.contains(QRegularExpression("^\\s*Name\\s*$", QRegularExpression::MultilineOption)));
    QVERIFY(text.contains(csvRecords(threeRecordsCsv)[2][2]));
  }

  void badInputFailsWithOneLineAndNoOutput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing data file")
        << QStringList{"--csv", "absent.csv", "--record", "0"} << 3 << "cannot read the data file";
    QTest::newRow("record past the end") << QStringList{"--csv", "three.csv", "--record", "3"} << 3
                                         << "holds 3 records; there is no record 3";
    QTest::newRow("short record") << QStringList{"--csv", "short.csv", "--record", "0"} << 3
                                  << "record 0 of";
    QTest::newRow("missing print settings")
        << QStringList{"--csv", "three.csv", "--record", "0", "--printinfo", "absent"} << 3
        << "cannot read the print settings file";
    QTest::newRow("record not a number") << QStringList{"--csv", "three.csv", "--record", "one"}
                                         << 2 << "usage: solvane-cli report --csv FILE --record N";
    QTest::newRow("negative record") << QStringList{"--csv", "three.csv", "--record", "-1"} << 2
                                     << "usage: solvane-cli report --csv FILE --record N";
    QTest::newRow("no data file") << QStringList{"--record", "0"} << 2
                                  << "usage: solvane-cli report --csv FILE --record N";
  }

  void badInputFailsWithOneLineAndNoOutput() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    testfiles::writeBytes(path("short.csv"), "Data,Date,Ev\nNO.000,2019-05-21T14:03:09,12.00\n");
    for (int i = 1; i < args.size(); i += 2) {
      if (args[i - 1] != "--record") {
        args[i] = path(args[i]);
      }
    }
    const QString pdf = path("bad.pdf");
    QFile::remove(pdf);
    const Run r = run(QStringList{"report", "--pdf", pdf} + args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.startsWith("solvane-cli: ") && r.err.count('\n') == 1 && r.err.contains(error),
             qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY(!QFile::exists(pdf));
  }

  // Text from a data file or a file name reaches the terminal quoted: the
  // table, the failure line and the path stay single lines of plain text.
  void hostileFieldsAndNamesNeverReachTheTerminalRaw() {
    const QString csv = path("hostile.csv");
    const QString out = path("hostile.spdx");
    const QStringList whole = csvRecords(threeRecordsCsv)[0];
    for (const std::string &text : quoting::testing::hostileTexts()) {
      const QByteArray hostile = QByteArray::fromStdString(text);
      QStringList record = whole;
      record[29 + 100] = "@"; // replaced below with the raw bytes
      testfiles::writeBytes(csv, "header\n" + hostile + ",x\n" +
                                     record.join(',').toUtf8().replace("@", hostile) + "\n");
      const QList<QStringList> runs = {{"metrics", "--csv", csv},
                                       {"spdx", "--csv", csv, "--record", "1", "--out", out},
                                       {"report", "--csv",
                                        path(QString::fromUtf8(hostile).remove(QChar(0))),
                                        "--record", "0", "--pdf", out}};
      for (const QStringList &args : runs) {
        QProcess process;
        process.start(qEnvironmentVariable("SOLVANE_CLI"), args);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 3);
        for (const QByteArray &line : process.readAllStandardOutput().split('\n') +
                                          process.readAllStandardError().split('\n')) {
          QVERIFY2(quoting::testing::isOneSafeLine(line.toStdString()), line.constData());
        }
      }
    }
  }

  // A count of one reads in the singular in every message that counts.
  void countsOfOneAreSingular() {
    const QString oneField = path("one-field.csv");
    testfiles::writeBytes(oneField, "Data,Date\nNO.000\n");
    const Run report =
        run({"report", "--csv", oneField, "--record", "0", "--pdf", path("one.pdf")});
    QVERIFY2(report.err.contains(oneField + " has 1 field, the report needs 430"),
             qPrintable(report.err));
    const Run metrics = run({"metrics", "--csv", oneField});
    QVERIFY2(metrics.out.contains("the record has 1 field, the metrics need 430"),
             qPrintable(metrics.out));
    const Run past = run({"report", "--csv", oneField, "--record", "1", "--pdf", path("one.pdf")});
    QVERIFY2(past.err.contains(oneField + " holds 1 record; there is no record 1"),
             qPrintable(past.err));
    const Run read = run({"read", "--csv", path("one-record.csv")},
                         writeState(dir, meterstate::withRecords(1), "one.json"));
    QCOMPARE(read.out, "1 record written to " + path("one-record.csv") + "\n");
  }

  // Each command that writes a file names it and the system's reason on its
  // one failure line, and leaves nothing behind.
  void unwritableOutputsSayWhy_data() {
    QTest::addColumn<QStringList>("args"); // OUT stands for the output path
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("reason");
    const QList<QPair<QStringList, QString>> commands = {
        {{"read", "--csv", "OUT"}, "cannot write the data file"},
        {{"measure", "--count", "1", "--interval", "0", "--csv", "OUT"},
         "cannot write the data file"},
        {{"report", "--csv", "THREE", "--record", "0", "--pdf", "OUT"}, "cannot write the report"},
        {{"spdx", "--csv", "THREE", "--record", "0", "--out", "OUT"}, "cannot write the SPDX file"},
    };
    const QList<QPair<QString, QString>> places = {
        {"missing folder", "No such file or directory"},
        {"read-only folder", "Permission denied"},
        {"full disk", "No space left on device"},
    };
    for (const auto &command : commands) {
      for (const auto &place : places) {
        QTest::newRow(qPrintable(command.first[0] + ", " + place.first))
            << command.first << command.second << place.first << place.second;
      }
    }
  }

  void unwritableOutputsSayWhy() {
    QFETCH(QStringList, args);
    QFETCH(QString, what);
    QFETCH(QString, where);
    QFETCH(QString, reason);
    QString out;
    if (where == "missing folder") {
      out = path("no-such-folder/out");
    } else if (where == "read-only folder") {
      out = readOnlyFolder() + "/out";
      if (::geteuid() == 0) {
        // The kernel's folder may also be mounted read-only.
        QFile probe(out);
        QVERIFY(!probe.open(QIODevice::WriteOnly));
        QVERIFY(QStringList({"Permission denied", "Read-only file system"})
                    .contains(probe.errorString()));
        reason = probe.errorString();
      }
    } else {
      if (!QFileInfo("/dev/full").exists() || QFileInfo("/dev/full").isFile()) {
        QSKIP("no /dev/full device here");
      }
      out = "/dev/full";
    }
    args.replaceInStrings("THREE", threeRecordsCsv);
    args.replaceInStrings("OUT", out);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 3);
    const QString line = QString("solvane-cli: %1: %2: %3\n").arg(what, out, reason);
    QVERIFY2(r.err.endsWith(line) && r.err.count("solvane-cli:") == 1, qPrintable(r.err));
    QVERIFY(!QFileInfo(out).isFile()); // nothing left, and a device stays a device
  }

  void failedReportLeavesAnEarlierPdfIntact() {
    const QString pdf = path("kept.pdf");
    testfiles::writeBytes(pdf, "earlier report");
    QCOMPARE(run({"report", "--csv", threeRecordsCsv, "--record", "7", "--pdf", pdf}).exitCode, 3);
    QFile kept(pdf);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("earlier report"));
    QCOMPARE(run({"report", "--csv", threeRecordsCsv, "--record", "0", "--pdf",
                  path("no-such-folder/out.pdf")})
                 .exitCode,
             3);
  }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
