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

  void unwritableTargetIsReported() {
    const QString target = dir.filePath("no-such-folder/PrintInfo");
    QVERIFY(!writePrintInfo(target, kTexts));
    QString error;
    QVERIFY(!writePrintInfo(target, kTexts, &error));
    QCOMPARE(error,
             "cannot write the print settings file: " + target + ": No such file or directory");
    error.clear();
    QVERIFY(!writeQualityPageChoice(target, true, &error));
    QVERIFY2(error.startsWith("cannot write the print settings file: " + target + ": "),
             qPrintable(error));
  }
};

QTEST_GUILESS_MAIN(TestPrintInfo)
#include "tst_printinfo.moc"
