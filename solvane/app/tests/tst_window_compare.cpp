// Several records in the window: two or more selected rows overlay their
// spectra (normalised to their peaks) or their chromaticity points with a
// legend, one selected row shows exactly what it always did, and Compare
// lists each record against the first selected one. Also the user-group
// tabs of the Light quality window.

#include "comparedialog.h"
#include "language.h"
#include "lightqualitydialog.h"
#include "test_files.h"
#include "window_test.h"

#include "lightquality/camera_stops.h"
#include "lightquality/usergroups.h"
#include "meter_state.h"
#include "solvane/quality/comparison_table.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

namespace rec = solvane::records;
using solvane::quality::CompareDialog;
using solvane::quality::LightQualityDialog;

class TestWindowCompare : public WindowTest {
  Q_OBJECT

  const QJsonObject fourRecords = meterstate::withRecords(4);

  QwtPlot *plot() const { return child<QwtPlot>("qwtPlot"); }

  // The curves on the plot, by title ("" for the single record's curve).
  QMap<QString, QwtPlotCurve *> curves() const {
    QMap<QString, QwtPlotCurve *> found;
    for (QwtPlotItem *item : plot()->itemList(QwtPlotItem::Rtti_PlotCurve)) {
      found.insert(item->title().text(), static_cast<QwtPlotCurve *>(item));
    }
    return found;
  }

  void readFourRecords() {
    QVERIFY(sim.load(meterstate::text(fourRecords)));
    child<QPushButton>("btn_readData")->click();
    QCOMPARE(stored()->rowCount(), 4);
    warnings.clear();
  }

  void selectRows(const QList<int> &rows) {
    stored()->clearSelection();
    for (int row : rows) {
      stored()->selectionModel()->select(stored()->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  void setPlotMode(int mode) { child<QComboBox>("comboBox_plot")->setCurrentIndex(mode); }

  solvane::quality::RecordQuality evaluated(int ordinal) const {
    solvane::quality::RecordQuality q;
    QString reason;
    solvane::quality::evaluateRecord(expectedRecord(fourRecords, ordinal), &q, &reason);
    return q;
  }

private slots:
  void initTestCase() { enterWorkDir(); }
  void cleanupTestCase() { leaveWorkDir(); }
  void init() {
    warnings.clear();
    window = std::make_unique<MainWindow>();
    window->show();
  }
  void cleanup() { window.reset(); }

  void spectraOverlaidNormalisedToTheirPeaks() {
    readFourRecords();
    selectRows({0, 2});
    const QMap<QString, QwtPlotCurve *> shown = curves();
    QCOMPARE(shown.keys(), (QStringList{"NO.000", "NO.002"}));
    for (int ordinal : {0, 2}) {
      const QwtPlotCurve *curve = shown.value(QString("NO.00%1").arg(ordinal));
      QCOMPARE(int(curve->dataSize()), rec::kSpectrumFields);
      QCOMPARE(curve->maxYValue(), 1.0);
      const QStringList texts = rec::intensityTexts(expectedRecord(fourRecords, ordinal));
      double peak = 0;
      for (const QString &t : texts) {
        peak = qMax(peak, double(rec::fieldValue(t)));
      }
      QCOMPARE(curve->sample(100).y(), double(rec::fieldValue(texts[100])) / peak);
    }
    QCOMPARE(shown.value("NO.000")->pen().color(), QColor(31, 119, 180));
    QCOMPARE(shown.value("NO.002")->pen().color(), QColor(214, 39, 40));
    QVERIFY(plot()->legend()); // below the plot, not over it
    QVERIFY(plot()->footer().text().contains("normalised"));
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 1.05);

    // Back to one row: the record's own fill on the 0-70000 axis, no legend.
    selectRows({1});
    stored()->cellClicked(1, 0);
    QCOMPARE(curves().keys(), QStringList{""});
    QCOMPARE(int(curves().value("")->dataSize()), rec::kSpectrumFields);
    QVERIFY(!plot()->legend());
    QVERIFY(plot()->footer().isEmpty());
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 70000.0);
    QCOMPARE(label(), QString("NO.001"));
  }

  void chromaticityPointsOfEverySelectedRecord() {
    readFourRecords();
    setPlotMode(1);
    selectRows({3, 1, 0});
    QCOMPARE(curves().size(), 3);
    for (int ordinal : {3, 1, 0}) {
      const QStringList record = expectedRecord(fourRecords, ordinal);
      const QwtPlotCurve *point = curves().value(record[rec::kLabel]);
      QVERIFY(point);
      QCOMPARE(int(point->dataSize()), 1);
      QCOMPARE(point->sample(0),
               QPointF(rec::fieldValue(record[rec::kX]), rec::fieldValue(record[rec::kX + 1])));
    }
    setPlotMode(2);
    const QStringList record = expectedRecord(fourRecords, 1);
    QCOMPARE(
        curves().value("NO.001")->sample(0),
        QPointF(rec::fieldValue(record[rec::kUPrime]), rec::fieldValue(record[rec::kUPrime + 1])));
    setPlotMode(0); // the spectrum overlay again, on the relative axis
    QCOMPARE(curves().size(), 3);
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 1.05);
  }

