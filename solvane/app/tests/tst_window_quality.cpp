// The Light quality button of the window against the simulated meter: the
// window of the clicked record with its figures beside the record's own, a
// warning for no record or a short one, its texts in Chinese, and the SPDX
// export from it.

#include "language.h"
#include "lightqualitydialog.h"
#include "uncertainty_panel.h"
#include "mainwindow.h"
#include "messagebox.h"

#include "meter_state.h"
#include "simulator.h"
#include "solvane/quality/figure_text.h"
#include "solvane/quality/record_quality.h"
#include "solvane/records/measurement_record.h"
#include "test_files.h"
#include "window_test.h"

#include "lightquality/usergroups.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace rec = solvane::records;
using solvane::quality::LightQualityDialog;

class TestWindowQuality : public QObject {
  Q_OBJECT

  Simulator sim;
  QStringList warnings;
  std::unique_ptr<MainWindow> window;
  QTemporaryDir workDir;
  const QJsonObject fourRecords = meterstate::withRecords(4);

  template <typename T> T *child(QObject *parent, const char *name) const {
    T *found = parent->findChild<T *>(name);
    Q_ASSERT(found);
    return found;
  }
  QTableWidget *stored() const {
    return child<QTableWidget>(window.get(), "tableWidget_storedData");
  }
  void clickQuality() { child<QPushButton>(window.get(), "btn_quality")->click(); }
  QList<LightQualityDialog *> qualityWindows() const {
    return window->findChildren<LightQualityDialog *>();
  }
  QString text(LightQualityDialog *dialog, const char *label) const {
    return child<QLabel>(dialog, label)->text();
  }

  void readFourRecords() {
    QVERIFY(sim.load(meterstate::text(fourRecords)));
    child<QPushButton>(window.get(), "btn_readData")->click();
    QCOMPARE(stored()->rowCount(), 4);
    warnings.clear(); // the read's own message
  }

private slots:
  void initTestCase() {
    QVERIFY(sim.ready());
    solvane::ui::setMessageAnswerer(
        [this](QMessageBox::Icon, const QString &title, const QString &text) {
          warnings << title + "|" + text;
          return QMessageBox::Ok;
        });
  }

  void init() {
    warnings.clear();
    window = std::make_unique<MainWindow>();
    window->show();
  }

  void cleanup() { window.reset(); }

  void cleanupTestCase() { solvane::ui::setMessageAnswerer({}); }

  void withoutARecordOnlyAWarning() {
    clickQuality();
    QCOMPARE(warnings, QStringList{"Error|No record is selected"});
    QVERIFY(qualityWindows().isEmpty());
  }

  // Each click opens a window of the clicked record; the standard figures
  // are the library's for that record's fields, its own figures its fields.
  void opensTheClickedRecord() {
    readFourRecords();
    stored()->cellClicked(2, 0);
    clickQuality();
    stored()->cellClicked(1, 0);
    clickQuality();
    QVERIFY(warnings.isEmpty());
    const QList<LightQualityDialog *> windows = qualityWindows();
    QCOMPARE(windows.size(), 2);
    LightQualityDialog *second = windows[1];
    QVERIFY(second->isVisible());
    QVERIFY(second->windowTitle().endsWith("NO.001"));
    QVERIFY(windows[0]->windowTitle().endsWith("NO.002"));

    solvane::quality::RecordQuality quality;
    QString reason;
    QVERIFY(solvane::quality::evaluateRecord(expectedRecord(fourRecords, 1), &quality, &reason));
    QVERIFY(text(second, "label_record").contains(expectedRecord(fourRecords, 1)[rec::kDateTime]));
    QCOMPARE(text(second, "value_rf"), QString::number(quality.metrics.fidelity.rf, 'f', 1));
    QCOMPARE(text(second, "value_cct"), QString::number(quality.metrics.cct.kelvin, 'f', 0));
    QCOMPARE(text(second, "value_ownRa"),
             QString::number(expectedRecord(fourRecords, 1)[rec::kRa].toDouble(), 'f', 2));
    QCOMPARE(text(second, "value_ownDuv"),
             QString::number(expectedRecord(fourRecords, 1)[rec::kDuv].toDouble(), 'f', 4));
    QCOMPARE(child<QTableWidget>(second, "table_specialIndices")->columnCount(), 14);
    QCOMPARE(child<QTableWidget>(second, "table_alphaOpic")->item(1, 4)->text(),
             QString::number(quality.metrics.alphaOpic.edi[lightquality::kMelanopic], 'f', 2));
    QVERIFY(!child<QLabel>(second, "label_reasons")->isVisible());
  }

