// Costs of the colour computations: the library's CCT search with its shared
// table against one build of that table, the library's Ra, and the record
// routine of the desktop program including its locus table. After the
// Google Benchmark output it prints each CCT search's speed-up over a table
// built per call, from the CPU times of the same run.
//
//   build-bench/bin/colour_bench [--benchmark_filter=...]

#include "colour_internal.h"
#include "specsdk.h"

#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"

#include "cie/tables.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct NamedPoint {
  const char *name;
  double u;
  double v;
};

// Points from the start of the table to beyond its end, where every block is
// tried, and one far below the locus, where the isotemperature lines cross
// and fewer blocks can be passed over.
const NamedPoint kCctPoints[] = {
    {"A_2855K", 0.25597, 0.34954},       {"D65_6505K", 0.19784, 0.31221},
    {"Planck_20000K", 0.18387, 0.27713}, {"Planck_40000K", 0.18168, 0.26985},
    {"beyond_50000K", 0.17, 0.24},       {"off_locus_10420K", 0.28, 0.25},
};

void BM_CctTableBuild(benchmark::State &state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(specsdk::buildCctLocusTable());
  }
}
BENCHMARK(BM_CctTableBuild)->Unit(benchmark::kMillisecond);

void BM_ColorGetCCT(benchmark::State &state) {
  const NamedPoint &p = kCctPoints[state.range(0)];
  state.SetLabel(p.name);
  double cct = 0;
  QSP_ColorGetCCT(p.u, p.v, &cct); // the table exists before timing starts
  for (auto _ : state) {
    benchmark::DoNotOptimize(QSP_ColorGetCCT(p.u, p.v, &cct));
  }
}
BENCHMARK(BM_ColorGetCCT)->DenseRange(0, std::size(kCctPoints) - 1)->Unit(benchmark::kNanosecond);

std::vector<float> tabulatedFloats(const cie::Table &table, int count) {
  std::vector<float> s(count);
  for (int i = 0; i < count; ++i) {
    s[i] = static_cast<float>(table.at(380 + i, 0));
  }
  return s;
}

void BM_ColorGetCRI(benchmark::State &state) {
  const std::vector<float> d65 = tabulatedFloats(cie::illuminantD65, 400);
  double ra = 0;
  QSP_ColorGetCRI(d65.data(), &ra);
  for (auto _ : state) {
    QSP_ColorGetCRI(d65.data(), &ra);
    benchmark::DoNotOptimize(ra);
  }
}
BENCHMARK(BM_ColorGetCRI)->Unit(benchmark::kMicrosecond);

// One record as the main window computes it: buildLocusTable, then
// computeColourItems, for D65 and with the chosen observer.
void BM_ComputeColourItems(benchmark::State &state) {
  const std::vector<float> d65f = tabulatedFloats(cie::illuminantD65, 401);
  const std::vector<double> d65(d65f.begin(), d65f.end());
  const int observer = static_cast<int>(state.range(0));
  state.SetLabel(observer == 0 ? "2deg" : "10deg");
  double items[solvane::kColourItems];
  for (auto _ : state) {
    solvane::buildLocusTable();
    solvane::computeColourItems(d65.data(), 401, items, observer, 1.0);
    benchmark::DoNotOptimize(items);
  }
}
BENCHMARK(BM_ComputeColourItems)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The console report, remembering each run's real time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
  RecordingReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      // Single runs, or the median of repeated ones.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
        continue;
      }
      const std::string name = run.run_name.str();
      seconds_[name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      labels_[name] = run.report_label;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void printCctSpeedUps() const {
    const auto build = seconds_.find("BM_CctTableBuild");
    if (build == seconds_.end()) {
      return;
    }
    std::printf("\nQSP_ColorGetCCT with its shared table against one table build (%.1f ms):\n",
                build->second * 1e3);
    for (const auto &[name, seconds] : seconds_) {
      if (name.rfind("BM_ColorGetCCT/", 0) == 0) {
        std::printf("  %-16s %8.1f ns per call, %10.0f times faster\n", labels_.at(name).c_str(),
                    seconds * 1e9, build->second / seconds);
      }
    }
  }

private:
  std::map<std::string, double> seconds_;
  std::map<std::string, std::string> labels_;
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printCctSpeedUps();
  benchmark::Shutdown();
  return 0;
}
