// The SPDX file of a record read back as a lighting tool reads it: the root
// element with its namespace and version, the header and the spectral
// distribution in their order, every required element, and the 401 values
// at their wavelengths.

#include "solvane/quality/spdx.h"

#include "lightquality/usergroups.h"

#include <QXmlStreamReader>
#include <QtTest>

#include <limits>

namespace {

struct Element {
  QString path; // parent/child, from the root's children down
  QXmlStreamAttributes attributes;
  QString text;
};

// Every element below the root (the reader stands on its start), in
// document order, with its text.
QList<Element> elements(QXmlStreamReader &xml) {
  QList<Element> found;
  QStringList path{xml.name().toString()};
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement) {
      path << xml.name().toString();
      found << Element{path.mid(1).join('/'), xml.attributes(), QString()};
    } else if (token == QXmlStreamReader::Characters && !xml.isWhitespace()) {
      found.last().text += xml.text();
    } else if (token == QXmlStreamReader::EndElement) {
      path.removeLast();
    }
  }
  return found;
}

// The SpectralData values, checked to stand at 380, 381, ... nm.
QVector<double> spectralValues(const QList<Element> &found) {
  QVector<double> values;
  for (const Element &e : found) {
    if (e.path == "SpectralDistribution/SpectralData") {
      if (e.attributes.value("wavelength").toInt() != 380 + values.size()) {
        return {};
      }
      values << e.text.toDouble();
    }
  }
  return values;
}

solvane::quality::RecordInput sampleInput() {
  solvane::quality::RecordInput input{};
  input.label = "NO.004";
  input.time = "2019-05-21T14:03:09";
  input.illuminance = 523.8;
  for (int i = 0; i < lightquality::kSpectrumValues; ++i) {
    input.spectrum[static_cast<std::size_t>(i)] = 1000 + i * 0.125;
  }
  return input;
}

} // namespace

class TestSpdx : public QObject {
  Q_OBJECT

private slots:
  void documentHoldsEveryRequiredElement() {
    const QByteArray document = solvane::quality::spdxDocument(sampleInput(), QDate(2026, 12, 8));
    QVERIFY(document.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QXmlStreamReader xml(document);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QString("IESTM2714"));
    QCOMPARE(xml.namespaceUri().toString(), QString("http://www.ies.org/iestm2714"));
    QCOMPARE(xml.attributes().value("version").toString(), QString("1.0"));
    const QList<Element> found = elements(xml);
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    QStringList paths;
    for (const Element &e : found) {
      if (!paths.contains(e.path)) {
        paths << e.path;
      }
    }
    // Every required element, and the optional ones the program fills, in
    // the order the format prescribes.
    const QStringList order = {"Header",
                               "Header/Description",
                               "Header/DocumentCreator",
                               "Header/UniqueIdentifier",
                               "Header/MeasurementEquipment",
                               "Header/ReportDate",
                               "Header/DocumentCreationDate",
                               "Header/Comments",
                               "SpectralDistribution",
                               "SpectralDistribution/SpectralQuantity",
                               "SpectralDistribution/SpectralData"};
    QCOMPARE(paths, order);
    QMap<QString, QString> text;
    for (const Element &e : found) {
      text.insert(e.path, e.text);
    }
    QVERIFY(text["Header/Description"].contains("NO.004"));
    QVERIFY(!text["Header/DocumentCreator"].isEmpty());
    QCOMPARE(text["Header/DocumentCreationDate"], QString("2026-12-08"));
    QCOMPARE(text["Header/ReportDate"], QString("2019-05-21"));
    QVERIFY(!QUuid::fromString(text["Header/UniqueIdentifier"]).isNull());
    QCOMPARE(text["SpectralDistribution/SpectralQuantity"], QString("irradiance"));
    QVERIFY(text["Header/Comments"].contains("W·m⁻²·nm⁻¹"));

    const lightquality::Spectrum irradiance =
        lightquality::spectralIrradiance(sampleInput().spectrum, sampleInput().illuminance);
    QCOMPARE(spectralValues(found), QVector<double>(irradiance.begin(), irradiance.end()));
  }

  // Without an illuminance the file says the values are relative and keeps
  // them as the record holds them.
  void recordWithoutIlluminanceStaysRelative() {
    solvane::quality::RecordInput input = sampleInput();
    input.illuminance = std::numeric_limits<double>::quiet_NaN();
    QXmlStreamReader xml(solvane::quality::spdxDocument(input, QDate(2026, 12, 8)));
    QVERIFY(xml.readNextStartElement());
    const QList<Element> found = elements(xml);
    QMap<QString, QString> text;
    for (const Element &e : found) {
      text.insert(e.path, e.text);
    }
    QCOMPARE(text["SpectralDistribution/SpectralQuantity"], QString("relative"));
    QVERIFY(text["Header/Comments"].contains("relative", Qt::CaseInsensitive));
    QCOMPARE(spectralValues(found),
             QVector<double>(input.spectrum.begin(), input.spectrum.end()));
  }

  void failedSaveLeavesNoFile() {
    QTemporaryDir dir;
    const QString good = dir.filePath("a.spdx");
    QString error;
    QVERIFY(solvane::quality::saveSpdx(sampleInput(), good, &error));
    QVERIFY(QFile(good).size() > 0);
    const QString bad = dir.filePath("missing/a.spdx");
    QVERIFY(!solvane::quality::saveSpdx(sampleInput(), bad, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(bad));
  }
};

QTEST_GUILESS_MAIN(TestSpdx)
#include "tst_spdx.moc"
