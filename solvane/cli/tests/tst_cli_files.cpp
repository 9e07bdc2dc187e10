// solvane-cli's data file and report commands as a script sees them: the
// file read --csv writes, the PDF report paints, and for bad input one
// error line, a non-zero exit and no partial output.

#include "cli_run.h"
#include "meter_state.h"
#include "test_files.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using clitest::Run;
using clitest::run;
using clitest::writeState;

namespace {

QString pdfText(const QString &pdf) {
  QProcess process;
  process.start("pdftotext", {"-layout", pdf, "-"});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

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
    QCOMPARE(r.err, QString("solvane-cli: reading stored record 2 failed; the 2 records before "
                            "it are in %1\n")
                        .arg(csv));
    const QList<QStringList> records = csvRecords(csv);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1][0], QString("NO.001"));
  }

  void reportPaintsTheRecordOfTheDataFile() {
    const QString printInfo = path("PrintInfo");
    testfiles::writeBytes(printInfo, "Acme Optics\n1 Lake Road\n\n\n\nLamp B\nLX-9\nsecond record");
    const QString pdf = path("report.pdf");
    const Run r = run({"report", "--csv", threeRecordsCsv, "--record", "1", "--pdf", pdf,
                       "--printinfo", printInfo});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("report of record 1 written to %1\n").arg(pdf));
    const QString text = pdfText(pdf);
    const QStringList record = csvRecords(threeRecordsCsv)[1];
    for (const QString &expected :
         {QString("Test Report"), QString("Acme Optics"), QString("LX-9"), QString("second record"),
          record[2], record[3], record[21], record[28], record[29], record[429]}) {
      QVERIFY2(text.contains(expected), qPrintable(expected));
    }
  }

  void reportWithoutPrintInfoIsNeverBlank() {
    const QString pdf = path("plain.pdf");
    QCOMPARE(run({"report", "--csv", threeRecordsCsv, "--record", "2", "--pdf", pdf}).exitCode, 0);
    const QString text = pdfText(pdf);
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
    QTest::newRow("record not a number")
        << QStringList{"--csv", "three.csv", "--record", "one"} << 2 << "report takes";
    QTest::newRow("negative record")
        << QStringList{"--csv", "three.csv", "--record", "-1"} << 2 << "report takes";
    QTest::newRow("no data file") << QStringList{"--record", "0"} << 2 << "report takes";
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
