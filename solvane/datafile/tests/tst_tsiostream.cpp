// The data file as Export writes it and Open reads it: exact bytes, round
// trips, the line forms found in files from elsewhere, and failures that
// must leave the caller's lists and the user's file alone.

#include "test_files.h"
#include "tsiostream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

// A record of the full width whose fields tell where they belong.
QStringList sampleRecord(int ordinal) {
  QStringList record{QString("NO.%1").arg(ordinal, 3, 10, QChar('0')), "2019-05-21T14:03:09",
                     "1234.50"};
  while (record.size() < 430) {
    record << QString::number(ordinal * 1000 + record.size());
  }
  return record;
}

struct Loaded {
  bool ok;
  QStringList header;
  QList<QStringList> records;
};

// What a text stream over the file in text mode reads: the reference the
// one-pass reader must match for any bytes.
Loaded loadThroughTextStream(const QString &path) {
  QFile file(path);
  Loaded loaded{file.open(QIODevice::ReadOnly | QIODevice::Text), {}, {}};
  QTextStream stream(&file);
  QString line;
  stream.readLineInto(&line);
  while (line.startsWith(QChar(0xFEFF))) {
    line.remove(0, 1);
  }
  loaded.header = line.split(',');
  while (!stream.atEnd()) {
    stream.readLineInto(&line);
    loaded.records << line.split(',');
  }
  return loaded;
}

// What a text stream writes for the same lists.
QByteArray writtenThroughTextStream(const QStringList &header, const QList<QStringList> &records) {
  QByteArray bytes;
  QTextStream stream(&bytes);
  stream << header.join(',') << '\n';
  for (const QStringList &record : records) {
    stream << record.join(',') << '\n';
  }
  stream.flush();
  return bytes;
}

Loaded load(const QString &path) {
  TSIOStream stream;
  stream.setFileName(path);
  Loaded loaded;
  loaded.ok = stream.readSolvaneData(&loaded.header, &loaded.records);
  return loaded;
}

} // namespace

class TestTSIOStream : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  QString path(const char *name) const { return dir.filePath(name); }

  bool save(const QString &file, const QList<QStringList> &records) {
    TSIOStream stream;
    stream.setFileName(file);
    return stream.writeSolvaneData(TSIOStream::dataFileHeader(), records);
  }

