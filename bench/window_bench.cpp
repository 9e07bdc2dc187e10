// The desktop program against a simulated meter holding 1,000 records:
// start-up until the window has painted (a separate process each time), and
// Read: reading, computing and listing every record in the window. Then
// a data file of 100,000 records: Open, and with that list selecting a row,
// scrolling and switching the plot mode; and a day-long live series.
//
//   window_bench [--benchmark_repetitions=N]
//
// Run from any folder; the program and the simulated library are found
// beside this benchmark.

#include "big_data_file.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "process_memory.h"
#include "series_dialog.h"

#include "meter_state.h"
#include "solvane/records/measurement_record.h"
#include "luxengine.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>

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

// A window holding the 100,000 records of a day-long series, opened from
// their data file once per run.
constexpr int kFileRecords = 100000;

QString bigFilePath() {
  return stateDir().filePath("day.csv");
}

// Answers the next file dialog with `path`, once the window has opened it.
void chooseFileWhenAsked(const QString &path) {
  QTimer::singleShot(0, [path] {
    if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
      dialog->selectFile(path);
      static_cast<QDialog *>(dialog)->accept();
    }
  });
}

MainWindow &dayWindow() {
  static MainWindow *window = [] {
    auto *w = new MainWindow; // lives until the process ends, like the program's window
    w->show();
    chooseFileWhenAsked(bigFilePath());
    w->findChild<QPushButton *>("btn_open")->click();
    return w;
  }();
  return *window;
}

QTableWidget *storedTable(MainWindow &window) {
  return window.findChild<QTableWidget *>("tableWidget_storedData");
}

// Open: the file dialog answered, the file read, the list filled, row 0
// shown and painted.
void BM_Open100000(benchmark::State &state) {
  MainWindow window;
  window.show();
  auto *open = window.findChild<QPushButton *>("btn_open");
  for (auto _ : state) {
    chooseFileWhenAsked(bigFilePath());
    open->click();
    window.repaint();
  }
  if (storedTable(window)->rowCount() != kFileRecords) {
    state.SkipWithError("not every record was listed");
  }
}
BENCHMARK(BM_Open100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A click on a row far down the list: the record's tables and plot.
void BM_SelectRow100000(benchmark::State &state) {
  MainWindow &window = dayWindow();
  QTableWidget *table = storedTable(window);
  int row = 0;
  for (auto _ : state) {
    row = (row + 33331) % kFileRecords;
    table->selectRow(row);
    emit table->cellClicked(row, 1);
    window.repaint();
  }
}
BENCHMARK(BM_SelectRow100000)->Unit(benchmark::kMillisecond)->Iterations(20);

// Scrolling the list by a page, painted.
void BM_Scroll100000(benchmark::State &state) {
  QTableWidget *table = storedTable(dayWindow());
  QScrollBar *bar = table->verticalScrollBar();
  for (auto _ : state) {
    bar->setValue((bar->value() + 7 * bar->pageStep()) % (bar->maximum() + 1));
    table->viewport()->repaint();
  }
}
BENCHMARK(BM_Scroll100000)->Unit(benchmark::kMillisecond)->Iterations(20);

// Switching the plot between spectrum, CIE 1931 and CIE 1976, painted.
void BM_PlotMode100000(benchmark::State &state) {
  MainWindow &window = dayWindow();
  auto *mode = window.findChild<QComboBox *>("comboBox_plot");
  for (auto _ : state) {
    mode->setCurrentIndex((mode->currentIndex() + 1) % mode->count());
    window.repaint();
  }
}
BENCHMARK(BM_PlotMode100000)->Unit(benchmark::kMillisecond)->Iterations(21);

// A day-long series in the Series dialog: 1,000, 10,000 and 100,000
// readings at interval 0 on the simulated meter. Reports the resident
// memory growth per reading, split into the record list itself (measured
// by letting it go after the dialog) and everything else (the trends, the
// curves, the series' bookkeeping), and the longest the event loop was held
// by one step, which is how long the window could not answer the user.
double settledKiB() {
  procmem::returnFreedMemory();
  return procmem::statusKiB("VmRSS:");
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
    const double atEnd = procmem::statusKiB("VmRSS:");
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
  state.counters["other_bytes_per_reading"] = (total - recordList) * 1024.0 / readings;
  state.counters["longest_step_ms"] = static_cast<double>(longestStepNs) / 1e6;
}
BENCHMARK(BM_DayLongSeries)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  if (!stateDir().isValid() || !meterstate::write(statePath(), meterstate::withRecords(kRecords)) ||
      !bigdata::writeDataFile(bigFilePath(), kFileRecords)) {
    std::fprintf(stderr, "window_bench: cannot write the meter state\n");
    return 1;
  }
  // Read by the simulated library on its first call, here and in the
  // started programs alike.
  qputenv("TESSELUSB_STATE", statePath().toLocal8Bit());
  solvane::ui::setMessageAnswerer(
      [](QMessageBox::Icon, const QString &, const QString &) { return QMessageBox::Ok; });
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
