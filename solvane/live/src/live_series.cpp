#include "solvane/live/live_series.h"

#include "luxengine.h"
#include "devlink/meter_records.h"
#include "solvane/colour/tristimulus.h"
#include "solvane/records/measurement_record.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <vector>

namespace solvane::live {

namespace {

// A test result carries no ratio: scale its counts so that the reported Y is
// the illuminance the meter measured with them, as a stored record's is.
double liveRatio(const std::vector<double> &intensity, double illuminance) {
  const double plainY =
      solvane::tristimulus(intensity.data(), static_cast<int>(intensity.size()),
                           solvane::kObserver2deg)
          .Y;
  return devlink::meter::ratioForIlluminance(illuminance, plainY);
}

} // namespace

QString liveLabel(int ordinal) {
  return QStringLiteral("LIVE.%1").arg(ordinal, 3, 10, QLatin1Char('0'));
}

QString LiveSeries::errorString() const {
  QString what;
  switch (failed) {
  case Failure::None:
    return QString();
  case Failure::TimedOut:
    return QCoreApplication::translate("LiveSeries", "The meter had no result within %1 seconds")
        .arg(config.polling.timeoutMs / 1000.0);
  case Failure::StartFailed:
    what = QCoreApplication::translate("LiveSeries", "Starting a test on the meter failed");
    break;
  case Failure::ReadyFlagFailed:
    what = QCoreApplication::translate("LiveSeries", "Asking the meter for its result failed");
    break;
  case Failure::ResultReadFailed:
    what = QCoreApplication::translate("LiveSeries", "Reading the test result failed");
    break;
  }
  return what + QStringLiteral(": ") + meterReason;
}

LiveSeries::LiveSeries(LuxEngine &meterEngine, const SeriesSettings &settings, QObject *parent)
    : QObject(parent), meter(meterEngine), config(settings) {
  timer.setSingleShot(true);
  // A coarse timer may fire up to 5 % early; a reading must not start
  // before its slot.
  timer.setTimerType(Qt::PreciseTimer);
  connect(&timer, &QTimer::timeout, this, &LiveSeries::step);
}

void LiveSeries::start() {
  if (isRunning()) {
    return;
  }
  taken.clear();
  failed = Failure::None;
  meterReason.clear();
  stopRequested = false;
  seriesClock.start();
  phase = Phase::Waiting;
  timer.start(0);
}

void LiveSeries::stop() {
  stopRequested = true;
  if (phase == Phase::Waiting) {
    timer.stop();
    end(Failure::None);
  }
}

void LiveSeries::step() {
  if (phase == Phase::Waiting) {
    beginReading();
  } else if (phase == Phase::Polling) {
    pollReady();
  }
}

void LiveSeries::beginReading() {
  if (meter.startToTest(config.mode) != 1) {
    end(Failure::StartFailed);
    return;
  }
  readingClock.start();
  phase = Phase::Polling;
  pollReady(); // a result that is ready at once costs no interval
}

void LiveSeries::pollReady() {
  const int ready = meter.isReadyForReadingReslut();
  if (ready < 0) {
    end(Failure::ReadyFlagFailed);
  } else if (ready > 0) {
    finishReading();
  } else if (readingClock.elapsed() >= config.polling.timeoutMs) {
    end(Failure::TimedOut);
  } else {
    timer.start(config.polling.intervalMs);
  }
}

void LiveSeries::finishReading() {
  double illuminance = 0;
  std::vector<int> counts(records::kSpectrumFields);
  if (meter.readTestResult(kResultSelector, &illuminance, counts.data()) != 1) {
    end(Failure::ResultReadFailed);
    return;
  }
  const QDateTime now = QDateTime::currentDateTime();
  const qint64 elapsed = seriesClock.elapsed();
  const std::vector<double> intensity(counts.begin(), counts.end());
  QStringList record = records::buildMeasurementRecord(
      0, now, illuminance, intensity.data(), records::kSpectrumFields,
      liveRatio(intensity, illuminance), config.observer);
  record[records::kLabel] = liveLabel(config.firstOrdinal + taken.size());
  taken.append({record, elapsed});
  emit readingTaken(taken.constLast());
  if (seriesComplete() || stopRequested) {
    end(Failure::None);
  } else {
    scheduleNextReading();
  }
}

bool LiveSeries::seriesComplete() const {
  return config.count > 0 && taken.size() >= config.count;
}

// Readings start on a fixed schedule from the start of the series; one that
// overran its slot is followed at once.
void LiveSeries::scheduleNextReading() {
  const qint64 due = static_cast<qint64>(taken.size()) * config.intervalMs;
  phase = Phase::Waiting;
  timer.start(static_cast<int>(std::max<qint64>(0, due - seriesClock.elapsed())));
}

void LiveSeries::end(Failure failure) {
  failed = failure;
  if (failure != Failure::None && failure != Failure::TimedOut) {
    meterReason = meter.errorString();
  }
  phase = Phase::Idle;
  emit finished();
}

} // namespace solvane::live