  // A record of a file that lacks fields opens no window.
  void aShortRecordOnlyAWarning() {
    const QString file = workDir.filePath("short.csv");
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Data,Date,Ev\nNO.007,2019-05-21T14:03:09,12\n");
    csv.close();
    QTimer::singleShot(0, [file] {
      auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->selectFile(file);
      static_cast<QDialog *>(dialog)->accept();
    });
    child<QPushButton>(window.get(), "btn_open")->click();
    QCOMPARE(stored()->rowCount(), 1);
    warnings.clear();
    clickQuality();
    QCOMPARE(warnings, QStringList{"Error|The light quality of the selected record cannot be "
                                   "shown: the record has 3 fields, the metrics need 430"});
    QVERIFY(qualityWindows().isEmpty());
  }

  // The window's own texts and the figure table's (the names, the note on
  // the methods) are both in Chinese.
  void textsAreTranslated() {
    {
      const solvane::language::Translations chinese(0);
      QVERIFY(chinese.loaded());
      readFourRecords();
      clickQuality();
    }
    QCOMPARE(qualityWindows().size(), 1);
    QVERIFY(child<QLabel>(qualityWindows()[0], "label_methodsNote")
                ->text()
                .startsWith(QString::fromUtf8("仪器算法在自己较粗的网格上")));
    QVERIFY(qualityWindows()[0]->windowTitle().startsWith(QString::fromUtf8("光品质")));
    QCOMPARE(child<QPushButton>(qualityWindows()[0], "btn_close")->text(),
             QString::fromUtf8("关闭"));
    QCOMPARE(child<QCheckBox>(qualityWindows()[0], "check_showUncertainty")->text(),
             QString::fromUtf8("显示不确定度"));
  }

  // Every reason the library gives for a missing figure reads in Chinese:
  // a record without light, one with a negative illuminance, a narrow-band
  // LED far from the locus, a spectrum without far red, and light only
  // past 760 nm, which the television camera does not see.
  void reasonsAreTranslated() {
    std::optional<solvane::language::Translations> chinese(std::in_place, 0);
    lightquality::Spectrum led{};
    for (int j = 0; j < lightquality::kSpectrumValues; ++j) {
      const double offset = (lightquality::kFirstNm + j - 530) / 10.0;
      led[j] = std::exp(-offset * offset / 2);
    }
    lightquality::Spectrum farRed{}; // past the television camera's 760 nm
    std::fill(farRed.end() - 16, farRed.end(), 1.0);
    QStringList untranslated;
    for (const auto &[spectrum, lux] :
         {std::pair{lightquality::Spectrum{}, 0.0}, std::pair{led, -1.0}, std::pair{led, 0.0},
          std::pair{farRed, 10.0}}) {
      const lightquality::LightQuality q = lightquality::lightQuality(spectrum, lux);
      const lightquality::FigureSource source{q, nullptr};
      for (const lightquality::FigureGroupInfo &info : lightquality::figureGroups()) {
        const std::string reason = lightquality::groupReason(source, info.group);
        const QString shown =
            solvane::quality::reasonText(reason, solvane::quality::translatedFigureText);
        if (!reason.empty() && shown == QString::fromStdString(reason)) {
          untranslated << shown;
        }
      }
    }
    const QString mired = QCoreApplication::translate(
        "solvane::quality::LightQualityDialog",
        "10⁶/target − 10⁶/CCT (CIE 15:2018 CCT of the record); negative: a blue, cooling filter; "
        "positive: an orange, warming one.");
    chinese.reset();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
    // A blue filter raises the CCT.
    QVERIFY2(mired.contains(QString::fromUtf8("蓝色滤镜，提高色温")), qPrintable(mired));
  }

  // Far from the locus (Δuv 0.17) the record's CCT and Ra keep their
  // numbers, grey, with why on hover and at the foot of the window.
  void cctFarFromTheLocusIsMarked() {
    QStringList record = expectedRecord(fourRecords, 1);
    record[rec::kDuv] = "0.1703";
    solvane::quality::RecordQuality quality;
    QString problem;
    QVERIFY(solvane::quality::evaluateRecord(record, &quality, &problem));
    LightQualityDialog dialog(quality);
    const QLabel *ra = child<QLabel>(&dialog, "value_ownRa");
    QCOMPARE(ra->text(), QString::number(record[rec::kRa].toDouble(), 'f', 2));
    QVERIFY2(ra->toolTip().contains("0.05 from the Planckian locus"), qPrintable(ra->toolTip()));
    QVERIFY(!child<QLabel>(&dialog, "value_ownCct")->toolTip().isEmpty());
    QVERIFY(child<QLabel>(&dialog, "value_ownDuv")->toolTip().isEmpty());
    QVERIFY(child<QLabel>(&dialog, "value_cct")->toolTip().isEmpty()); // the spectrum's own CCT
    const QString reasons = child<QLabel>(&dialog, "label_reasons")->text();
    QVERIFY2(reasons.contains("CCT, Ra (meter's method): not valid"), qPrintable(reasons));
  }

