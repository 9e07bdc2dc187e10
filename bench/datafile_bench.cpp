// The data file at the size of a day-long series: 100,000 measurement
// records, about 230 MB. Open reads the file into a fresh record list as
// the window does; One record and Stream read it as solvane-cli's report,
// spdx and metrics --csv do (stopping at the record wanted, or handing each
// record on without keeping it); Export writes the records. The reads also
// report the process's peak resident memory while they run (Linux: the
// peak is reset through /proc/self/clear_refs before each read).
//
//   build-bench/bin/datafile_bench [--benchmark_filter=Open]
//
// DATAFILE_BENCH_FILE=/path/big.csv keeps the file there, so that
// bench/pandas_read_csv.py can read the same file beside it.

#include "big_data_file.h"
#include "process_memory.h"
#include "tsiostream.h"

#include "solvane/records/measurement_record.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kRecords = 100000;
constexpr double kMiB = 1024.0 * 1024.0;

namespace rec = solvane::records;

QString filePath(const char *name) {
  static QTemporaryDir dir;
  return dir.filePath(name);
}

QString bigFilePath() {
  const QString kept = qEnvironmentVariable("DATAFILE_BENCH_FILE");
  return kept.isEmpty() ? filePath("big.csv") : kept;
}

double statusMiB(const QByteArray &key) {
  return procmem::statusKiB(key) / 1024;
}

// The file to read, written once per run.
const QString &bigFile() {
  static const QString path = [] {
    const QString target = bigFilePath();
    return bigdata::writeDataFile(target, kRecords) ? target : QString();
  }();
  return path;
}

// Runs `read` once per iteration and reports the peak resident memory it
// took beside the file's size; `release` frees what it kept, untimed.
template <typename Read, typename Release = void (*)()>
void measureRead(benchmark::State &state, Read read, Release release = [] {}) {
  const QString &path = bigFile();
  if (path.isEmpty()) {
    state.SkipWithError("writing the file to read failed");
    return;
  }
  double before = 0;
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    procmem::returnFreedMemory();
    procmem::resetPeakMemory();
    before = statusMiB("VmRSS:");
    state.ResumeTiming();
    if (!read(path)) {
      state.SkipWithError("reading the file failed");
      return;
    }
    state.PauseTiming();
    peak = statusMiB("VmHWM:");
    release();
    state.ResumeTiming();
  }
  const double fileMiB = static_cast<double>(QFileInfo(path).size()) / kMiB;
  state.counters["file_MiB"] = fileMiB;
  state.counters["read_MiB"] = peak - before;
  state.counters["read_per_file"] = (peak - before) / fileMiB;
}

// Open: every record into a fresh list (freed outside the timed part).
void BM_Open(benchmark::State &state) {
  QList<QStringList> records;
  measureRead(
      state,
      [&records](const QString &path) {
        TSIOStream stream;
        stream.setFileName(path);
        QStringList header;
        return stream.readSolvaneData(&header, &records) && records.size() == kRecords;
      },
      [&records] { records.clear(); });
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->Iterations(3);

// report/spdx --record N: the file up to the record wanted.
void BM_OneRecord(benchmark::State &state) {
  const int wanted = static_cast<int>(state.range(0));
  measureRead(state, [wanted](const QString &path) {
    TSIOStream stream;
    stream.setFileName(path);
    QStringList header;
    QStringList found;
    int ordinal = 0;
    const bool ok = stream.readSolvaneData(&header, [&](QStringList &record) {
      if (ordinal++ < wanted) {
        return true;
      }
      found = record;
      return false;
    });
    return ok && found.size() == rec::kFieldCount;
  });
}
BENCHMARK(BM_OneRecord)->Arg(0)->Arg(kRecords - 1)->Unit(benchmark::kMillisecond)->Iterations(3);

// metrics --csv: every record handed on and let go.
void BM_Stream(benchmark::State &state) {
  measureRead(state, [](const QString &path) {
    TSIOStream stream;
    stream.setFileName(path);
    QStringList header;
    int count = 0;
    const bool ok = stream.readSolvaneData(&header, [&count](QStringList &) {
      ++count;
      return true;
    });
    return ok && count == kRecords;
  });
}
BENCHMARK(BM_Stream)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Export(benchmark::State &state) {
  QList<QStringList> records;
  records.reserve(kRecords);
  for (int i = 0; i < kRecords; ++i) {
    records << bigdata::recordMaker().record(i);
  }
  const QString path = filePath("export.csv");
  for (auto _ : state) {
    TSIOStream stream;
    stream.setFileName(path);
    if (!stream.writeSolvaneData(TSIOStream::dataFileHeader(), records)) {
      state.SkipWithError("export failed");
      return;
    }
  }
  state.counters["file_MiB"] = static_cast<double>(QFileInfo(path).size()) / kMiB;
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
