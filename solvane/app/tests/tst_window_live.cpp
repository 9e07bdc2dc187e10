// Measure and Series in the main window: live readings join the end of the
// record list after the stored ones; a failed reading only warns.

#include "mainwindow.h"
#include "messagebox.h"
#include "series_dialog.h"

#include "meter_state.h"
#include "simulator.h"

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

class TestWindowLive : public QObject {
  Q_OBJECT

  Simulator sim;
  QStringList warnings;

  static QPushButton *button(MainWindow &window, const char *name) {
    return window.findChild<QPushButton *>(name);
  }

private slots:
  void initTestCase() {
    QLoggingCategory::setFilterRules("default.debug=false");
    QVERIFY(sim.ready());
    solvane::ui::setMessageAnswerer(
        [this](QMessageBox::Icon, const QString &, const QString &text) {
          warnings << text;
          return QMessageBox::Ok;
        });
  }

  void init() { warnings.clear(); }

  void measureAndSeriesAppendAfterTheStoredRecords() {
    QVERIFY(sim.load(meterstate::text(storedAndLive(2, {111, 222, 333}))));
    MainWindow window;
    auto *table = window.findChild<QTableWidget *>("tableWidget_storedData");
    QTest::mouseClick(button(window, "btn_readData"), Qt::LeftButton);
    QCOMPARE(table->rowCount(), 2);

    QTest::mouseClick(button(window, "btn_measure"), Qt::LeftButton);
    QTRY_VERIFY(button(window, "btn_measure")->isEnabled());
    QCOMPARE(column0(table), (QStringList{"NO.000", "NO.001", "LIVE.000"}));
    QCOMPARE(table->currentRow(), 2);

    // The Series dialog is modal: drive it once it is up.
    QTimer::singleShot(0, [&] {
      auto *dialog = window.findChild<SeriesDialog *>();
      QVERIFY(dialog);
      dialog->findChild<QSpinBox *>("spinBox_count")->setValue(2);
      dialog->findChild<QDoubleSpinBox *>("doubleSpinBox_interval")->setValue(0);
      dialog->startSeries();
      QTRY_VERIFY(!dialog->isRunning());
      dialog->reject();
    });
    QTest::mouseClick(button(window, "btn_series"), Qt::LeftButton);
    QCOMPARE(column0(table), (QStringList{"NO.000", "NO.001", "LIVE.000", "LIVE.001", "LIVE.002"}));
    QVERIFY(warnings.size() == 1); // only the read's completion box
  }

  void readWaitsForTheMeasurementToEnd() {
    QJsonObject state = storedAndLive(2, {111});
    state.insert("ready_after_polls", 3);
    QVERIFY(sim.load(meterstate::text(state)));
    MainWindow window;
    QTest::mouseClick(button(window, "btn_measure"), Qt::LeftButton);
    QVERIFY(!button(window, "btn_readData")->isEnabled());
    // Even when called directly, Read sends nothing while the test runs.
    sim.clearLog();
    QVERIFY(QMetaObject::invokeMethod(&window, "on_btn_readData_clicked"));
    for (const TsimExchange &exchange : sim.log()) {
      QVERIFY(exchange.command != 17);
    }
    QTRY_VERIFY(button(window, "btn_readData")->isEnabled());
    auto *table = window.findChild<QTableWidget *>("tableWidget_storedData");
    QCOMPARE(column0(table), QStringList{"LIVE.000"});
    QVERIFY(warnings.isEmpty());
  }

  void failedMeasureOnlyWarns() {
    QJsonObject state = storedAndLive(0, {111});
    state.insert("faults", QJsonArray{QJsonObject{{"command", 12}}});
    QVERIFY(sim.load(meterstate::text(state)));
    MainWindow window;
    QTest::mouseClick(button(window, "btn_measure"), Qt::LeftButton);
    QTRY_VERIFY(button(window, "btn_measure")->isEnabled());
    QCOMPARE(warnings, QStringList{"Asking the meter for its result failed: cannot ask the meter "
                                   "whether its result is ready: the USB library returned 0 to "
                                   "CmdRead (command 12, loc 0)"});
    QCOMPARE(window.findChild<QTableWidget *>("tableWidget_storedData")->rowCount(), 0);
  }
};

QTEST_MAIN(TestWindowLive)
#include "tst_window_live.moc"
