// The Series dialog against the scripted simulated meter: the trend plots
// follow the readings, Stop and Close keep what was taken, failures show.

#include "series_dialog.h"

#include "luxengine.h"
#include "meter_state.h"
#include "simulator.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <memory>

namespace {

QJsonObject scriptedMeter(const QList<double> &illuminances) {
  QJsonArray results;
  for (double lux : illuminances) {
    results.append(QJsonObject{{"illuminance", lux}, {"spectrum", meterstate::peak(560, 30000)}});
  }
  return {{"device", "meter"}, {"test_results", results}};
}

} // namespace

class TestSeriesDialog : public QObject {
  Q_OBJECT

  Simulator sim;
  std::unique_ptr<LuxEngine> engine;

  template <typename T> static T *child(QWidget &dialog, const char *name) {
    return dialog.findChild<T *>(name);
  }

  static void configure(SeriesDialog &dialog, int count, double intervalSeconds) {
    child<QSpinBox>(dialog, "spinBox_count")->setValue(count);
    child<QDoubleSpinBox>(dialog, "doubleSpinBox_interval")->setValue(intervalSeconds);
  }

  static QString status(SeriesDialog &dialog) {
    return child<QLabel>(dialog, "label_status")->text();
  }

  static void waitUntilFinished(SeriesDialog &dialog) {
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 20000);
  }

private slots:
  void initTestCase() {
    QLoggingCategory::setFilterRules("default.debug=false");
    QVERIFY(sim.ready());
    engine = std::make_unique<LuxEngine>();
  }

  void seriesFillsTheTrendsAndTheRecords() {
    QVERIFY(sim.load(meterstate::text(scriptedMeter({100, 200, 300, 400}))));
    SeriesDialog dialog(*engine, 0, 5);
    configure(dialog, 4, 0);
    QTest::mouseClick(child<QPushButton>(dialog, "btn_start"), Qt::LeftButton);
    QVERIFY(!child<QPushButton>(dialog, "btn_start")->isEnabled());
    waitUntilFinished(dialog);
    QVERIFY(child<QPushButton>(dialog, "btn_start")->isEnabled());
    QVERIFY(!child<QPushButton>(dialog, "btn_stop")->isEnabled());

    const QList<QStringList> records = dialog.records();
    QCOMPARE(records.size(), 4);
    QCOMPARE(records[0][0], QString("LIVE.005"));
    QCOMPARE(records[3][0], QString("LIVE.008"));
    const auto curves = dialog.findChildren<QwtPlot *>()[0]->itemList(QwtPlotItem::Rtti_PlotCurve);
    QCOMPARE(curves.size(), 1);
    const auto *ev = static_cast<QwtPlotCurve *>(curves[0]);
    QCOMPARE(static_cast<int>(ev->dataSize()), 4);
    QCOMPARE(ev->sample(3).y(), 400.0);
    QVERIFY(status(dialog).contains("4"));

    // A second run continues the numbering and keeps the first run's records.
    configure(dialog, 1, 0);
    dialog.startSeries();
    waitUntilFinished(dialog);
    QCOMPARE(dialog.records().size(), 5);
    QCOMPARE(dialog.records()[4][0], QString("LIVE.009"));
  }

  void stopAndCloseKeepTheReadingsTaken() {
    QVERIFY(sim.load(meterstate::text(scriptedMeter({100, 200}))));
    SeriesDialog dialog(*engine, 0, 0);
    configure(dialog, 0, 0.05);
    dialog.show();
    dialog.startSeries();
    QTRY_VERIFY(dialog.records().size() >= 2);
    QTest::mouseClick(child<QPushButton>(dialog, "btn_stop"), Qt::LeftButton);
    waitUntilFinished(dialog);
    const int kept = dialog.records().size();
    QVERIFY(kept >= 2);

    // Closing while a test gets ready waits for that reading, then closes.
    QJsonObject slow = scriptedMeter({300});
    slow.insert("ready_after_polls", 3);
    QVERIFY(sim.load(meterstate::text(slow)));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.startSeries();
    QTest::qWait(20);
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(rejected.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.records().size(), kept + 1);
    QCOMPARE(dialog.records().last()[2], QString("300.00"));
  }

  void failureIsShownAndNothingTaken() {
    QJsonObject state = scriptedMeter({100});
    state.insert("faults", QJsonArray{QJsonObject{{"command", 11}}});
    QVERIFY(sim.load(meterstate::text(state)));
    SeriesDialog dialog(*engine, 0, 0);
    dialog.startSeries();
    waitUntilFinished(dialog);
    QVERIFY(dialog.records().isEmpty());
    QCOMPARE(status(dialog),
             QString("Starting a test on the meter failed: cannot start a test: the "
                     "USB library returned 0 to CmdCmd (command 11, loc 0)"));
  }
};

QTEST_MAIN(TestSeriesDialog)
#include "tst_series_dialog.moc"
