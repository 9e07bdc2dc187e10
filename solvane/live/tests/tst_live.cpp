// Live readings and series against the simulated meter, with state files
// that script its results and how long each test takes to get ready.

#include "solvane/live/live_series.h"
#include "solvane/live/series_file.h"
#include "solvane/live/trend_points.h"

#include "luxengine.h"
#include "meter_state.h"
#include "simulator.h"
#include "solvane/records/measurement_record.h"
#include "tsiostream.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(solvane::live::Failure)

using namespace solvane::live;
namespace records = solvane::records;

namespace {

constexpr int kFastPollMs = 5;

// Test results of the given illuminances, each spectrum peaking elsewhere.
QJsonObject scriptedMeter(int readyAfterPolls, const QList<double> &illuminances) {
  QJsonArray results;
  for (int i = 0; i < illuminances.size(); ++i) {
    results.append(QJsonObject{{"illuminance", illuminances[i]},
                               {"spectrum", meterstate::peak(480 + 40 * i, 30000)}});
  }
  return {{"device", "meter"}, {"ready_after_polls", readyAfterPolls}, {"test_results", results}};
}

QJsonObject withFault(QJsonObject state, int command) {
  state.insert("faults", QJsonArray{QJsonObject{{"command", command}}});
  return state;
}

SeriesSettings settings(int count, int intervalMs = 0) {
  SeriesSettings s;
  s.count = count;
  s.intervalMs = intervalMs;
  s.polling.intervalMs = kFastPollMs;
  return s;
}

QList<quint32> commandsSent(const std::vector<TsimExchange> &log) {
  QList<quint32> commands;
  for (const TsimExchange &e : log) {
    commands << e.command;
  }
  return commands;
}

} // namespace

class TestLive : public QObject {
  Q_OBJECT

  Simulator sim;
  std::unique_ptr<LuxEngine> engine;
  QTemporaryDir dir;

  void load(const QJsonObject &state) {
    QVERIFY(sim.load(meterstate::text(state)));
    sim.clearLog();
  }

  // Runs the series to its end; `onReading` sees each reading as it arrives.
  void run(LiveSeries &series,
           const std::function<void(LiveSeries &, const LiveReading &)> &onReading = {}) {
    QSignalSpy finished(&series, &LiveSeries::finished);
    if (onReading) {
      connect(&series, &LiveSeries::readingTaken, this,
              [&](const LiveReading &reading) { onReading(series, reading); });
    }
    series.start();
    QVERIFY(finished.wait(20000));
    QVERIFY(!series.isRunning());
    series.disconnect(this);
  }

private slots:
  void initTestCase() {
    // The meter layer's log lines are not what these tests look at.
    QLoggingCategory::setFilterRules("default.debug=false");
    QVERIFY(sim.ready());
    engine = std::make_unique<LuxEngine>();
    QVERIFY(engine->isLibraryBound());
  }

  void readyAtOnceGivesAFullLiveRecord() {
    load(scriptedMeter(0, {410.5}));
    SeriesSettings s = settings(1);
    s.mode = 7;
    s.firstOrdinal = 12;
    LiveSeries series(*engine, s);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    run(series);
    QCOMPARE(series.failure(), Failure::None);
    QVERIFY(series.errorString().isEmpty());
    QCOMPARE(series.readings().size(), 1);

    const QStringList record = series.readings()[0].record;
    QCOMPARE(record.size(), records::kFieldCount);
    QCOMPARE(record[records::kLabel], QString("LIVE.012"));
    const QDateTime taken = QDateTime::fromString(record[records::kDateTime], Qt::ISODate);
    QVERIFY(taken >= before && taken <= QDateTime::currentDateTime());
    QCOMPARE(record[records::kIlluminance], QString("410.50"));
    const QJsonArray spectrum = meterstate::peak(480, 30000);
    for (int i = 0; i < records::kSpectrumFields; ++i) {
      QCOMPARE(record[records::kFirstIntensity + i].toInt(), spectrum[i].toInt());
    }
    QVERIFY(record[records::kCct].toDouble() > 1000);
    // The reading carries no ratio: its X, Y, Z are scaled so that Y is Ev.
    QCOMPARE(record[records::kTristimulusY].toDouble(), 410.5);

    const auto log = sim.log();
    QCOMPARE(commandsSent(log), (QList<quint32>{11, 12, 13}));
    QCOMPARE(log[0].loc, 7u); // the test mode
  }

