// Spectra in and out on the command line: metrics and compare of other
// instruments' files, the absolute spectra of a data file, and the SPDX
// file that states its unit and reads back to the record's illuminance.

#include "cli_run.h"
#include "lightquality/usergroups.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using clitest::Run;
using clitest::run;

namespace {

const QString kExports = QStringLiteral(SUITE_DATA_DIR "/other_meters/");

QJsonArray jsonArray(const Run &r) {
  return QJsonDocument::fromJson(r.out.toUtf8()).array();
}

void writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestCliSpectra : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString demoCsv;

private slots:
  void initTestCase() {
    demoCsv = dir.filePath("demo.csv");
    QCOMPARE(run({"read", "--csv", demoCsv}).exitCode, 0);
  }

  // One element in the shape of a record's, the illuminance the file's own,
  // and the figures near the meters' (the library test holds them closely).
  void metricsOfTheTwoMetersExports() {
    const Run sekonic =
        run({"metrics", "--json", "--spectrum", kExports + "sekonic_export_3262K.csv"});
    QCOMPARE(sekonic.exitCode, 0);
    const QJsonArray one = jsonArray(sekonic);
    QCOMPARE(one.size(), 1);
    const QJsonObject o = one[0].toObject();
    QCOMPARE(o["record"].toString(), QString("sekonic_export_3262K.csv"));
    QCOMPARE(o["illuminance_lx"].toDouble(), 30.1);
    QVERIFY(qAbs(o["tm30_18"]["rf"].toDouble() - 87.34) < 0.01);
    QVERIFY(o["cie_s026"]["irradiance_mW_m2"]["melanopic"].isDouble());

    const Run uprtek = run({"metrics", "--spectrum", kExports + "uprtek_export_5198K.txt"});
    QCOMPARE(uprtek.exitCode, 0);
    QVERIFY(uprtek.out.startsWith("uprtek_export_5198K.txt  2021/01/04_23:14:46  Ev 695.15 lx"));
    QVERIFY(uprtek.out.contains("CIE 13.3                  Ra 92.96"));
  }

  // Without an illuminance or a unit the figures that need one are null;
  // values declared as W·m⁻²·nm⁻¹ give their own illuminance.
  void illuminanceFromTheFileTheUnitOrNowhere() {
    // A comma in the name must not reach the record's label, which a data
    // file holds unquoted.
    const QString relative = dir.filePath("lamp, relative.csv");
    writeFile(relative, "380;0,5\n780;1,5\n");
    const QJsonObject none =
        jsonArray(run({"metrics", "--spectrum", relative, "--json"}))[0].toObject();
    QCOMPARE(none["record"].toString(), QString("lamp  relative.csv"));
    QVERIFY(none["illuminance_lx"].isNull());
    QVERIFY(none["photon"]["ppfd_umol_m2_s"].isNull());
    QVERIFY(none["cie_s026"]["irradiance_mW_m2"]["melanopic"].isNull());
    QVERIFY(none["tm30_18"]["rf"].isDouble());

    const QString absolute = dir.filePath("absolute.txt");
    writeFile(absolute, "nm\tW/m2/nm\n380\t0.01\n780\t0.01\n");
    const QJsonObject own =
        jsonArray(run({"metrics", "--spectrum", absolute, "--json"}))[0].toObject();
    lightquality::Spectrum flat;
    flat.fill(0.01);
    QVERIFY(qAbs(own["illuminance_lx"].toDouble() - lightquality::illuminanceOfIrradiance(flat)) <
            0.01);
  }

