#pragma once

// The uncertainty of a frame's light-quality figures, with the noise from
// the spread of its repeated scans and the other terms from the default
// budget. The draws run on a thread of their own, so the window never waits
// for them; a new start stops the run before, whose results are then never
// reported.

#include "lightquality/uncertainty.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>
#include <memory>

namespace specview {

// Why `scans` scans give no uncertainty, in the program's language; empty
// when they do.
QString scansRefusal(int scans);

// The figures' uncertainty from calibrated scans (380 to 779 nm each), in
// the order of lightquality::uncertainFigures(). The spectrometer measures
// no illuminance: only the relative figures get one. False with why in
// `error` for too few scans; false with `error` empty when `progress`
// stopped it.
bool scanUncertainty(const QVector<QVector<double>> &scans,
                     const lightquality::UncertaintySettings &settings,
                     lightquality::UncertaintyResult *result, QString *error,
                     const lightquality::UncertaintyProgress &progress = {});

class ScanUncertainty : public QObject {
  Q_OBJECT

public:
  // Draws of the live display: u to about ±0.7 %, in about a second.
  static constexpr int kDraws = 10000;

  explicit ScanUncertainty(QObject *parent = nullptr);
  // Stops a run and waits for its current batch.
  ~ScanUncertainty() override;

  // Draws for these scans, stopping a run in progress.
  void start(const QVector<QVector<double>> &scans);
  // Stops a run in progress; nothing more is reported of it.
  void stop();

signals:
  void progressed(int done, int most);
  void finished(const lightquality::UncertaintyResult &result, int scans);
  void failed(const QString &error);

private:
  QThread thread_;
  QObject *worker_; // lives on thread_
  // The number of the newest run: a run that is no longer the newest stops
  // at its next batch and reports nothing.
  std::shared_ptr<std::atomic<int>> newest_;
};

} // namespace specview
