#pragma once

// Live measurement: readings taken now, one test at a time, built into the
// same 430-field records as the meter's stored ones. Driven by the event
// loop (a single-shot timer between steps), so a window stays responsive and
// a Stop request is seen between exchanges.

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class LuxEngine;

namespace solvane::live {

// The meter needs a moment to measure; asking every 50 ms keeps the wait
// after it is ready short without flooding the link.
inline constexpr int kReadyPollIntervalMs = 50;
// Longest time a started test may take before the reading is given up. The
// meter measures for at most a few seconds even in dim light.
inline constexpr int kReadyTimeoutMs = 10000;
// Selector of the result to read after a test; the meter has one.
inline constexpr int kResultSelector = 0;

struct ReadyPolling {
  int intervalMs = kReadyPollIntervalMs;
  int timeoutMs = kReadyTimeoutMs;
};

// Field 0 of a live record, "LIVE.%1" with at least three digits, so that a
// list mixing both kinds tells them from the stored "NO.%1" records.
QString liveLabel(int ordinal);

struct LiveReading {
  QStringList record; // 430 fields; field 1 is the PC's date-time of the reading
  qint64 elapsedMs;   // from the start of the series to when the result was read
};

enum class Failure {
  None,
  StartFailed,      // the start-test command failed
  ReadyFlagFailed,  // asking whether the result is ready failed
  TimedOut,         // not ready within the time-out
  ResultReadFailed, // reading the result failed
};

struct SeriesSettings {
  int count = 1;      // readings to take; 0 takes readings until stopped
  int intervalMs = 0; // from the start of one reading to the start of the next
  int mode = 0;       // test mode handed to the meter unchanged
  int observer = 0;   // 0: 2° observer, 1: 10° observer
  int firstOrdinal = 0;
  ReadyPolling polling;
};

// A series of live readings: start a test, poll the ready flag until it is
// set or the time-out passes, read the result, build the record; then wait
// for the next reading's start. A failure ends the series; every reading
// taken before it is kept.
class LiveSeries : public QObject {
  Q_OBJECT

public:
  LiveSeries(LuxEngine &meter, const SeriesSettings &settings, QObject *parent = nullptr);

  // Takes the first reading at once. Does nothing while running.
  void start();
  // Ends the series after the reading in progress; between readings at once.
  void stop();

  bool isRunning() const { return phase != Phase::Idle; }
  const QList<LiveReading> &readings() const { return taken; }
  Failure failure() const { return failed; }
  // Why the series failed, in one line: what failed, translated in the
  // "LiveSeries" context, then the meter layer's reason of the exchange;
  // empty when the series did not fail.
  QString errorString() const;
  const SeriesSettings &settings() const { return config; }

signals:
  void readingTaken(const solvane::live::LiveReading &reading);
  void finished();

private:
  enum class Phase { Idle, Waiting, Polling };

  void step();
  void beginReading();
  void pollReady();
  void finishReading();
  bool seriesComplete() const;
  void scheduleNextReading();
  void end(Failure failure);

  LuxEngine &meter;
  SeriesSettings config;
  QList<LiveReading> taken;
  Failure failed = Failure::None;
  QString meterReason; // the meter's errorString() when an exchange failed
  Phase phase = Phase::Idle;
  bool stopRequested = false;
  QTimer timer;
  QElapsedTimer seriesClock;
  QElapsedTimer readingClock;
};

} // namespace solvane::live
