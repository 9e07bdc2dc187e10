// A spectrum from a two-column text file: any separator a spreadsheet or
// an instrument writes, header and comment lines skipped, other steps
// interpolated to 1 nm with no light beyond the file's range; a file that
// is not such a list gives one sentence naming the file and the line.

#include "solvane/quality/two_column_spectrum.h"

#include <QTemporaryDir>
#include <QtTest>

class TestTwoColumnSpectrum : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  QString write(const QString &name, const QByteArray &text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
  }

private slots:
  void readsAndInterpolatesOnto1nm() {
    const QString path = write("lamp.csv", "# measured 2026-12-08\r\nWavelength;Power\r\n"
                                           "400;1.0\r\n405, 2.0\r\n410\t4\r\n700 8e0\r\n");
    lightquality::Spectrum s{};
    QString error;
    QVERIFY2(solvane::quality::readTwoColumnSpectrum(path, &s, &error), qPrintable(error));
    QCOMPARE(s[399 - 380], 0.0); // below the file's range
    QCOMPARE(s[400 - 380], 1.0);
    QCOMPARE(s[402 - 380], 1.4);
    QCOMPARE(s[408 - 380], 3.2);
    QCOMPARE(s[555 - 380], 6.0);
    QCOMPARE(s[700 - 380], 8.0);
    QCOMPARE(s[701 - 380], 0.0); // above it
  }

  void refusesWhatIsNotAList() {
    const struct {
      const char *name;
      QByteArray text;
      QString says;
    } cases[] = {
        {"empty.txt", "", "holds no wavelength and value pair"},
        {"header.txt", "nm value\n", "holds no wavelength and value pair"},
        {"falling.txt", "400 1\n410 2\n405 3\n", "line 3: the wavelengths do not rise"},
        {"broken.txt", "400 1\n410 2 3\n", "line 2: expected a wavelength and a value"},
        {"nan.txt", "400 1\n410 nan\n", "line 2: expected a wavelength and a value"},
    };
    for (const auto &c : cases) {
      lightquality::Spectrum s{};
      s[0] = 7;
      QString error;
      QVERIFY(!solvane::quality::readTwoColumnSpectrum(write(c.name, c.text), &s, &error));
      QVERIFY2(error.contains(c.name) && error.endsWith(c.says), qPrintable(error));
      QCOMPARE(s[0], 7.0); // left as it was
    }
    QString error;
    lightquality::Spectrum s{};
    QVERIFY(!solvane::quality::readTwoColumnSpectrum(dir.filePath("none.txt"), &s, &error));
    QVERIFY(error.endsWith("none.txt: No such file or directory"));
  }
};

QTEST_MAIN(TestTwoColumnSpectrum)
#include "tst_two_column_spectrum.moc"
