// Export and Open of a data file of 10,000 measurement records, as the
// window does them: TSIOStream writing the header and every record, and
// reading the file back into a fresh record list. The open also reports
// the process's peak resident memory while it reads (Linux: the peak is
// reset through /proc/self/clear_refs before each read).
//
//   build-bench/bin/datafile_bench [--benchmark_filter=Open]

#include "tsiostream.h"

#include "solvane/records/measurement_record.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <vector>

namespace {

constexpr int kRecords = 10000;
constexpr double kMiB = 1024.0 * 1024.0;

// Records as the meter gives them: one computed from a smooth spectrum,
// copied under every label, so every line has a real record's length.
QList<QStringList> makeRecords(int count) {
  std::vector<double> spectrum(solvane::records::kSpectrumFields);
  for (size_t i = 0; i < spectrum.size(); ++i) {
    spectrum[i] = 30000 + 20000 * std::sin(static_cast<double>(i) / 60);
  }
  const QStringList record = solvane::records::buildMeasurementRecord(
      0, QDateTime(QDate(2019, 5, 21), QTime(14, 3, 9)), 1234.5, spectrum.data(),
      static_cast<int>(spectrum.size()), 1.0, 0);
  QList<QStringList> records;
  records.reserve(count);
  for (int i = 0; i < count; ++i) {
    records << record;
    records.last()[solvane::records::kLabel] = solvane::records::recordLabel(i);
  }
  return records;
}

QString filePath(const char *name) {
  static QTemporaryDir dir;
  return dir.filePath(name);
}

bool exportRecords(const QString &path, const QList<QStringList> &records) {
  TSIOStream stream;
  stream.setFileName(path);
  return stream.writeSolvaneData(TSIOStream::dataFileHeader(), records);
}

// Resident memory figures of this process in MiB, from /proc/self/status.
double statusMiB(const QByteArray &key) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return 0;
  }
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (line.startsWith(key)) {
      return line.mid(key.size()).trimmed().split(' ').first().toDouble() * 1024 / kMiB;
    }
  }
  return 0;
}

// The file to open, written line by line from one exported record so that
// no record list inflates the process's memory before the open is measured.
bool writeFileToOpen(const QString &path, int count) {
  const QString single = filePath("single.csv");
  QFile exported(single);
  if (!exportRecords(single, makeRecords(1)) || !exported.open(QIODevice::ReadOnly)) {
    return false;
  }
  const QByteArray header = exported.readLine();
  const QByteArray line = exported.readLine();
  const QByteArray afterLabel = line.mid(line.indexOf(','));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return false;
  }
  file.write(header);
  for (int i = 0; i < count; ++i) {
    file.write(solvane::records::recordLabel(i).toUtf8() + afterLabel);
  }
  return file.flush();
}

// Hands freed heap back to the system, so each read starts from the same
// resident size.
void returnFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

void resetPeakMemory() {
  QFile clearRefs("/proc/self/clear_refs");
  if (clearRefs.open(QIODevice::WriteOnly)) {
    clearRefs.write("5");
  }
}

// The open runs first, before any record list has grown the heap.
void BM_Open(benchmark::State &state) {
  const QString path = filePath("open.csv");
  if (!writeFileToOpen(path, static_cast<int>(state.range(0)))) {
    state.SkipWithError("writing the file to open failed");
    return;
  }
  double before = 0;
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    resetPeakMemory();
    before = statusMiB("VmRSS:");
    state.ResumeTiming();
    TSIOStream stream;
    stream.setFileName(path);
    QStringList header;
    QList<QStringList> records;
    if (!stream.readSolvaneData(&header, &records) || records.size() != state.range(0)) {
      state.SkipWithError("open failed");
      return;
    }
    state.PauseTiming();
    peak = statusMiB("VmHWM:");
    records.clear(); // not part of the open
    returnFreedMemory();
    state.ResumeTiming();
  }
  state.counters["rss_before_MiB"] = before;
  state.counters["peak_rss_MiB"] = peak;
  state.counters["open_MiB"] = peak - before;
}
BENCHMARK(BM_Open)->Arg(kRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Export(benchmark::State &state) {
  const QList<QStringList> records = makeRecords(static_cast<int>(state.range(0)));
  const QString path = filePath("export.csv");
  for (auto _ : state) {
    if (!exportRecords(path, records)) {
      state.SkipWithError("export failed");
      return;
    }
  }
  state.counters["file_MiB"] = QFileInfo(path).size() / kMiB;
}
BENCHMARK(BM_Export)->Arg(kRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
