// A day-long live series in the Series dialog: 1,000, 10,000 and 100,000
// readings at interval 0 on the simulated meter. Each run reports the
// process's resident memory growth per reading, split into the record list
// itself (measured by letting it go after the dialog) and everything else
// (the trends, the curves, the series' bookkeeping), and the longest the
// event loop was held by one step, which is how long the window could not
// answer the user.
//
//   build-bench/bin/live_bench

#include "luxengine.h"
#include "series_dialog.h"


#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QSpinBox>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr double kKiB = 1024.0;

double residentKiB() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return 0;
  }
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').first().toDouble();
    }
  }
  return 0;
}

// Resident memory once freed heap has gone back to the system.
double settledKiB() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
  return residentKiB();
}

void BM_DayLongSeries(benchmark::State &state) {
  const int readings = static_cast<int>(state.range(0));
  LuxEngine meter;
  double total = 0, recordList = 0;
  qint64 longestStepNs = 0;
  for (auto _ : state) {
    const double before = settledKiB();
    auto dialog = std::make_unique<SeriesDialog>(meter, 0, 0);
    dialog->findChild<QSpinBox *>("spinBox_count")->setValue(readings);
    dialog->findChild<QDoubleSpinBox *>("doubleSpinBox_interval")->setValue(0);
    dialog->show();
    dialog->startSeries();
    QElapsedTimer step;
    while (dialog->isRunning()) {
      step.start();
      QCoreApplication::processEvents();
      longestStepNs = std::max(longestStepNs, step.nsecsElapsed());
    }
    const double atEnd = residentKiB();
    QList<QStringList> kept = dialog->records();
    if (kept.size() != readings) {
      state.SkipWithError("the series did not take every reading");
      return;
    }
    state.PauseTiming();
    dialog.reset();
    const double withRecords = settledKiB();
    kept.clear();
    const double without = settledKiB();
    state.ResumeTiming();
    total = atEnd - before;
    recordList = withRecords - without;
  }
  state.counters["KiB_per_reading"] = total / readings;
  state.counters["record_KiB_per_reading"] = recordList / readings;
  state.counters["other_bytes_per_reading"] = (total - recordList) * kKiB / readings;
  state.counters["longest_step_ms"] = static_cast<double>(longestStepNs) / 1e6;
}
BENCHMARK(BM_DayLongSeries)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type != QtDebugMsg) {
      std::fprintf(stderr, "%s\n", qPrintable(text));
    }
  });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
