// A picture of the Series dialog while a series runs, for the documentation:
// the meter's warm-up series every 0.3 s, saved after the seventh reading.
//
//   solvane_series_screenshot LANGUAGE(cn|tw|en) OUTPUT.png
//
// Run it in the folder that holds the translation files, on a display
// (xvfb-run).

#include "fonts.h"
#include "series_dialog.h"

#include "luxengine.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QPixmap>
#include <QSpinBox>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

constexpr int kReadings = 10;
constexpr double kIntervalSeconds = 0.3;
constexpr int kReadingsInPicture = 7;
constexpr int kWatchMs = 20;

} // namespace

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: solvane_series_screenshot cn|tw|en OUTPUT.png\n");
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[2]);
  solvane::ui::installFontSubstitutions();
  QTranslator translator;
  if (!translator.load(QString::fromLocal8Bit(argv[1]) + ".qm")) {
    std::fprintf(stderr, "solvane_series_screenshot: no %s.qm in the working folder\n", argv[1]);
    return 1;
  }
  application.installTranslator(&translator);

  LuxEngine meter;
  SeriesDialog dialog(meter, 0, 0);
  dialog.findChild<QSpinBox *>("spinBox_count")->setValue(kReadings);
  dialog.findChild<QDoubleSpinBox *>("doubleSpinBox_interval")->setValue(kIntervalSeconds);
  dialog.show();

  // The dialog repaints as each reading arrives; look at it between events.
  int status = 1;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (status != 0 && dialog.records().size() >= kReadingsInPicture) {
      status = dialog.grab().save(output) ? 0 : 1;
      dialog.stopSeries();
    }
    if (!dialog.isRunning()) {
      application.quit();
    }
  });
  dialog.startSeries();
  watch.start(kWatchMs);
  application.exec();
  if (status != 0) {
    std::fprintf(stderr, "solvane_series_screenshot: no picture saved to %s\n", argv[2]);
  }
  return status;
}