  void aFileThatIsNoSpectrumGetsOneLine() {
    const QString bad = dir.filePath("bad.txt");
    writeFile(bad, "wavelength,value\n380,1\n390,oops\n");
    const QString empty = dir.filePath("empty.txt");
    writeFile(empty, "");
    for (const QStringList &args :
         {QStringList{"metrics", "--spectrum", bad}, {"metrics", "--json", "--spectrum", empty},
          {"compare", "--csv", demoCsv, "--records", "0", "--spectrum", bad},
          {"metrics", "--spectrum", demoCsv}}) {
      const Run r = run(args);
      QCOMPARE(r.exitCode, 3);
      QVERIFY(r.out.isEmpty());
      QCOMPARE(r.err.count('\n'), 1);
      QVERIFY2(r.err.startsWith("solvane-cli: cannot read the spectrum"), qPrintable(r.err));
    }
    QVERIFY(run({"metrics", "--spectrum", bad}).err.endsWith(
        "bad.txt: line 3: expected two numbers, a wavelength in nm and a value, separated by a "
        "comma, semicolon, tab or blanks, found '390,oops'\n"));
    QVERIFY(run({"metrics", "--spectrum", empty}).err.endsWith(
        "empty.txt: the file is empty: expected a spectrum\n"));
  }

  // Lights in the order given; a spectrum file has no index.
  void compareRecordsWithSpectra() {
    const Run r = run({"compare", "--json", "--spectrum", kExports + "sekonic_export_3262K.csv",
                       "--csv", demoCsv, "--records", "0,3"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray rows = jsonArray(r);
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows[0]["index"].isNull());
    QCOMPARE(rows[0]["ssi"].toDouble(), 100.0);
    QCOMPARE(rows[2]["index"].toInt(), 3);
    QVERIFY(run({"compare", "--spectrum", kExports + "uprtek_export_5198K.txt", "--spectrum",
                 kExports + "sekonic_export_3262K.csv"})
                .out.startsWith("against uprtek_export_5198K.txt (file)\n"));
    QCOMPARE(run({"compare", "--spectrum", demoCsv}).exitCode, 2);
  }

  // Each line's values are W·m⁻²·nm⁻¹ whose illuminance is the record's.
  void spectrumGivesAbsoluteSpectraPerRecord() {
    const QString out = dir.filePath("irradiance.csv");
    QCOMPARE(run({"spectrum", "--csv", demoCsv, "--out", out}).exitCode, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 10); // header, 8 records, the end
    QVERIFY(lines[0].startsWith("Data,Date,Ev (lx),380 nm (W·m⁻²·nm⁻¹),"));
    for (int i = 1; i <= 8; ++i) {
      const QList<QByteArray> fields = lines[i].split(',');
      QCOMPARE(fields.size(), 3 + lightquality::kSpectrumValues);
      lightquality::Spectrum ee;
      for (int j = 0; j < lightquality::kSpectrumValues; ++j) {
        ee[static_cast<std::size_t>(j)] = fields[3 + j].toDouble();
      }
      QVERIFY(qAbs(lightquality::illuminanceOfIrradiance(ee) / fields[2].toDouble() - 1) < 1e-5);
    }
  }

  void spdxStatesItsUnitAndReadsBackToTheIlluminance() {
    const QString spdx = dir.filePath("record1.spdx");
    QCOMPARE(run({"spdx", "--csv", demoCsv, "--record", "1", "--out", spdx}).exitCode, 0);
    QFile file(spdx);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("<SpectralQuantity>irradiance</SpectralQuantity>"));
    QVERIFY(text.contains("W·m⁻²·nm⁻¹"));
    const QJsonObject record =
        jsonArray(run({"metrics", "--csv", demoCsv, "--json"}))[1].toObject();
    const QJsonObject back = jsonArray(run({"metrics", "--spectrum", spdx, "--json"}))[0].toObject();
    QVERIFY(qAbs(back["illuminance_lx"].toDouble() / record["illuminance_lx"].toDouble() - 1) <
            1e-5);
  }

  void versionAndCommandHelp() {
    const Run version = run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("solvane-cli 1."));
    const Run help = run({"metrics", "--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("usage: solvane-cli metrics [--csv FILE | --spectrum FILE]"));
    QVERIFY(help.err.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestCliSpectra)
#include "tst_cli_spectra.moc"