  void compareListsEachAgainstTheFirstSelected() {
    readFourRecords();
    selectRows({2});
    child<QPushButton>("btn_compare")->click();
    QCOMPARE(warnings, QStringList{"Error|Select two or more records to compare"});
    QVERIFY(window->findChildren<CompareDialog *>().isEmpty());

    selectRows({2, 0, 3});
    child<QPushButton>("btn_compare")->click();
    const QList<CompareDialog *> dialogs = window->findChildren<CompareDialog *>();
    QCOMPARE(dialogs.size(), 1);
    auto *table = dialogs[0]->findChild<QTableWidget *>("table_comparison");
    QCOMPARE(table->rowCount(), 3);
    const QList<lightquality::Comparison> expected =
        solvane::quality::compareWithFirst({evaluated(2), evaluated(0), evaluated(3)});
    for (int row = 0; row < 3; ++row) {
      const QStringList cells = solvane::quality::comparisonCells(expected[row]);
      for (int column = 0; column < cells.size(); ++column) {
        QCOMPARE(table->item(row, column)->text(), cells[column]);
      }
    }
    QCOMPARE(table->verticalHeaderItem(0)->text(), QString("NO.002"));
    QCOMPARE(table->item(0, 6)->text(), QString("100"));
    QVERIFY(dialogs[0]->windowTitle().endsWith("NO.002"));
  }

