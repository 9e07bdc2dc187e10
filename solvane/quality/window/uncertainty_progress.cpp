#include "uncertainty_progress.h"

#include "work_thread.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <atomic>

namespace solvane::quality {

std::optional<lightquality::UncertaintyResult>
propagateWithProgress(const lightquality::Spectrum &spectrum, double illuminanceLux,
                      const lightquality::UncertaintyBudget &budget,
                      const lightquality::UncertaintySettings &settings, const QString &label,
                      QWidget *parent) {
  QProgressDialog progress(parent); // its own Cancel button, in Qt's translation
  progress.setLabelText(label);
  progress.setRange(0, settings.draws);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);

  std::atomic<bool> cancelled{false};
  lightquality::UncertaintyResult result;
  bool done = false;
  // The counts reach the dialog through queued calls, which Qt drops once
  // the dialog is gone; the thread has ended by then. A count after Cancel
  // would show the dialog again.
  WorkThread worker([&] {
    done = lightquality::propagateUncertainty(
        spectrum, illuminanceLux, budget, settings, &result, [&](int drawn, int most) {
          QMetaObject::invokeMethod(
              &progress,
              [&progress, &cancelled, drawn, most] {
                if (!cancelled) {
                  progress.setMaximum(most);
                  progress.setValue(drawn);
                }
              },
              Qt::QueuedConnection);
          return !cancelled;
        });
  });
  QEventLoop waiting;
  QObject::connect(&worker, &QThread::finished, &waiting, &QEventLoop::quit);
  // Cancel, Escape and closing the dialog; the draws stop at their next batch.
  QObject::connect(&progress, &QProgressDialog::canceled, &waiting, [&cancelled] {
    cancelled = true;
  });
  worker.start();
  waiting.exec();
  worker.wait();
  if (!done || cancelled) {
    return std::nullopt;
  }
  return result;
}

} // namespace solvane::quality
