// Saves the documentation's pictures of specview on the demo spectrometer:
// continuous mode, the calibrated spectrum with its figures, the figures
// with their uncertainty from eight scans, and a saturated frame in the raw
// view.
//
//   specview_screenshots LANGUAGE OUTPUT-FOLDER      (under xvfb-run)

#include "language.h"
#include "mainwindow.h"

#include "tesselusb/sim_loader.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSpinBox>

#include <cstdio>

namespace {

// The demo spectrometer, its frames following the integration time.
constexpr const char *kState =
    R"({"device": "spectrometer", "pixels_integration_time": 100})";

bool loadState(const char *json) {
  static const simtest::SimControls simulator;
  return simulator.ready() && simulator.loadState(json) == 1;
}

void settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

bool save(specview::MainWindow &window, const QDir &folder, const QString &name,
          const QString &language) {
  settle(300);
  const QString path = folder.filePath(QString("specview-%1-%2.png").arg(name, language));
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "specview_screenshots: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

void acquireAndWait(specview::MainWindow &window) {
  QSignalSpy frames(&window, &specview::MainWindow::frameShown);
  window.acquireOnce();
  frames.wait(10000);
}

void setSpin(specview::MainWindow &window, const char *setting, int value) {
  for (QSpinBox *box : window.findChildren<QSpinBox *>()) {
    if (box->property("settingName") == setting) {
      box->setValue(value);
    }
  }
}

// Until the light-quality CCT carries its uncertainty, at most 30 s.
void waitForUncertainty(specview::MainWindow &window) {
  QElapsedTimer timer;
  timer.start();
  while (!window.figureText("lqCct").contains(QChar(0xB1)) && timer.elapsed() < 30000) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  if (argc != 3 || !specview::language::kCodes.contains(argv[1])) {
    std::fprintf(stderr, "usage: specview_screenshots cn|tw|en OUTPUT-FOLDER\n");
    return 2;
  }
  const QString language = argv[1];
  specview::language::install(app, language);
  const QDir folder(argv[2]);
  if (!loadState(kState)) {
    std::fprintf(stderr, "specview_screenshots: the simulated spectrometer did not load\n");
    return 1;
  }
  specview::MainWindow window;
  window.resize(1280, 800);
  window.show();
  window.connectDevice();

  QSignalSpy frames(&window, &specview::MainWindow::frameShown);
  window.startContinuous();
  while (frames.count() < 10 && frames.wait(10000)) {
  }
  bool ok = save(window, folder, "continuous", language);
  window.stopContinuous();
  settle(500);

  window.setView(specview::Processing::CalibratedSpectrum);
  acquireAndWait(window);
  ok = save(window, folder, "spectrum", language) && ok;

  setSpin(window, "scans", 8);
  window.findChild<QCheckBox *>("check_showUncertainty")->setChecked(true);
  acquireAndWait(window);
  waitForUncertainty(window);
  ok = save(window, folder, "uncertainty", language) && ok;
  window.findChild<QCheckBox *>("check_showUncertainty")->setChecked(false);
  setSpin(window, "scans", 1);

  setSpin(window, "time", 200); // twice the light the demo frame was taken with
  window.setView(specview::Processing::RawCounts);
  acquireAndWait(window);
  ok = save(window, folder, "saturated", language) && ok;
  return ok ? 0 : 1;
}
