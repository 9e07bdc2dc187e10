// "PrintInfo" as the dialog writes it and the report reads it: exact
// bytes, short and long files, files from Windows, and a missing file.

#include "printinfo.h"
#include "test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace solvane::printinfo;

namespace {

const QStringList kTexts{"Acme Optics",   "1 Lake Road", "0571-1234", "0571-5678",
                         "lab@acme.test", "Lamp A",      "LX-2",      "warm white"};

const QStringList kEmpty{"", "", "", "", "", "", "", ""};

} // namespace

class TestPrintInfo : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

private slots:
  void missingFileGivesEightEmptyTexts() {
    QStringList texts{"stale"};
    QVERIFY(!readPrintInfo(dir.filePath("missing"), &texts));
    QCOMPARE(texts, kEmpty);
    QString error;
    QVERIFY(!readPrintInfo(dir.filePath("missing"), &texts, &error));
    QCOMPARE(error, "cannot read the print settings file: " + dir.filePath("missing") +
                        ": No such file or directory");
  }

  void eightLinesWithSevenLineEnds_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty fields") << kEmpty << QByteArray("\n\n\n\n\n\n\n");
    QTest::newRow("filled") << kTexts
                            << QByteArray("Acme Optics\n1 Lake Road\n0571-1234\n0571-5678\n"
                                          "lab@acme.test\nLamp A\nLX-2\nwarm white");
    QTest::newRow("fewer texts") << QStringList{"Acme Optics"}
                                 << QByteArray("Acme Optics\n\n\n\n\n\n\n");
    QTest::newRow("non-ASCII") << QStringList{QString::fromUtf8("光谱实验室")}
                               << QString::fromUtf8("光谱实验室\n\n\n\n\n\n\n").toLocal8Bit();
  }

  void eightLinesWithSevenLineEnds() {
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, bytes);
    const QString path = dir.filePath("PrintInfo");
    QVERIFY(writePrintInfo(path, texts));
    QCOMPARE(testfiles::readBytes(path), bytes);
    QStringList read;
    QVERIFY(readPrintInfo(path, &read));
    while (texts.size() < kTextCount) {
      texts << QString();
    }
    QCOMPARE(read, texts);
    // Writing unchanged texts again gives the identical file.
    QVERIFY(writePrintInfo(path, read));
    QCOMPARE(testfiles::readBytes(path), bytes);
  }

  void readingFilesFromElsewhere_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("fewer lines") << QByteArray("Acme Optics\n1 Lake Road")
                                 << QStringList{
                                        "Acme Optics", "1 Lake Road", "", "", "", "", "", ""};
    QTest::newRow("CR LF") << QByteArray("A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH")
                           << QStringList{"A", "B", "C", "D", "E", "F", "G", "H"};
    QTest::newRow("lines after the eighth") << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n")
                                            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"};
    QTest::newRow("empty file") << QByteArray() << kEmpty;
  }

  void readingFilesFromElsewhere() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    const QString path = dir.filePath("elsewhere");
    testfiles::writeBytes(path, bytes);
    QStringList read;
    QVERIFY(readPrintInfo(path, &read));
    QCOMPARE(read, texts);
  }

  // The choice of pages as the dialog writes it; without the uncertainty
  // page the file is byte for byte what it was before that choice existed.
  void reportPagesRoundTrip_data() {
    QTest::addColumn<bool>("quality");
    QTest::addColumn<bool>("uncertainty");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("none") << false << false << QByteArray("0\n");
    QTest::newRow("quality") << true << false << QByteArray("1\n");
    QTest::newRow("both") << true << true << QByteArray("1\n1\n");
    QTest::newRow("uncertainty kept while quality is off") << false << true << QByteArray("0\n1\n");
  }

  void reportPagesRoundTrip() {
    QFETCH(bool, quality);
    QFETCH(bool, uncertainty);
    QFETCH(QByteArray, bytes);
    const QString path = dir.filePath("PrintQualityPage");
    QVERIFY(writeReportPages(path, {quality, uncertainty}));
    QCOMPARE(testfiles::readBytes(path), bytes);
    const ReportPages read = readReportPages(path);
    QCOMPARE(read.quality, quality);
    QCOMPARE(read.uncertainty, uncertainty);
  }

  // Files of older versions, from Windows, or damaged: anything but "1"
  // on its line is no page.
  void reportPagesFromOtherFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("quality");
    QTest::addColumn<bool>("uncertainty");
    QTest::newRow("older, with the page") << QByteArray("1\n") << true << false;
    QTest::newRow("older, without") << QByteArray("0\n") << false << false;
    QTest::newRow("CR LF") << QByteArray("1\r\n1\r\n") << true << true;
    QTest::newRow("words") << QByteArray("yes\nyes\n") << false << false;
    QTest::newRow("empty first line") << QByteArray("\n1\n") << false << true;
  }

  void reportPagesFromOtherFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, quality);
    QFETCH(bool, uncertainty);
    const QString path = dir.filePath("other");
    testfiles::writeBytes(path, bytes);
    QCOMPARE(readReportPages(path).quality, quality);
    QCOMPARE(readReportPages(path).uncertainty, uncertainty);
  }

  void unwritableTargetIsReported() {
    const QString target = dir.filePath("no-such-folder/PrintInfo");
    QVERIFY(!writePrintInfo(target, kTexts));
    QString error;
    QVERIFY(!writePrintInfo(target, kTexts, &error));
    QCOMPARE(error,
             "cannot write the print settings file: " + target + ": No such file or directory");
    error.clear();
    QVERIFY(!writeReportPages(target, {true, true}, &error));
    QVERIFY2(error.startsWith("cannot write the print settings file: " + target + ": "),
             qPrintable(error));
  }
};

QTEST_GUILESS_MAIN(TestPrintInfo)
#include "tst_printinfo.moc"
