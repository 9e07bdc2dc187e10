// The user-group figures of solvane-cli metrics and the compare command as a
// script sees them: every record of the demo meter's data file carries the
// figures the library gives for its fields, undefined ones are null with a
// reason, --ssi-reference adds exactly one more SSI and --tlmf-reference one
// more TLMF, compare gives the table
// of the window's Compare dialog; bad arguments and records one error line.

#include "cli_run.h"
#include "pdf_tools.h"
#include "lightquality/usergroups.h"
#include "solvane/quality/comparison_table.h"
#include "solvane/records/measurement_record.h"
#include "tsiostream.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using clitest::Run;
using clitest::run;
namespace rec = solvane::records;

namespace {

QJsonArray jsonArray(const Run &r) {
  return QJsonDocument::fromJson(r.out.toUtf8()).array();
}

// The records of a CSV file as RFC 4180 has them: quoted fields may hold
// separators, doubled quotes and line breaks.
QList<QStringList> csvRows(const QString &text) {
  QList<QStringList> rows{{QString()}};
  bool quoted = false;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      rows.last().last() += c;
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      rows.last() << QString();
    } else if (!quoted && c == '\n') {
      rows << QStringList{QString()};
    } else {
      rows.last().last() += c;
    }
  }
  rows.removeLast(); // after the last line's end
  return rows;
}

QList<QStringList> csvFile(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? csvRows(QString::fromUtf8(file.readAll()))
                                        : QList<QStringList>{};
}

// Fields equal as text, or as numbers to the last digits that another
// compiler's rounding may change.
bool sameField(const QString &a, const QString &b) {
  bool aNumber = false, bNumber = false;
  const double x = a.toDouble(&aNumber), y = b.toDouble(&bNumber);
  return a == b || (aNumber && bNumber && qAbs(x - y) <= 1e-9 * qMax(1.0, qAbs(x)));
}

// A JSON number equals a figure, or is null where the figure is NaN.
bool sameFigure(const QJsonValue &json, double figure) {
  return std::isfinite(figure)
             ? json.isDouble() && qAbs(json.toDouble() - figure) <= 1e-9 * qMax(1.0, qAbs(figure))
             : json.isNull();
}

} // namespace

class TestCliFigures : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString demoCsv;
  QList<QStringList> records;

  QString path(const QString &name) const { return dir.filePath(name); }

  solvane::quality::RecordQuality evaluated(int index) const {
    solvane::quality::RecordQuality q;
    QString problem;
    const bool ok = solvane::quality::evaluateRecord(records[index], &q, &problem);
    Q_ASSERT(ok);
    return q;
  }

