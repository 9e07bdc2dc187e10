// The desktop program against a simulated meter holding 1,000 records:
// start-up until the window has painted (a separate process each time), and
// Read: reading, computing and listing every record in the window.
//
//   window_bench [--benchmark_repetitions=N]
//
// Run from any folder; the program and the simulated library are found
// beside this benchmark.

#include "mainwindow.h"
#include "messagebox.h"

#include "meter_state.h"
#include "solvane/records/measurement_record.h"
#include "luxengine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kRecords = 1000;

QTemporaryDir &stateDir() {
  static QTemporaryDir dir;
  return dir;
}

QString statePath() {
  return stateDir().filePath("meter_1000_records.json");
}

void BM_StartupToWindowShown(benchmark::State &state) {
  const QString program = QCoreApplication::applicationDirPath() + "/solvane";
  for (auto _ : state) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SOLVANE_TEST_QUIT_AFTER_MS", "0");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QCoreApplication::applicationDirPath());
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    bool shown = false;
    while (!shown && process.waitForReadyRead(10000)) {
      shown = process.readAllStandardOutput().contains("window shown");
    }
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    process.waitForFinished(10000);
    if (!shown) {
      state.SkipWithError("the window was not shown");
      break;
    }
  }
}
BENCHMARK(BM_StartupToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Read in the window: every record read, computed, listed, row 0 shown.
void BM_ReadComputeList1000(benchmark::State &state) {
  MainWindow window;
  window.show();
  auto *read = window.findChild<QPushButton *>("btn_readData");
  auto *table = window.findChild<QTableWidget *>("tableWidget_storedData");
  for (auto _ : state) {
    read->click();
  }
  if (table->rowCount() != kRecords) {
    state.SkipWithError("not every record was listed");
  }
  state.counters["records"] = table->rowCount();
}
BENCHMARK(BM_ReadComputeList1000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same records without the window: meter exchanges and record building.
void BM_ReadAndBuild1000(benchmark::State &state) {
  LuxEngine meter;
  for (auto _ : state) {
    const auto outcome = solvane::records::readStoredRecords(meter, 0);
    benchmark::DoNotOptimize(outcome.records.size());
  }
}
BENCHMARK(BM_ReadAndBuild1000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  if (!stateDir().isValid() || !meterstate::write(statePath(), meterstate::withRecords(kRecords))) {
    std::fprintf(stderr, "window_bench: cannot write the meter state\n");
    return 1;
  }
  // Read by the simulated library on its first call, here and in the
  // started programs alike.
  qputenv("TESSELUSB_STATE", statePath().toLocal8Bit());
  solvane::ui::setWarningAnswerer([](const QString &, const QString &) { return QMessageBox::Ok; });
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