  // Open with a spectrum file type adds the spectrum after the records and
  // selects it; it is then compared like a record. The wrong file type is
  // one warning that names the line, and the list stays as it was.
  void spectrumOfAnotherMeterIsOpenedAndCompared() {
    readFourRecords();
    const QString sekonic = QStringLiteral(SUITE_DATA_DIR "/other_meters/sekonic_export_3262K.csv");
    const auto openAs = [&](int type) {
      answerNext<QFileDialog>([sekonic, type](QFileDialog *dialog) {
        QCOMPARE(dialog->nameFilters().size(), 5);
        dialog->selectNameFilter(dialog->nameFilters()[type]);
        dialog->selectFile(sekonic);
        static_cast<QDialog *>(dialog)->accept();
      });
      child<QPushButton>("btn_open")->click();
    };
    openAs(3); // the UPRtek export's type
    QCOMPARE(warnings, QStringList{"Error|Fail to open the file\ncannot read the spectrum as UPRtek "
                                   "text export: " + sekonic + ": line 1: expected 'Model Name' "
                                   "and a tab, the first line of a UPRtek text export"});
    QCOMPARE(stored()->rowCount(), 4);
    warnings.clear();

    openAs(4);
    QVERIFY(warnings.isEmpty());
    QCOMPARE(stored()->rowCount(), 5);
    QCOMPARE(label(), QString("sekonic_export_3262K.csv"));
    // Its W·m⁻²·nm⁻¹ are drawn on an axis of their own, not the counts' 0 to 70000.
    setPlotMode(0);
    QVERIFY(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound() < 0.01);
    selectRows({4, 0});
    child<QPushButton>("btn_compare")->click();
    const QList<CompareDialog *> dialogs = window->findChildren<CompareDialog *>();
    QCOMPARE(dialogs.size(), 1);
    auto *table = dialogs[0]->findChild<QTableWidget *>("table_comparison");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->verticalHeaderItem(0)->text(), QString("sekonic_export_3262K.csv"));
    bool isNumber = false;
    table->item(1, 6)->text().toInt(&isNumber); // an SSI against the spectrum, not "n/a"
    QVERIFY(isNumber);
  }

  // A file may hold records too short to evaluate: the overlay draws what
  // they hold (nothing) beside the others, Compare says which one it cannot
  // use and opens nothing.
  void shortRecordsInASelection() {
    readFourRecords();
    const QString file = workDir.filePath("mixed.csv");
    const QStringList lines = {"Data,Date,Ev", expectedRecord(fourRecords, 0).join(','),
                               "NO.800,2019-05-21T14:03:09,12"};
    testfiles::writeBytes(file, (lines.join('\n') + '\n').toUtf8());
    QTimer::singleShot(0, [file] {
      auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->selectFile(file);
      static_cast<QDialog *>(dialog)->accept();
    });
    child<QPushButton>("btn_open")->click();
    QCOMPARE(stored()->rowCount(), 2);
    selectRows({0, 1});
    QCOMPARE(curves().keys(), (QStringList{"NO.000", "NO.800"}));
    QCOMPARE(int(curves().value("NO.800")->dataSize()), 0);
    setPlotMode(1);
    QCOMPARE(int(curves().value("NO.800")->dataSize()), 0);
    warnings.clear();
    child<QPushButton>("btn_compare")->click();
    QCOMPARE(warnings, QStringList{"Error|Record NO.800 cannot be compared: the record has 3 "
                                   "fields, the metrics need 430"});
    QVERIFY(window->findChildren<CompareDialog *>().isEmpty());
  }

  void compareTextsAreTranslated() {
    QTranslator chinese;
    QVERIFY(chinese.load("cn", QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&chinese);
    readFourRecords();
    selectRows({0, 1});
    child<QPushButton>("btn_compare")->click();
    QCoreApplication::removeTranslator(&chinese);
    CompareDialog *dialog = window->findChildren<CompareDialog *>().value(0);
    QVERIFY(dialog);
    QVERIFY(dialog->windowTitle().startsWith(QString::fromUtf8("比较")));
    QCOMPARE(dialog->findChild<QTableWidget *>("table_comparison")->horizontalHeaderItem(0)->text(),
             QString::fromUtf8("ΔEv (%)"));
  }

  // The cinema tab follows its controls; the other tabs show the library's
  // figures for the record.
  void userGroupTabsOfTheLightQualityWindow() {
    readFourRecords();
    stored()->cellClicked(1, 0);
    child<QPushButton>("btn_quality")->click();
    LightQualityDialog *dialog = window->findChildren<LightQualityDialog *>().value(0);
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QTabWidget *>("tab_groups")->count(), 4);
    const solvane::quality::RecordQuality q = evaluated(1);
    const lightquality::UserGroupFigures &f = q.metrics.userGroups;
    const auto text = [dialog](const char *name) {
      return dialog->findChild<QLabel *>(name)->text();
    };
    QCOMPARE(text("value_ssiPlanck"), QString::number(f.ssiPlanck3200.value));
    QCOMPARE(text("value_ssiDaylight"), QString::number(f.ssiDaylight5600.value));
    QCOMPARE(text("value_ev100"), QString::number(f.exposure.ev100, 'f', 2));
    QCOMPARE(text("value_ppfd"), QString::number(f.photon.ppfd, 'f', 2));
    QCOMPARE(text("value_rFr"), QString::number(f.photon.redFarRed, 'f', 3));
    QCOMPARE(text("value_spRatio"), QString::number(f.scotopic.value, 'f', 3));

    // The chosen reference: CIE daylight at 5600 K repeats the default one.
    dialog->findChild<QComboBox *>("comboBox_ssiReference")->setCurrentIndex(1);
    dialog->findChild<QSpinBox *>("spinBox_ssiKelvin")->setValue(5600);
    QCOMPARE(text("value_ssiChosen"), text("value_ssiDaylight"));
    auto *target = dialog->findChild<QSpinBox *>("spinBox_miredTarget");
    target->setValue(3200);
    QCOMPARE(text("value_miredShift"),
             QString::number(lightquality::miredShift(q.metrics.cct.kelvin, 3200), 'f', 1));
    QVERIFY(text("value_miredShift").toDouble() > 0); // daylight to tungsten: orange filter

    auto *table = dialog->findChild<QTableWidget *>("table_exposure");
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(1, 0)->text(), QString::number(f.exposure.ev100 + 2, 'f', 2)); // ISO 400
  }

  // The television figures of record 1 as the library gives them, the
  // caution only beyond d = 1; a spectrum file of the record's own light
  // matches it at 100, one that cannot be read gives a warning and leaves
  // the earlier match. The exposure table's columns are the camera's third
  // stops, each cell a nominal speed with the exact time on hover.
  void televisionFiguresAndThirdStopsOnTheCinemaTab() {
    readFourRecords();
    stored()->cellClicked(1, 0);
    child<QPushButton>("btn_quality")->click();
    LightQualityDialog *dialog = window->findChildren<LightQualityDialog *>().value(0);
    QVERIFY(dialog);
    const auto text = [dialog](const char *name) {
      return dialog->findChild<QLabel *>(name)->text();
    };
    const lightquality::TelevisionFigures t = evaluated(1).metrics.userGroups.television;
    QVERIFY(std::isfinite(t.tlci.qa));
    QCOMPARE(text("value_tlci"), QString::number(t.tlci.qa, 'f', 1));
    QCOMPARE(text("value_tlciCct"), QString::number(t.tlci.cctKelvin, 'f', 0));
    QCOMPARE(text("value_tlmfA"), QString::number(t.tlmfIlluminantA.qa, 'f', 1));
    QCOMPARE(text("value_tlmfD65"), QString::number(t.tlmfD65.qa, 'f', 1));
    QVERIFY(text("value_tlciReference") != "n/a");
    QCOMPARE(dialog->findChild<QLabel *>("label_tlciCaution") != nullptr, t.tlci.caution());

    // A spectrum file of 380-780 nm with the value `valueAt(nm)`.
    const auto spectrumFile = [this](const char *name, const auto &valueAt) {
      const QString path = workDir.filePath(name);
      QFile out(path);
      if (out.open(QIODevice::WriteOnly)) {
        for (int nm = 380; nm <= 780; ++nm) {
          out.write(QString("%1 %2\n").arg(nm).arg(valueAt(nm)).toUtf8());
        }
      }
      return path;
    };
    const QStringList record = expectedRecord(fourRecords, 1);
    const QString file =
        spectrumFile("lamp.txt", [&](int nm) { return record[rec::kFirstIntensity + nm - 380]; });
    QVERIFY(dialog->matchWithSpectrumFile(file));
    QCOMPARE(text("value_tlmfFile"), QString("100.0"));
    QCOMPARE(text("label_tlmfFile"), QString("lamp.txt"));
    QVERIFY(!dialog->matchWithSpectrumFile(workDir.filePath("none.txt")));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].endsWith("none.txt: No such file or directory"), qPrintable(warnings[0]));
    QCOMPARE(text("value_tlmfFile"), QString("100.0")); // the earlier match stays
    // A reference without light: n/a, and why in the window's language.
    {
      const solvane::language::Translations chinese(0);
      QVERIFY(dialog->matchWithSpectrumFile(spectrumFile("dark.txt", [](int) { return 0; })));
    }
    QCOMPARE(text("value_tlmfFile"), QString("n/a"));
    QCOMPARE(dialog->findChild<QLabel *>("value_tlmfFile")->toolTip(),
             QString::fromUtf8("参考灯具：光谱中没有光（其亮度和不为正）"));

    auto *table = dialog->findChild<QTableWidget *>("table_exposure");
    QCOMPARE(table->columnCount(), 17); // EV, f/2.8 to f/16
    QCOMPARE(table->horizontalHeaderItem(7)->text(), QString("f/5.6"));
    const double ev400 = evaluated(1).metrics.userGroups.exposure.ev100 + 2;
    const double exact = 32 / std::exp2(ev400); // f/5.657 (2^2.5) at ISO 400
    QCOMPARE(table->item(1, 7)->text(),
             QString(lightquality::nominalShutterSpeed(exact)->nominal));
    QVERIFY(table->item(1, 7)->toolTip().startsWith("exactly "));
  }
};

QTEST_MAIN(TestWindowCompare)
#include "tst_window_compare.moc"