private slots:
  void initTestCase() {
    demoCsv = path("demo.csv");
    QCOMPARE(run({"read", "--csv", demoCsv}).exitCode, 0);
    TSIOStream stream;
    stream.setFileName(demoCsv);
    QStringList header;
    QVERIFY(stream.readSolvaneData(&header, &records));
    QCOMPARE(records.size(), 8);
  }

  // Every record carries the four groups with the library's values; the
  // narrow-band LED (NO.007) has no far-red light, so no R:FR.
  void metricsJsonCarriesTheUserGroupFigures() {
    const Run r = run({"metrics", "--csv", demoCsv, "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray all = jsonArray(r);
    QCOMPARE(all.size(), records.size());
    for (int i = 0; i < all.size(); ++i) {
      const QJsonObject o = all[i].toObject();
      const lightquality::UserGroupFigures f = evaluated(i).metrics.userGroups;
      QVERIFY2(sameFigure(o["ssi"]["planck_3200K"], f.ssiPlanck3200.value),
               qPrintable(o["record"].toString()));
      QVERIFY(sameFigure(o["ssi"]["daylight_5600K"], f.ssiDaylight5600.value));
      QVERIFY(sameFigure(o["photon"]["ppfd_umol_m2_s"], f.photon.ppfd));
      QVERIFY(sameFigure(o["photon"]["pfd_fr_umol_m2_s"], f.photon.pfdFarRed));
      QVERIFY(sameFigure(o["photon"]["r_fr"], f.photon.redFarRed));
      QVERIFY(sameFigure(o["scotopic"]["s_p_ratio"], f.scotopic.value));
      const double ev = records[i][rec::kIlluminance].toDouble();
      QVERIFY(sameFigure(o["exposure"]["ev100"], std::log2(ev * 100 / 250)));
      QCOMPARE(o["exposure"]["calibration_constant"].toDouble(), 250.0);
    }
    // Illuminant A and the LED: known SSIs, and null with a reason.
    QCOMPARE(all[0]["ssi"]["planck_3200K"].toDouble(), 91.0);
    QCOMPARE(all[0]["ssi"]["daylight_5600K"].toDouble(), 55.0);
    QVERIFY(all[7]["photon"]["r_fr"].isNull());
    QVERIFY(all[7]["photon"]["reason"].toString().contains("725 and 735 nm"));
    QVERIFY(all[7]["photon"]["ppfd_umol_m2_s"].toDouble() > 0);
  }

  // A record of no light: zero fluxes, no EV, no R:FR, all null or 0 and
  // never a number that is not one.
  void darkRecordHasNullsNotNumbers() {
    QStringList dark = records[1];
    dark[rec::kIlluminance] = "0.00";
    const QString csv = path("dark.csv");
    TSIOStream stream;
    stream.setFileName(csv);
    QVERIFY(stream.writeSolvaneData(TSIOStream::dataFileHeader(), {dark}));
    const Run r = run({"metrics", "--csv", csv, "--json"});
    QCOMPARE(r.exitCode, 0);
    QJsonParseError parsed;
    QJsonDocument::fromJson(r.out.toUtf8(), &parsed); // a NaN or inf would not parse
    QCOMPARE(parsed.error, QJsonParseError::NoError);
    const QJsonObject o = jsonArray(r)[0].toObject();
    QVERIFY(o["exposure"]["ev100"].isNull());
    QVERIFY(!o["exposure"]["reason"].toString().isEmpty());
    QCOMPARE(o["photon"]["ppfd_umol_m2_s"].toDouble(), 0.0);
    QVERIFY(o["photon"]["r_fr"].isNull());
    QVERIFY(o["ssi"]["daylight_5600K"].isDouble()); // the shape still has its SSI

    const Run table = run({"metrics", "--csv", csv});
    QVERIFY(table.out.contains("EV100 n/a (C = 250)"));
    QVERIFY(table.out.contains("R:FR n/a"));
  }

  void metricsTableShowsEachGroup() {
    const Run r = run({"metrics", "--csv", demoCsv});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split('\n');
    const lightquality::UserGroupFigures f = evaluated(0).metrics.userGroups;
    QVERIFY(
        lines.contains(QString("  Cinema                    SSI Planck 3200 K 91   SSI daylight "
                               "5600 K 55   EV100 %1 (C = 250)")
                           .arg(f.exposure.ev100, 0, 'f', 2)));
    QVERIFY(lines.contains(
        QString::fromUtf8("  Horticulture              PPFD %1 µmol/m²/s   PFD-FR %2 "
                          "µmol/m²/s   R:FR %3")
            .arg(f.photon.ppfd, 0, 'f', 3)
            .arg(f.photon.pfdFarRed, 0, 'f', 3)
            .arg(f.photon.redFarRed, 0, 'f', 3)));
    QVERIFY(lines.contains(
        QString("  Outdoor lighting          S/P %1").arg(f.scotopic.value, 0, 'f', 3)));
  }

  // One more SSI under its own key: a reference that repeats a default
  // gives the same numbers, a record against itself 100.
  void ssiReferenceAddsOneIndex() {
    const Run planck =
        run({"metrics", "--csv", demoCsv, "--json", "--ssi-reference", "planck:4300"});
    QCOMPARE(planck.exitCode, 0);
    const lightquality::Spectrum at4300 = lightquality::ssiPlanckReference(4300);
    for (int i = 0; i < records.size(); ++i) {
      const QJsonObject ssi = jsonArray(planck)[i].toObject()["ssi"].toObject();
      QCOMPARE(ssi.size(), 4); // two defaults, the extra one, the reason
      QVERIFY(sameFigure(
          ssi["planck_4300K"],
          lightquality::spectralSimilarityIndex(evaluated(i).input.spectrum, at4300).value));
    }
    const QJsonArray record =
        jsonArray(run({"metrics", "--ssi-reference", "record:2", "--csv", demoCsv, "--json"}));
    QCOMPARE(record[2].toObject()["ssi"].toObject()["record_2"].toDouble(), 100.0);
    QVERIFY(record[0].toObject()["ssi"].toObject()["record_2"].toDouble() < 100);
    const Run table = run({"metrics", "--csv", demoCsv, "--ssi-reference", "daylight:5600K"});
    QVERIFY(table.out.contains("SSI daylight_5600K 55"));

    // The meter path takes it too.
    const Run meter = run({"metrics", "--json", "--ssi-reference", "daylight:6500"});
    QCOMPARE(meter.exitCode, 0);
    QVERIFY(jsonArray(meter)[1].toObject()["ssi"].toObject()["daylight_6500K"].toDouble() > 90);

    for (const char *bad : {"planck:abc", "daylight:3000", "record:-1", "sun:5000", ""}) {
      const Run r = run({"metrics", "--csv", demoCsv, "--ssi-reference", bad});
      QCOMPARE(r.exitCode, 2);
      QVERIFY2(r.err.startsWith("solvane-cli: usage: solvane-cli metrics [--csv FILE | --spectrum FILE] [--json | --out OUT.csv] "
                                "[--ssi-reference planck:T|daylight:T|record:N]"),
               qPrintable(r.err));
      QCOMPARE(r.err.count('\n'), 1);
    }
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--ssi-reference"}).exitCode, 2);
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--ssi-reference", "planck:3000", "--ssi-reference",
                  "planck:4000"})
                 .exitCode,
             2);
    const Run missing = run({"metrics", "--csv", demoCsv, "--ssi-reference", "record:8"});
    QCOMPARE(missing.exitCode, 3);
    QCOMPARE(missing.err, QString("solvane-cli: there is no SSI reference record 8: the input "
                                  "holds 8 records\n"));
    QVERIFY(missing.out.isEmpty());
    const Run noFile =
        run({"metrics", "--csv", path("none.csv"), "--ssi-reference", "record:0", "--json"});
    QCOMPARE(noFile.exitCode, 3);
    QVERIFY2(noFile.err.endsWith("none.csv: No such file or directory\n"), qPrintable(noFile.err));
    QCOMPARE(noFile.err.count('\n'), 1);
    QVERIFY(noFile.out.isEmpty());
  }

  // TLCI and TLMF of every record as the library gives them, the reference
  // by name, the caution where d > 1, and null with the reason for the LED,
  // which has no CCT.
  void metricsCarryTheTelevisionFigures() {
    const QJsonArray all = jsonArray(run({"metrics", "--csv", demoCsv, "--json"}));
    QCOMPARE(all.size(), records.size());
    for (int i = 0; i < all.size(); ++i) {
      const QJsonObject tlci = all[i]["tlci"].toObject();
      const QJsonObject tlmf = all[i]["tlmf"].toObject();
      const lightquality::TelevisionFigures t = evaluated(i).metrics.userGroups.television;
      QVERIFY(sameFigure(tlci["qa"], t.tlci.qa));
      QVERIFY(sameFigure(tlci["delta_e"], t.tlci.deltaE));
      QVERIFY(sameFigure(tlci["cct_k"], t.tlci.cctKelvin));
      QVERIFY(sameFigure(tlci["d"], t.tlci.distance));
      QVERIFY(sameFigure(tlmf["cie_a"], t.tlmfIlluminantA.qa));
      QVERIFY(sameFigure(tlmf["d65"], t.tlmfD65.qa));
      if (std::isfinite(t.tlci.qa)) {
        QCOMPARE(tlci["reference"].toString(), lightquality::tlciReferenceName(t.tlci.reference));
        QCOMPARE(tlci["caution"].toBool(), t.tlci.distance > 1);
      }
    }
    QCOMPARE(all[0]["tlci"]["reference"].toString(), QString("planck")); // illuminant A
    QVERIFY(qAbs(all[0]["tlmf"]["cie_a"].toDouble() - 100) < 1e-6);
    QCOMPARE(all[5]["tlci"]["caution"].toBool(), true);
    QVERIFY(all[7]["tlci"]["qa"].isNull() && all[7]["tlci"]["reference"].isNull());
    QVERIFY(all[7]["tlci"]["reason"].toString().contains("Planckian locus"));

    const QStringList lines = run({"metrics", "--csv", demoCsv}).out.split('\n');
    const lightquality::TelevisionFigures t = evaluated(4).metrics.userGroups.television;
    QVERIFY(lines.contains(QString::fromUtf8("  Television                TLCI %1 (ΔEa %2, %3 K, "
                                             "blend, d %4)   TLMF CIE A %5   TLMF D65 %6")
                               .arg(t.tlci.qa, 0, 'f', 2)
                               .arg(t.tlci.deltaE, 0, 'f', 3)
                               .arg(t.tlci.cctKelvin, 0, 'f', 1)
                               .arg(t.tlci.distance, 0, 'f', 3)
                               .arg(t.tlmfIlluminantA.qa, 0, 'f', 2)
                               .arg(t.tlmfD65.qa, 0, 'f', 2)));
    QVERIFY(run({"metrics", "--csv", demoCsv}).out.contains("caution: d > 1"));
  }

  // One more TLMF: a record against itself is 100, and the same spectrum
  // from a two-column file (comment lines and a header) gives what the
  // record gives.
  void tlmfReferenceAddsOneMatch() {
    const QJsonArray byRecord =
        jsonArray(run({"metrics", "--csv", demoCsv, "--json", "--tlmf-reference", "record:3"}));
    QVERIFY(qAbs(byRecord[3]["tlmf"]["record_3"].toDouble() - 100) < 1e-6);
    QVERIFY(byRecord[0]["tlmf"]["record_3"].toDouble() < 100);

    const QString file = path("lamp.txt");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("# record NO.003\nwavelength_nm\tvalue\n");
    for (int nm = 380; nm <= 780; ++nm) {
      out.write(QString("%1\t%2\n").arg(nm).arg(records[3][rec::kFirstIntensity + nm - 380]).toUtf8());
    }
    out.close();
    const QJsonArray byFile =
        jsonArray(run({"metrics", "--csv", demoCsv, "--json", "--tlmf-reference", file}));
    for (int i = 0; i < records.size(); ++i) {
      QVERIFY(sameFigure(byFile[i]["tlmf"]["lamp.txt"], byRecord[i]["tlmf"]["record_3"].toDouble()));
    }
    QVERIFY(run({"metrics", "--csv", demoCsv, "--tlmf-reference", file}).out.contains("TLMF lamp.txt "));

    QVERIFY(out.open(QIODevice::Append));
    out.write("790 n/a\n");
    out.close();
    const Run broken = run({"metrics", "--csv", demoCsv, "--tlmf-reference", file});
    QCOMPARE(broken.exitCode, 3);
    QVERIFY2(broken.err.contains("line 404: expected two numbers, a wavelength in nm and a value"), qPrintable(broken.err));
    QVERIFY(broken.out.isEmpty());
    const Run none = run({"metrics", "--csv", demoCsv, "--tlmf-reference", path("none.txt")});
    QCOMPARE(none.exitCode, 3);
    QVERIFY(none.err.endsWith("none.txt: No such file or directory\n"));
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--tlmf-reference", "record:8"}).err,
             QString("solvane-cli: there is no TLMF reference record 8: the input holds 8 "
                     "records\n"));
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--tlmf-reference"}).exitCode, 2);
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--tlmf-reference", "--json"}).exitCode, 2);
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--tlmf-reference", "record:1", "--tlmf-reference",
                  "record:2"})
                 .exitCode,
             2);
  }

  // The report's light-quality page carries the same figures in its block.
  void reportPageShowsTheUserGroupBlock() {
    const QString pdf = path("report.pdf");
    QCOMPARE(
        run({"report", "--csv", demoCsv, "--record", "4", "--pdf", pdf, "--pages", "2"}).exitCode,
        0);
    const QString page = pdftools::text(pdf, 2, 2);
    const lightquality::UserGroupFigures f = evaluated(4).metrics.userGroups;
    for (const QString &expected :
         {QString("Cinema, Horticulture and Outdoor Lighting"), QString("SSI Planck 3200 K"),
          QString::number(f.ssiPlanck3200.value), QString::number(f.exposure.ev100, 'f', 2),
          QString::number(f.photon.ppfd, 'f', 2), QString::number(f.photon.pfdFarRed, 'f', 2),
          QString::number(f.photon.redFarRed, 'f', 3), QString::number(f.scotopic.value, 'f', 3),
          QString("TLCI (Qa)"), QString::number(f.television.tlci.qa, 'f', 1),
          QString("blend %1 K").arg(f.television.tlci.cctKelvin, 0, 'f', 0),
          QString::number(f.television.tlmfD65.qa, 'f', 1)}) {
      QVERIFY2(page.contains(expected), qPrintable(expected));
    }
  }

  // metrics --out: the demo meter's data file as the golden file has it.
  // After a deliberate change of the figures or columns, regenerate it with
  //   solvane-cli read --csv demo.csv   (on the demo meter)
  //   solvane-cli metrics --csv demo.csv --out solvane/cli/tests/data/metrics_demo.csv
  void metricsCsvMatchesTheGoldenFile() {
    const QString out = path("metrics.csv");
    const Run r = run({"metrics", "--csv", demoCsv, "--out", out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString()); // the file may be standard output
    const QList<QStringList> written = csvFile(out);
    const QList<QStringList> golden = csvFile(QString(CLI_TEST_DATA) + "/metrics_demo.csv");
    QCOMPARE(written.size(), golden.size());
    for (int line = 0; line < golden.size(); ++line) {
      QCOMPARE(written[line].size(), golden[line].size());
      for (int column = 0; column < golden[line].size(); ++column) {
        QVERIFY2(sameField(written[line][column], golden[line][column]),
                 qPrintable(QString("line %1, %2: %3 instead of %4")
                                .arg(line)
                                .arg(golden[0][column], written[line][column],
                                     golden[line][column])));
      }
    }
  }

  // The meter's records give the same columns, one line each.
  void metricsCsvOfTheMeter() {
    const QString out = path("meter_metrics.csv");
    QCOMPARE(run({"metrics", "--out", out}).exitCode, 0);
    const QList<QStringList> rows = csvFile(out);
    QCOMPARE(rows.size(), records.size() + 1);
    QCOMPARE(rows[0], csvFile(QString(CLI_TEST_DATA) + "/metrics_demo.csv")[0]);
    QCOMPARE(rows[1][0], records[0][rec::kLabel]);
  }

  // Columns name the figure, unit and method; a record that cannot be
  // evaluated keeps its line; a label with quotes is quoted.
  void metricsCsvHeaderAndFields() {
    QStringList broken = records[1];
    broken[rec::kIlluminance] = "lots";
    const QString csv = path("broken.csv");
    TSIOStream stream;
    stream.setFileName(csv);
    QVERIFY(stream.writeSolvaneData(TSIOStream::dataFileHeader(), {records[0], broken}));
    const QString out = path("broken_metrics.csv");
    QCOMPARE(run({"metrics", "--csv", csv, "--out", out}).exitCode, 3); // one not evaluated
    const QList<QStringList> rows = csvFile(out);
    QCOMPARE(rows.size(), 3);
    const QStringList &header = rows[0];
    for (const char *name :
         {"Record", "Ra (meter's method)", "Ra (CIE 13.3)", "CCT [K] (meter's method)",
          "CCT [K] (CIE 15:2018)", "CCT defined (CIE 15:2018)", "R9 (CIE 13.3)",
          "Rf (CIE 2017, TM-30-18)", "Melanopic EDI [lx] (CIE S 026)", "TLCI CCT [K]"}) {
      QVERIFY2(header.contains(name), name);
    }
    QCOMPARE(QSet<QString>(header.begin(), header.end()).size(), header.size());
    QCOMPARE(rows[1].size(), header.size());
    QCOMPARE(rows[2].size(), header.size());
    QCOMPARE(rows[1][header.indexOf("Not evaluated because")], QString());
    QCOMPARE(rows[1][header.indexOf("CCT defined (CIE 15:2018)")], QString("true"));
    QCOMPARE(rows[2][0], broken[rec::kLabel]);
    QVERIFY(!rows[2][header.indexOf("Not evaluated because")].isEmpty());
    QCOMPARE(rows[2][header.indexOf("Ra (CIE 13.3)")], QString());

    const QString quoted = path("lamp \"A\" hall.txt");
    QVERIFY(QFile::copy(QString(SUITE_DATA_DIR) + "/other_meters/uprtek_export_5198K.txt", quoted));
    QCOMPARE(run({"metrics", "--spectrum", quoted, "--out", out}).exitCode, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\n\"lamp \"\"A\"\" hall.txt\","));
    QCOMPARE(csvFile(out)[1][0], QString("lamp \"A\" hall.txt"));
  }

  // With --uncertainty each drawn figure is followed by its u, interval and
  // undefined draws, and the run's settings stand on every line.
  void metricsCsvWithUncertainty() {
    const QString out = path("uncertainty.csv");
    const QStringList args{"metrics",       "--csv",   demoCsv, "--out", out,
                           "--uncertainty", "--draws", "1000",  "--seed", "1"};
    QCOMPARE(run(args).exitCode, 0);
    const QList<QStringList> rows = csvFile(out);
    QCOMPARE(rows.size(), 9);
    const QStringList &header = rows[0];
    const auto at = [&header](const QString &name) {
      const int column = header.indexOf(name);
      Q_ASSERT(column >= 0);
      return column;
    };
    const QStringList &first = rows[1];
    QCOMPARE(first[at("Uncertainty mode")], QString("fixed"));
    QCOMPARE(first[at("Draws")], QString("1000"));
    QCOMPARE(first[at("Seed")], QString("1"));
    QCOMPARE(first[at("Uncertainty budget")], QString("default"));
    const double cct = first[at("CCT [K] (CIE 15:2018)")].toDouble();
    const double u = first[at("CCT [K] (CIE 15:2018) u")].toDouble();
    QVERIFY(u > 0 && u < 0.05 * cct);
    QVERIFY(first[at("CCT [K] (CIE 15:2018) low95")].toDouble() < cct);
    QVERIFY(first[at("CCT [K] (CIE 15:2018) high95")].toDouble() > cct);
    QCOMPARE(first[at("CCT [K] (CIE 15:2018) undefined draws")], QString("0"));
    QVERIFY(first[at("Ev [lx] u")].toDouble() > 0);
    QVERIFY(!header.contains("Ra (meter's method) u")); // the meter's own have none
    QVERIFY(!header.contains("Rf,h1 (TM-30-18) u"));

    const QString again = path("uncertainty_again.csv");
    QStringList repeated = args;
    repeated[4] = again;
    QCOMPARE(run(repeated).exitCode, 0);
    QCOMPARE(csvFile(again), rows);
  }

  // --out with --json is refused; a file that cannot be written says why,
  // and an earlier file stays as it was when the input cannot be read.
  void metricsCsvRefusesAndKeepsEarlierFiles() {
    const QString out = path("kept.csv");
    QCOMPARE(run({"metrics", "--csv", demoCsv, "--out", out, "--json"}).exitCode, 2);
    QVERIFY(!QFile::exists(out));
    const Run unwritable = run({"metrics", "--csv", demoCsv, "--out", path("no/such/dir.csv")});
    QCOMPARE(unwritable.exitCode, 3);
    QVERIFY(unwritable.err.contains("cannot write the metrics file"));
    {
      QFile earlier(out);
      QVERIFY(earlier.open(QIODevice::WriteOnly));
      earlier.write("earlier\n");
    }
    QCOMPARE(run({"metrics", "--csv", path("missing.csv"), "--out", out}).exitCode, 3);
    QFile kept(out);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("earlier\n"));
  }

  // --uncertainty adds every figure's uncertainty; a seed repeats a run
  // exactly, even one that a JSON double cannot hold.
  void metricsUncertaintyFromTheBudget() {
    const QStringList args{"metrics",  "--csv",  demoCsv, "--uncertainty", "--draws",
                           "1000",     "--seed", "18446744073709551615", "--json"};
    const Run r = run(args);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("\"seed\": 18446744073709551615"));
    QCOMPARE(run(args).out, r.out);
    const QJsonArray all = jsonArray(r);
    QCOMPARE(all.size(), records.size());
    for (const QJsonValue &record : all) {
      const QJsonObject u = record["uncertainty"].toObject();
      QCOMPARE(u["mode"].toString(), QString("fixed"));
      QCOMPARE(u["draws"].toInt(), 1000);
      QVERIFY(!u.contains("converged"));
      QCOMPARE(u["budget"]["scale_u_rel"].toDouble(), 0.02);
      const QJsonObject cct = u["figures"]["cct_K"].toObject();
      if (record["cie15_cct"]["cct_K"].isNull()) { // the LED, far from the locus
        QVERIFY(cct["u"].isNull());
        QVERIFY(!cct["reason"].toString().isEmpty());
        continue;
      }
      QCOMPARE(cct["value"].toDouble(), record["cie15_cct"]["cct_K"].toDouble());
      QVERIFY(cct["u"].toDouble() > 0);
      QVERIFY(cct["low95"].toDouble() < cct["high95"].toDouble());
    }

    const Run text = run({"metrics", "--csv", demoCsv, "--uncertainty", "--draws", "1000"});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.contains("budget default, 1000 draws (fixed), seed "));
    QVERIFY(text.out.contains(QRegularExpression(R"(CCT +\d+ ± \d+ K\n)")));
  }

  void metricsUncertaintyRefusesBadOptions() {
    const QString budget = path("budget.json");
    QFile file(budget);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"shift_u_nm": 9})");
    file.close();
    const QList<QPair<QStringList, QString>> cases{
        {{"--uncertainty", "--draws", "999"}, "--draws must be an integer from 1000 to 100000"},
        {{"--uncertainty", "--seed", "-1"},
         "--seed must be an integer from 0 to 18446744073709551615"},
        {{"--uncertainty", "--budget", budget},
         "budget: shift_u_nm must be a number from 0 to 5, got 9"},
    };
    for (const auto &c : cases) {
      const Run r = run(QStringList{"metrics", "--csv", demoCsv} + c.first);
      QCOMPARE(r.exitCode, 2);
      QCOMPARE(r.err, "solvane-cli: " + c.second + "\n");
      QVERIFY(r.out.isEmpty());
    }
    const Run alone = run({"metrics", "--csv", demoCsv, "--draws", "5000"});
    QCOMPARE(alone.exitCode, 2);
    QVERIFY(alone.err.startsWith("solvane-cli: usage: "));
  }

  // The report's third page: the budget, the draws and every figure with
  // its uncertainty; only after the light quality page.
  void reportPrintsTheUncertaintyPage() {
    const QString pdf = path("uncertainty.pdf");
    const QStringList report{"report", "--csv", demoCsv, "--record", "2", "--pdf", pdf};
    const QStringList uncertainty{"--uncertainty", "--draws", "1000", "--seed", "5"};
    QCOMPARE(run(report + QStringList{"--pages", "1"} + uncertainty).exitCode, 2);
    QCOMPARE(run(report + QStringList{"--pages", "2"} + uncertainty).exitCode, 0);
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", "-f", "3", "-l", "3", pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(page.contains("Budget default, 1000 draws (fixed), seed 5."), qPrintable(page));
    QVERIFY(page.contains(QRegularExpression(R"(CCT +4225 ± \d+ K)")));
    QVERIFY(page.contains("SSI daylight 5600 K"));
  }

  void compareGivesTheTableAgainstTheFirst() {
    const QList<int> indices{3, 0, 7};
    QList<solvane::quality::RecordQuality> chosen;
    for (int i : indices) {
      chosen << evaluated(i);
    }
    const QList<lightquality::Comparison> expected = solvane::quality::compareWithFirst(chosen);

    const Run json = run({"compare", "--json", "--csv", demoCsv, "--records", "3,0,7"});
    QCOMPARE(json.exitCode, 0);
    const QJsonArray rows = jsonArray(json);
    QCOMPARE(rows.size(), 3);
    for (int i = 0; i < 3; ++i) {
      const QJsonObject o = rows[i].toObject();
      QCOMPARE(o["index"].toInt(), indices[i]);
      QCOMPARE(o["record"].toString(), records[indices[i]][rec::kLabel]);
      QVERIFY(sameFigure(o["delta_ev_percent"], expected[i].illuminancePercent));
      QVERIFY(sameFigure(o["delta_cct_K"], expected[i].cctKelvin));
      QVERIFY(sameFigure(o["delta_duv"], expected[i].duv));
      QVERIFY(sameFigure(o["delta_uv_prime"], expected[i].uvPrimeDistance));
      QVERIFY(sameFigure(o["delta_ra"], expected[i].ra));
      QVERIFY(sameFigure(o["delta_rf"], expected[i].rf));
      QVERIFY(sameFigure(o["ssi"], expected[i].ssi.value));
      QVERIFY(sameFigure(o["tlmf"], expected[i].tlmf.qa));
    }
    QCOMPARE(rows[0]["ssi"].toDouble(), 100.0);
    QVERIFY(qAbs(rows[0]["tlmf"].toDouble() - 100) < 1e-6);
    QVERIFY(rows[2]["delta_cct_K"].isNull()); // the LED has no CCT

    const Run table = run({"compare", "--csv", demoCsv, "--records", "3,0,7"});
    QCOMPARE(table.exitCode, 0);
    const QStringList lines = table.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], QString("against NO.003 (record 3)"));
    QVERIFY(lines[1].startsWith("methods: CIE 15:2018 CCT and Duv, CIE 13.3 Ra"));
    QCOMPARE(lines[4].split(' ', Qt::SkipEmptyParts).mid(2),
             solvane::quality::comparisonCells(expected[1]));
  }

  void compareRefusesBadArgumentsAndRecords() {
    QCOMPARE(run({"compare", "--csv", demoCsv, "--records", "1"}).exitCode, 2);
    QCOMPARE(run({"compare", "--csv", demoCsv, "--records", "1,x"}).exitCode, 2);
    QCOMPARE(run({"compare", "--csv", demoCsv}).exitCode, 2);
    QCOMPARE(run({"compare", "--records", "0,1"}).exitCode, 2);
    QCOMPARE(run({"compare", "--csv", demoCsv, "--records", "0,1", "--xml"}).exitCode, 2);
    const Run outOfRange = run({"compare", "--csv", demoCsv, "--records", "0,8"});
    QCOMPARE(outOfRange.exitCode, 3);
    QCOMPARE(outOfRange.err,
             QString("solvane-cli: %1 holds 8 records; there is no record 8\n").arg(demoCsv));
    QVERIFY(outOfRange.out.isEmpty());
    QCOMPARE(run({"compare", "--csv", path("missing.csv"), "--records", "0,1"}).exitCode, 3);

    const QString shortCsv = path("short.csv");
    TSIOStream stream;
    stream.setFileName(shortCsv);
    QVERIFY(stream.writeSolvaneData(TSIOStream::dataFileHeader(),
                                    {records[0], {"NO.800", "2019-05-21T14:03:09", "12"}}));
    const Run shortRecord = run({"compare", "--csv", shortCsv, "--records", "0,1"});
    QCOMPARE(shortRecord.exitCode, 3);
    QCOMPARE(shortRecord.err, QString("solvane-cli: record 1 of %1 cannot be compared: the "
                                      "record has 3 fields, the metrics need 430\n")
                                  .arg(shortCsv));
    const Run missingFile = run({"compare", "--csv", path("missing.csv"), "--records", "0,1"});
    QVERIFY2(missingFile.err.endsWith("missing.csv: No such file or directory\n"),
             qPrintable(missingFile.err));
    const Run usage = run({"compare", "--csv", demoCsv, "--records", "1"});
    QCOMPARE(usage.err, QString("solvane-cli: usage: solvane-cli compare [--csv FILE --records "
                                "N[,M...]] [--spectrum FILE]... [--json]\n"));
  }
};

QTEST_GUILESS_MAIN(TestCliFigures)
#include "tst_cli_figures.moc"