  // The SPDX file holds the record's 401 values in W·m⁻²·nm⁻¹, whose
  // illuminance is the record's, and so does the CSV file; a file that
  // cannot be written gives a warning and leaves nothing.
  void exportsTheSpectrum() {
    readFourRecords();
    clickQuality();
    LightQualityDialog *dialog = qualityWindows().value(0);
    QVERIFY(dialog);
    const QString file = workDir.filePath("NO.000.spdx");
    QVERIFY(dialog->exportSpectrum(file));
    const QStringList record = expectedRecord(fourRecords, 0);
    const auto illuminanceOf = [](const QStringList &values) {
      lightquality::Spectrum ee{};
      for (int j = 0; j < values.size() && j < lightquality::kSpectrumValues; ++j) {
        ee[static_cast<std::size_t>(j)] = values[j].toDouble();
      }
      return lightquality::illuminanceOfIrradiance(ee);
    };
    const double lux = record[rec::kIlluminance].toDouble();
    QVERIFY(qAbs(illuminanceOf(testfiles::spdxSpectralValues(file)) / lux - 1) < 1e-9);

    const QString csv = workDir.filePath("NO.000.csv");
    chooseFile(csv);
    child<QPushButton>(dialog, "btn_exportIrradiance")->click();
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith("Data,Date,Ev (lx),380 nm (W·m⁻²·nm⁻¹),"));
    const QStringList fields = QString::fromUtf8(lines[1]).split(',');
    QCOMPARE(fields.mid(0, 2), record.mid(0, 2));
    QVERIFY(qAbs(illuminanceOf(fields.mid(3)) / lux - 1) < 1e-5);

    const QString unwritable = workDir.filePath("missing/NO.000.spdx");
    QVERIFY(!dialog->exportSpectrum(unwritable));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].startsWith("Error|Cannot write " + unwritable));
    QVERIFY(!QFile::exists(unwritable));
  }

  // The switch draws on a worker thread while the window keeps answering,
  // then puts each figure's uncertainty beside it; off, the plain values
  // return. A refused budget file keeps the budget in use.
  void showsUncertaintyBesideTheFigures() {
    readFourRecords();
    stored()->cellClicked(1, 0);
    clickQuality();
    LightQualityDialog *dialog = qualityWindows().value(0);
    QVERIFY(dialog);
    const QString plainCct = text(dialog, "value_cct");
    auto *panel = dialog->uncertaintyPanel();
    QVERIFY(text(dialog, "label_budget").endsWith("default"));
    child<QCheckBox>(dialog, "check_showUncertainty")->setChecked(true);
    QVERIFY(child<QProgressBar>(dialog, "progress_draws")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(text(dialog, "value_cct").contains(" ± "), 120000);
    QVERIFY(text(dialog, "value_cct").startsWith(plainCct.left(2)));
    QVERIFY(!child<QProgressBar>(dialog, "progress_draws")->isVisible());
    QVERIFY(text(dialog, "label_budget").contains("10000 draws"));
    const QString r9 = child<QTableWidget>(dialog, "table_specialIndices")->item(0, 8)->text();
    QVERIFY2(r9.contains("± ") || r9.contains("["), qPrintable(r9));

    child<QCheckBox>(dialog, "check_showUncertainty")->setChecked(false);
    QCOMPARE(text(dialog, "value_cct"), plainCct);

    const QString budget = workDir.filePath("bad.json");
    QFile file(budget);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"scale_u_rel": 2})");
    file.close();
    QVERIFY(!panel->loadBudget(budget));
    QCOMPARE(warnings,
             QStringList{"Error|budget: scale_u_rel must be a number from 0 to 0.2, got 2"});
    QVERIFY(text(dialog, "label_budget").endsWith("default"));
  }
};

QTEST_MAIN(TestWindowQuality)
#include "tst_window_quality.moc"
