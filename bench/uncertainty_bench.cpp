// Cost of the Monte Carlo uncertainty of every figure of one record: 10,000
// draws in the fixed mode on every processor, and its parts for one draw
// (forming the drawn spectrum, every figure of it).
//
//   build-bench/bin/uncertainty_bench [--benchmark_filter=...]

#include "lightquality/uncertainty.h"

#include "uncertainty_draws.h"

#include "cie/tables.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace lightquality;

// CIE illuminant F2 at 1 nm, as a meter record holds it.
Spectrum recordSpectrum() {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    s[j] = cie::illuminantsF1toF12.linearAt(kFirstNm + j, 1);
  }
  return s;
}

void BM_TenThousandDraws(benchmark::State &state) {
  const Spectrum record = recordSpectrum();
  UncertaintySettings settings;
  settings.adaptive = false;
  settings.draws = 10000;
  settings.threads = static_cast<int>(state.range(0));
  UncertaintyResult result;
  propagateUncertainty(record, 1000, defaultUncertaintyBudget(), settings, &result);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        propagateUncertainty(record, 1000, defaultUncertaintyBudget(), settings, &result));
  }
}
BENCHMARK(BM_TenThousandDraws)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DrawSpectrum(benchmark::State &state) {
  const DrawModel model = drawModel(recordSpectrum(), defaultUncertaintyBudget());
  std::uint64_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(drawSpectrum(model, 1, k++));
  }
}
BENCHMARK(BM_DrawSpectrum)->Unit(benchmark::kMicrosecond);

void BM_EveryFigureOfOneDraw(benchmark::State &state) {
  const Spectrum record = recordSpectrum();
  std::vector<double> values(uncertainFigures().size());
  figureValues(record, 1, true, values.data());
  for (auto _ : state) {
    figureValues(record, 1, true, values.data());
    benchmark::DoNotOptimize(values.data());
  }
}
BENCHMARK(BM_EveryFigureOfOneDraw)->Unit(benchmark::kMicrosecond);

void BM_ResponsivityFactor(benchmark::State &state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(responsivityFactor(defaultUncertaintyBudget()));
  }
}
BENCHMARK(BM_ResponsivityFactor)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
