#include "acquisition.h"

#include <QMutex>
#include <QMutexLocker>

namespace specview {

// Runs on the acquisition thread; every slot is reached through a queued call.
class AcquisitionWorker : public QObject {
  Q_OBJECT

public:
  AcquisitionWorker(std::shared_ptr<std::atomic<bool>> stopRequested,
                    std::shared_ptr<std::atomic<int>> framesInFlight)
      : stopRequested_(std::move(stopRequested)), framesInFlight_(std::move(framesInFlight)) {}

  void setSettings(const AcquisitionSettings &settings) {
    const QMutexLocker lock(&mutex_);
    settings_ = settings;
  }

public slots:
  void acquireOnce() {
    AcquiredFrame acquired;
    if (readFrame(&acquired)) {
      send(acquired);
    }
    emit done();
  }

  void run() {
    AcquiredFrame acquired;
    while (!stopRequested_->load() && readFrame(&acquired)) {
      send(acquired);
      while (framesInFlight_->load() >= kMaxFramesInFlight && !stopRequested_->load()) {
        QThread::msleep(2);
      }
    }
    emit done();
  }

  void autoIntegrate(int fullScale, const specview::IntegrationLimits &limits) {
    AcquiredFrame acquired;
    bool converged = false;
    for (int n = 0; n < kAutoMaxFrames && !stopRequested_->load(); ++n) {
      if (!readFrame(&acquired)) {
        emit done();
        return;
      }
      send(acquired);
      const Frame &frame = acquired.frame;
      const std::optional<int> next = nextIntegrationTime(
          frame.integrationTime, frame.peakCount(), frame.darkLevel(), fullScale, limits);
      if (!next) {
        converged = saturatedPixels(frame.pixels, fullScale) == 0;
        break;
      }
      const QMutexLocker lock(&mutex_);
      settings_.integrationTime = *next;
    }
    emit integrationTimeFound(currentSettings().integrationTime, converged);
    emit done();
  }

signals:
  void frameAcquired(const specview::AcquiredFrame &frame);
  void failed(const QString &error);
  void integrationTimeFound(int time, bool converged);
  void done();

private:
  static constexpr int kMaxFramesInFlight = 2;

  void send(const AcquiredFrame &acquired) {
    ++*framesInFlight_;
    emit frameAcquired(acquired);
  }

  AcquisitionSettings currentSettings() {
    const QMutexLocker lock(&mutex_);
    return settings_;
  }

  bool readFrame(AcquiredFrame *acquired) {
    QString error;
    if (!acquireFrame(currentSettings(), &acquired->frame, &error)) {
      emit failed(error);
      return false;
    }
    acquired->figures = computeFigures(acquired->frame.spectrumValues());
    return true;
  }

  std::shared_ptr<std::atomic<bool>> stopRequested_;
  std::shared_ptr<std::atomic<int>> framesInFlight_;
  QMutex mutex_;
  AcquisitionSettings settings_;
};

Acquisition::Acquisition(QObject *parent)
    : QObject(parent), stopRequested_(std::make_shared<std::atomic<bool>>(false)),
      framesInFlight_(std::make_shared<std::atomic<int>>(0)) {
  qRegisterMetaType<specview::AcquiredFrame>();
  qRegisterMetaType<specview::IntegrationLimits>();
  worker_ = new AcquisitionWorker(stopRequested_, framesInFlight_);
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  connect(worker_, &AcquisitionWorker::frameAcquired, this, [this](const AcquiredFrame &frame) {
    --*framesInFlight_;
    emit frameAcquired(frame);
  });
  connect(worker_, &AcquisitionWorker::failed, this, &Acquisition::failed);
  connect(worker_, &AcquisitionWorker::integrationTimeFound, this,
          &Acquisition::integrationTimeFound);
  connect(worker_, &AcquisitionWorker::done, this, [this] { setBusy(false); });
  thread_.start();
}

Acquisition::~Acquisition() {
  stopRequested_->store(true);
  thread_.quit();
  thread_.wait();
}

void Acquisition::setSettings(const AcquisitionSettings &settings) {
  worker_->setSettings(settings);
}

void Acquisition::acquireOnce() {
  if (busy_) {
    return;
  }
  setBusy(true);
  QMetaObject::invokeMethod(worker_, &AcquisitionWorker::acquireOnce, Qt::QueuedConnection);
}

void Acquisition::start() {
  if (busy_) {
    return;
  }
  stopRequested_->store(false);
  setBusy(true);
  QMetaObject::invokeMethod(worker_, &AcquisitionWorker::run, Qt::QueuedConnection);
}

void Acquisition::stop() {
  stopRequested_->store(true);
}

void Acquisition::autoIntegrate(int fullScale, const IntegrationLimits &limits) {
  if (busy_) {
    return;
  }
  stopRequested_->store(false);
  setBusy(true);
  QMetaObject::invokeMethod(
      worker_, [this, fullScale, limits] { worker_->autoIntegrate(fullScale, limits); },
      Qt::QueuedConnection);
}

void Acquisition::setBusy(bool busy) {
  if (busy_ != busy) {
    busy_ = busy;
    emit busyChanged(busy);
  }
}

} // namespace specview

#include "acquisition.moc"
