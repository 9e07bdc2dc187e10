#pragma once

// Frames are read on a thread of their own, so the window never waits for
// the device: one frame, frames until stopped, or the automatic integration
// time. Each frame comes with its colour figures, computed on that thread.

#include "analysis.h"
#include "device.h"
#include "figures.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace specview {

struct AcquiredFrame {
  Frame frame;
  Figures figures;
};

class AcquisitionWorker;

class Acquisition : public QObject {
  Q_OBJECT

public:
  explicit Acquisition(QObject *parent = nullptr);
  // Stops a run and waits for the frame in progress.
  ~Acquisition() override;

  // Takes effect from the next frame, also during a run.
  void setSettings(const AcquisitionSettings &settings);
  bool isBusy() const { return busy_; }

public slots:
  void acquireOnce();
  // Frames one after another until stop() or a failure.
  void start();
  // Ends a run after the frame in progress.
  void stop();
  // Frames at changing times until the peak lies near kAutoTargetShare of
  // `fullScale`, at most kAutoMaxFrames frames.
  void autoIntegrate(int fullScale, const specview::IntegrationLimits &limits);

signals:
  void frameAcquired(const specview::AcquiredFrame &frame);
  // A frame could not be read; the run (if any) has ended.
  void failed(const QString &error);
  void busyChanged(bool busy);
  void integrationTimeFound(int time, bool converged);

private:
  void setBusy(bool busy);

  QThread thread_;
  AcquisitionWorker *worker_; // lives on thread_
  std::shared_ptr<std::atomic<bool>> stopRequested_;
  // Frames sent but not yet handed on here: a run waits while the window
  // is behind, so frames never pile up in its event queue.
  std::shared_ptr<std::atomic<int>> framesInFlight_;
  bool busy_ = false;
};

} // namespace specview

Q_DECLARE_METATYPE(specview::AcquiredFrame)
Q_DECLARE_METATYPE(specview::IntegrationLimits)
