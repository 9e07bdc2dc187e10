#include "scan_uncertainty.h"

#include "figures.h"
#include "messages.h"

#include "lightquality/uncertainty_budget.h"

#include <QMetaObject>

#include <vector>

namespace specview {

QString scansRefusal(int scans) {
  if (lightquality::repeatedScansRefusal(scans).empty()) {
    return {};
  }
  return tr("uncertainty from repeated scans needs at least %1 scans, got %2")
      .arg(lightquality::kMinimumRepeatedScans)
      .arg(scans);
}

bool scanUncertainty(const QVector<QVector<double>> &scans,
                     const lightquality::UncertaintySettings &settings,
                     lightquality::UncertaintyResult *result, QString *error,
                     const lightquality::UncertaintyProgress &progress) {
  const QString refusal = scansRefusal(scans.size());
  fail(error, refusal);
  if (!refusal.isEmpty()) {
    return false;
  }
  std::vector<std::vector<double>> values;
  for (const QVector<double> &scan : scans) {
    values.emplace_back(scan.begin(), scan.end());
  }
  const auto resample = [](const std::vector<double> &spectrum) {
    return figureSpectrum(QVector<double>(spectrum.begin(), spectrum.end()));
  };
  std::string why;
  const bool done = lightquality::propagateRepeatedScans(
      values, resample, 0, lightquality::defaultUncertaintyBudget(), settings, result, &why,
      progress);
  if (!why.empty()) {
    fail(error, QString::fromStdString(why));
  }
  return done;
}

ScanUncertainty::ScanUncertainty(QObject *parent)
    : QObject(parent), worker_(new QObject), newest_(std::make_shared<std::atomic<int>>(0)) {
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.start();
}

ScanUncertainty::~ScanUncertainty() {
  ++*newest_;
  thread_.quit();
  thread_.wait();
}

// Runs queue on the worker thread; each checks at its start and after every
// batch whether it is still the newest. Progress and results come back
// through queued calls, which Qt drops once this object is gone.
void ScanUncertainty::start(const QVector<QVector<double>> &scans) {
  const int run = ++*newest_;
  const std::shared_ptr<std::atomic<int>> newest = newest_;
  QMetaObject::invokeMethod(
      worker_,
      [this, run, newest, scans] {
        const auto current = [run, newest] { return newest->load() == run; };
        if (!current()) {
          return;
        }
        lightquality::UncertaintySettings settings;
        settings.adaptive = false;
        settings.draws = kDraws;
        settings.seed = lightquality::randomSeed();
        lightquality::UncertaintyResult result;
        QString error;
        const bool done = scanUncertainty(
            scans, settings, &result, &error, [this, current](int drawn, int most) {
              if (current()) {
                QMetaObject::invokeMethod(
                    this, [this, current, drawn, most] {
                      if (current()) {
                        emit progressed(drawn, most);
                      }
                    },
                    Qt::QueuedConnection);
              }
              return current();
            });
        if (!done && error.isEmpty()) {
          return; // stopped
        }
        QMetaObject::invokeMethod(
            this,
            [this, current, done, result, error, n = scans.size()] {
              if (current()) {
                done ? emit finished(result, n) : emit failed(error);
              }
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void ScanUncertainty::stop() {
  ++*newest_;
}

} // namespace specview