  void readyAfterSeveralPolls() {
    load(scriptedMeter(3, {99.0}));
    LiveSeries series(*engine, settings(1));
    run(series);
    QCOMPARE(series.readings().size(), 1);
    QCOMPARE(commandsSent(sim.log()), (QList<quint32>{11, 12, 12, 12, 12, 13}));
  }

  void neverReadyTimesOutWithNothingTaken() {
    load(scriptedMeter(1000000, {99.0}));
    SeriesSettings s = settings(3);
    s.polling.timeoutMs = 100;
    LiveSeries series(*engine, s);
    QElapsedTimer clock;
    clock.start();
    run(series);
    QVERIFY(clock.elapsed() >= 100);
    QCOMPARE(series.failure(), Failure::TimedOut);
    QVERIFY(series.errorString().contains("0.1 seconds"));
    QVERIFY(series.readings().isEmpty());
    QVERIFY(!commandsSent(sim.log()).contains(13));
  }

  void failedCommandsEndTheReading_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<Failure>("failure");
    QTest::newRow("start test") << 11 << Failure::StartFailed;
    QTest::newRow("ready flag") << 12 << Failure::ReadyFlagFailed;
    QTest::newRow("test result") << 13 << Failure::ResultReadFailed;
  }

  void failedCommandsEndTheReading() {
    QFETCH(int, command);
    QFETCH(Failure, failure);
    load(withFault(scriptedMeter(0, {99.0}), command));
    LiveSeries series(*engine, settings(5));
    run(series);
    QCOMPARE(series.failure(), failure);
    // The meter's reason names the exchange that failed.
    const QString exchange = QString("(command %1, loc ").arg(command);
    QVERIFY2(series.errorString().contains(": the USB library returned 0 to ") &&
                 series.errorString().contains(exchange),
             qPrintable(series.errorString()));
    QVERIFY(series.readings().isEmpty());
    QCOMPARE(commandsSent(sim.log()).last(), quint32(command)); // nothing after the failure
  }

  void seriesOfFiveKeepsItsSchedule() {
    const QList<double> lux{100, 200, 300, 400, 500};
    load(scriptedMeter(1, lux));
    constexpr int kIntervalMs = 80;
    LiveSeries series(*engine, settings(5, kIntervalMs));
    QList<qint64> seen;
    run(series, [&](LiveSeries &, const LiveReading &r) { seen << r.elapsedMs; });
    QCOMPARE(series.failure(), Failure::None);
    QCOMPARE(series.readings().size(), 5);
    for (int i = 0; i < 5; ++i) {
      const LiveReading &reading = series.readings()[i];
      QCOMPARE(reading.record[records::kLabel], liveLabel(i));
      QCOMPARE(reading.record[records::kIlluminance].toDouble(), lux[i]);
      QCOMPARE(reading.elapsedMs, seen[i]);
      // Each reading starts on its slot; a slow machine may only be late.
      QVERIFY2(reading.elapsedMs >= i * kIntervalMs,
               qPrintable(QString::number(reading.elapsedMs)));
      QVERIFY(reading.elapsedMs < i * kIntervalMs + 1000);
    }
  }

  void stopEndsAfterTheReadingInProgress() {
    // Until stopped, stopped from the third reading on: three kept.
    load(scriptedMeter(0, {100, 200, 300, 400}));
    LiveSeries endless(*engine, settings(0, 20));
    run(endless, [](LiveSeries &s, const LiveReading &) {
      if (s.readings().size() == 3) {
        s.stop();
      }
    });
    QCOMPARE(endless.failure(), Failure::None);
    QCOMPARE(endless.readings().size(), 3);
    QCOMPARE(endless.readings()[2].record[records::kIlluminance], QString("300.00"));

    // Stopped while a test is getting ready: that reading still completes.
    load(scriptedMeter(4, {100}));
    SeriesSettings s = settings(5);
    s.polling.intervalMs = 20;
    LiveSeries polling(*engine, s);
    QTimer::singleShot(10, &polling, &LiveSeries::stop);
    run(polling);
    QCOMPARE(polling.readings().size(), 1);
    QCOMPARE(polling.failure(), Failure::None);
  }

  void seriesFileReopensFieldByField() {
    load(scriptedMeter(0, {100.25, 200.5, 300.75}));
    const QString path = dir.filePath("series.csv");
    SeriesFile file(path);
    QVERIFY(file.open());
    LiveSeries series(*engine, settings(3, 10));
    QList<int> recordsOnDisk;
    run(series, [&](LiveSeries &, const LiveReading &r) {
      QVERIFY(file.append(r.record));
      // Each line is on disk as soon as its reading is.
      TSIOStream reader;
      reader.setFileName(path);
      QStringList header;
      QList<QStringList> data;
      QVERIFY(reader.readSolvaneData(&header, &data));
      recordsOnDisk << data.size();
    });
    QCOMPARE(recordsOnDisk, (QList<int>{1, 2, 3}));

    TSIOStream reader;
    reader.setFileName(path);
    QStringList header;
    QList<QStringList> data;
    QVERIFY(reader.readSolvaneData(&header, &data));
    QCOMPARE(header, TSIOStream::dataFileHeader());
    QCOMPARE(data.size(), 3);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(data[i], series.readings()[i].record);
    }

    // Byte for byte what Export writes for the same records.
    TSIOStream exporter;
    exporter.setFileName(dir.filePath("export.csv"));
    QVERIFY(exporter.writeSolvaneData(TSIOStream::dataFileHeader(), data));
    QFile written(path), exported(exporter.fileName());
    QVERIFY(written.open(QIODevice::ReadOnly) && exported.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), exported.readAll());
  }

  void seriesFileThatCannotBeCreated() {
    SeriesFile file(dir.filePath("no-such-folder/series.csv"));
    QVERIFY(!file.open());
    QCOMPARE(file.errorString(),
             "cannot write the data file: " + dir.filePath("no-such-folder/series.csv") +
                 ": No such file or directory");
    QVERIFY(!file.append({"LIVE.000"}));
    QVERIFY(!file.errorString().isEmpty());
  }

  // A short series is drawn point for point; a day-long one through a
  // bounded number of points that still holds its extremes and both ends.
  void trendPointsOfShortAndLongSeries() {
    const QVector<double> shortX{0, 1, 2}, shortY{5, 7, 6};
    QCOMPARE(solvane::live::pointsToDraw(shortX, shortY, 4000),
             (QVector<QPointF>{{0, 5}, {1, 7}, {2, 6}}));

    QVector<double> x, y;
    for (int i = 0; i < 100000; ++i) {
      x << i;
      y << (i % 1000) * 0.001;
    }
    y[31337] = 99;  // a spike
    y[77777] = -99; // a dip
    const QVector<QPointF> drawn = solvane::live::pointsToDraw(x, y, 4000);
    QVERIFY(drawn.size() <= 4000);
    QCOMPARE(drawn.first(), QPointF(0, 0));
    QCOMPARE(drawn.last(), QPointF(99999, y.last()));
    QVERIFY(drawn.contains(QPointF(31337, 99)));
    QVERIFY(drawn.contains(QPointF(77777, -99)));
    QVERIFY(std::is_sorted(drawn.begin(), drawn.end(),
                           [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); }));
  }
};

QTEST_GUILESS_MAIN(TestLive)
#include "tst_live.moc"
