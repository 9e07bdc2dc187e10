// Measure and Series in the main window: live readings join the end of the
// record list after the stored ones; a failed reading only warns.

#include "meter_state.h"
#include "series_dialog.h"
#include "window_test.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

QJsonObject storedAndLive(int stored, const QList<double> &illuminances) {
  QJsonObject state = meterstate::withRecords(stored);
  QJsonArray results;
  for (double lux : illuminances) {
    results.append(QJsonObject{{"illuminance", lux}, {"spectrum", meterstate::peak(600, 30000)}});
  }
  state.insert("test_results", results);
  return state;
}

QStringList column0(QTableWidget *table) {
  QStringList labels;
  for (int row = 0; row < table->rowCount(); ++row) {
    labels << table->item(row, 0)->text();
  }
  return labels;
}

} // namespace

class TestWindowLive : public WindowTest {
  Q_OBJECT

  void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

private slots:
  void initTestCase() {
    QLoggingCategory::setFilterRules("default.debug=false");
    enterWorkDir();
  }

  void init() {
    warnings.clear();
    notes.clear();
    window = std::make_unique<MainWindow>();
  }

  void cleanup() { window.reset(); }

  void cleanupTestCase() { leaveWorkDir(); }

  void measureAndSeriesAppendAfterTheStoredRecords() {
    QVERIFY(sim.load(meterstate::text(storedAndLive(2, {111, 222, 333}))));
    click("btn_readData");
    QCOMPARE(stored()->rowCount(), 2);

    click("btn_measure");
    QTRY_VERIFY(child<QPushButton>("btn_measure")->isEnabled());
    QCOMPARE(column0(stored()), (QStringList{"NO.000", "NO.001", "LIVE.000"}));
    QCOMPARE(stored()->currentRow(), 2);

    // The Series dialog is modal: drive it once it is up.
    QTimer::singleShot(0, [&] {
      auto *dialog = window->findChild<SeriesDialog *>();
      QVERIFY(dialog);
      dialog->findChild<QSpinBox *>("spinBox_count")->setValue(2);
      dialog->findChild<QDoubleSpinBox *>("doubleSpinBox_interval")->setValue(0);
      dialog->startSeries();
      QTRY_VERIFY(!dialog->isRunning());
      dialog->reject();
    });
    click("btn_series");
    QCOMPARE(column0(stored()),
             (QStringList{"NO.000", "NO.001", "LIVE.000", "LIVE.001", "LIVE.002"}));
    QVERIFY(warnings.isEmpty());
    QCOMPARE(notes, QStringList{"Read|Stored data read"}); // only the read's own box
  }

  void readWaitsForTheMeasurementToEnd() {
    QJsonObject state = storedAndLive(2, {111});
    state.insert("ready_after_polls", 3);
    QVERIFY(sim.load(meterstate::text(state)));
    click("btn_measure");
    QVERIFY(!child<QPushButton>("btn_readData")->isEnabled());
    // Even when called directly, Read sends nothing while the test runs.
    sim.clearLog();
    QVERIFY(QMetaObject::invokeMethod(window.get(), "on_btn_readData_clicked"));
    for (const TsimExchange &exchange : sim.log()) {
      QVERIFY(exchange.command != 17);
    }
    QTRY_VERIFY(child<QPushButton>("btn_readData")->isEnabled());
    QCOMPARE(column0(stored()), QStringList{"LIVE.000"});
    QVERIFY(warnings.isEmpty() && notes.isEmpty());
  }

  void failedMeasureOnlyWarns() {
    QJsonObject state = storedAndLive(0, {111});
    state.insert("faults", QJsonArray{QJsonObject{{"command", 12}}});
    QVERIFY(sim.load(meterstate::text(state)));
    click("btn_measure");
    QTRY_VERIFY(child<QPushButton>("btn_measure")->isEnabled());
    QCOMPARE(warnings, QStringList{"Measure|Asking the meter for its result failed: cannot ask "
                                   "the meter whether its result is ready: the USB library "
                                   "returned 0 to CmdRead (command 12, loc 0)"});
    QCOMPARE(stored()->rowCount(), 0);
  }
};

QTEST_MAIN(TestWindowLive)
#include "tst_window_live.moc"