private slots:
  void headerNamesTheColumns() {
    const QStringList header = TSIOStream::dataFileHeader();
    QCOMPARE(header.size(), 430);
    QCOMPARE(header.mid(0, 6), (QStringList{"Data", "Date", "Ev", "Tcp", "Ra", "R1"}));
    QCOMPARE(header.mid(19, 10),
             (QStringList{"R15", QString::fromUtf8("λd"), "CIE-1931 x", "CIE-1931 y", "CIE-1976 u",
                          "CIE-1976 v", "X", "Y", "Z", QString::fromUtf8("△uv")}));
    QCOMPARE(header.at(29), QString("380 nm"));
    QCOMPARE(header.last(), QString("780 nm"));
  }

  // The exact bytes of a small export. After an intended format change,
  // check the file the failing test names and copy it over
  // tests/data/small_export.csv.
  void smallExportMatchesTheGoldenFile() {
    const QString written = path("small_export.csv");
    QVERIFY(save(written, {sampleRecord(2), sampleRecord(0)}));
    const QString golden = qEnvironmentVariable("DATAFILE_TEST_DATA") + "/small_export.csv";
    const bool same = testfiles::readBytes(written) == testfiles::readBytes(golden);
    dir.setAutoRemove(same); // keep the written file for a look
    QVERIFY2(same, qPrintable(QString("%1 differs from %2").arg(written, golden)));
  }

  void exportedRecordsOpenFieldByFieldInOrder() {
    const QList<QStringList> exported{sampleRecord(5), sampleRecord(1)};
    QVERIFY(save(path("round.csv"), exported));
    const Loaded loaded = load(path("round.csv"));
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.header, TSIOStream::dataFileHeader());
    QCOMPARE(loaded.records, exported);
  }

  void linesAsFoundInFilesFromElsewhere_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::newRow("header only") << QByteArray("Data,Date\n") << QList<QStringList>{};
    QTest::newRow("last line without line end")
        << QByteArray("Data,Date\nNO.000,a\nNO.001,b")
        << QList<QStringList>{{"NO.000", "a"}, {"NO.001", "b"}};
    QTest::newRow("adjacent commas") << QByteArray("Data,Date,Ev\nNO.000,,12.00\n,,\n")
                                     << QList<QStringList>{{"NO.000", "", "12.00"}, {"", "", ""}};
    QTest::newRow("CR LF") << QByteArray("Data,Date\r\nNO.000,a\r\nNO.001,b\r\n")
                           << QList<QStringList>{{"NO.000", "a"}, {"NO.001", "b"}};
    QTest::newRow("empty line") << QByteArray("Data\n\nNO.001\n")
                                << QList<QStringList>{{""}, {"NO.001"}};
    QTest::newRow("short line") << QByteArray("Data,Date,Ev\nNO.000\n")
                                << QList<QStringList>{{"NO.000"}};
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                         "Data\nNO.000\n")
                                           << QList<QStringList>{{"NO.000"}};
    QTest::newRow("byte-order mark twice") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                         "Data\nNO.000\n")
                                           << QList<QStringList>{{"NO.000"}};
  }

  void linesAsFoundInFilesFromElsewhere() {
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, records);
    testfiles::writeBytes(path("elsewhere.csv"), bytes);
    const Loaded loaded = load(path("elsewhere.csv"));
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.header.first(), QString("Data"));
    QCOMPARE(loaded.records, records);
  }

  // Bytes that a field-by-field reader could take apart differently from a
  // text stream: numbers that only look canonical, CRs that are not line
  // ends, malformed UTF-8 beside the separators and at the end of the file,
  // byte-order marks inside the file, NULs, and files in UTF-16.
  void readsWhatATextStreamReads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("numbers and look-alikes")
        << QByteArray("Data\n0,00,017,65535,65536,99999,123456,-1,1e3,1.0,\n");
    QTest::newRow("lone CRs") << QByteArray("Da\rta\n1\r2,\r,3\r\r\n\r\n\r");
    QTest::newRow("malformed UTF-8 at separators")
        << QByteArray("Data\n\xE2\x82,\xE2\r\x82\xAC,\xC3\n\xED\xA0\x80,\xFF\xFE\n");
    QTest::newRow("sequence cut off by the end") << QByteArray("Data\n12,\xE2\x82");
    QTest::newRow("last line only a cut-off sequence") << QByteArray("Data\n12\n\xF0\x9F");
    QTest::newRow("byte-order marks inside") << QByteArray("Data\n\xEF\xBB\xBF" "1,\xEF\xBB\xBF\n");
    QTest::newRow("NUL") << QByteArray("Data\n1\0" "2,\0\n", 12);
    QTest::newRow("header without line end") << QByteArray("\xEF\xBB\xBF" "Da\xC3\xA9");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE" "D\0a\0\n\0" "1\0,\0" "2\0\n\0", 16);
  }

  void readsWhatATextStreamReads() {
    QFETCH(QByteArray, bytes);
    testfiles::writeBytes(path("odd.csv"), bytes);
    const Loaded loaded = load(path("odd.csv"));
    const Loaded expected = loadThroughTextStream(path("odd.csv"));
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.header, expected.header);
    QCOMPARE(loaded.records, expected.records);
  }

  // The file is read in blocks; a line longer than a block, and lines that
  // straddle blocks, come out whole.
  void linesLongerThanTheReadBlock() {
    QStringList longLine{"NO.000"};
    while (longLine.size() < 1500000) {
      longLine << QString::number(longLine.size() % 70000);
    }
    const QList<QStringList> records{longLine, sampleRecord(1), longLine};
    QVERIFY(save(path("long.csv"), records));
    QCOMPARE(load(path("long.csv")).records, records);
  }

  void writesWhatATextStreamWrites() {
    const QStringList header{"Data", QString::fromUtf8("λd"), ""};
    const QList<QStringList> records{
        {"NO.000", QString::fromUtf8("△uv"), QString(QChar(0xFEFF))},
        {QString(QChar(0xD800)), "a" + QString(QChar(0xDC00))}, // lone surrogates
        {},
        {"0", "65535"}};
    TSIOStream stream;
    stream.setFileName(path("text.csv"));
    QVERIFY(stream.writeSolvaneData(header, records));
    QCOMPARE(testfiles::readBytes(path("text.csv")), writtenThroughTextStream(header, records));
  }

  // Record by record: the reader stops where the caller does.
  void visitingStopsWhenAsked() {
    QVERIFY(save(path("visit.csv"), {sampleRecord(0), sampleRecord(1), sampleRecord(2)}));
    TSIOStream stream;
    stream.setFileName(path("visit.csv"));
    QStringList header;
    QList<QStringList> seen;
    QVERIFY(stream.readSolvaneData(&header, [&seen](QStringList &record) {
      seen << record;
      return seen.size() < 2;
    }));
    QCOMPARE(header, TSIOStream::dataFileHeader());
    QCOMPARE(seen, (QList<QStringList>{sampleRecord(0), sampleRecord(1)}));
  }

  void readingAppendsToTheCallersLists() {
    testfiles::writeBytes(path("append.csv"), "Data\nNO.007\n");
    TSIOStream stream;
    stream.setFileName(path("append.csv"));
    QStringList header{"kept"};
    QList<QStringList> records{{"kept"}};
    QVERIFY(stream.readSolvaneData(&header, &records));
    QCOMPARE(header, (QStringList{"kept", "Data"}));
    QCOMPARE(records, (QList<QStringList>{{"kept"}, {"NO.007"}}));
  }

  void unopenableFileLeavesTheListsAlone_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "missing.csv";
    QTest::newRow("folder") << ".";
  }

  void unopenableFileLeavesTheListsAlone() {
    QFETCH(QString, name);
    TSIOStream stream;
    stream.setFileName(dir.filePath(name));
    QStringList header;
    QList<QStringList> records{{"NO.000"}};
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^打开文件失败!  错误原因: \".+\"$"));
    QVERIFY(!stream.readSolvaneData(&header, &records));
    QVERIFY(header.isEmpty());
    QCOMPARE(records, (QList<QStringList>{{"NO.000"}}));
    QVERIFY2(
        stream.errorString().startsWith("cannot read the data file: " + stream.fileName() + ": "),
        qPrintable(stream.errorString()));
  }

  void writingReplacesTheWholeFile() {
    const QString file = path("replace.csv");
    QVERIFY(save(file, {sampleRecord(0), sampleRecord(1), sampleRecord(2)}));
    QVERIFY(save(file, {sampleRecord(9)}));
    QCOMPARE(load(file).records, (QList<QStringList>{sampleRecord(9)}));
    QCOMPARE(QDir(dir.path()).entryList({"replace.csv*"}, QDir::Files), QStringList{"replace.csv"});
  }

  // The reason names the file and the system's cause, and a later success
  // does not depend on it.
  void failedWriteSaysWhy() {
    TSIOStream stream;
    QCOMPARE(stream.errorString(), QString());
    stream.setFileName(path("no-such-folder/out.csv"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^打开文件失败!   错误原因: \".+\"$"));
    QVERIFY(!stream.writeSolvaneData(TSIOStream::dataFileHeader(), {sampleRecord(0)}));
    QCOMPARE(stream.errorString(),
             "cannot write the data file: " + stream.fileName() + ": No such file or directory");
  }

  // A device is written in place, never replaced by a file: a full disk is
  // a failure with its reason.
  void fullDeviceSaysWhyAndStaysADevice() {
    if (!QFileInfo("/dev/full").exists() || QFileInfo("/dev/full").isFile()) {
      QSKIP("no /dev/full device here");
    }
    TSIOStream stream;
    stream.setFileName("/dev/full");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^写入文件失败!   错误原因: \".+\"$"));
    QVERIFY(!stream.writeSolvaneData(TSIOStream::dataFileHeader(), {sampleRecord(0)}));
    QCOMPARE(stream.errorString(),
             QString("cannot write the data file: /dev/full: No space left on device"));
    QVERIFY(!QFileInfo("/dev/full").isFile());

    stream.setFileName("/dev/null");
    QVERIFY(stream.writeSolvaneData(TSIOStream::dataFileHeader(), {sampleRecord(0)}));
    QVERIFY(!QFileInfo("/dev/null").isFile());
  }
};

QTEST_GUILESS_MAIN(TestTSIOStream)
#include "tst_tsiostream.moc"
