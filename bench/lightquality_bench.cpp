// Cost of every standard light-quality metric of one record spectrum (CCT
// and Duv, Ra with R1–R14, Rf and Rg with the hue bins and 99 sample
// indices, α-opic quantities), and of each group alone.
//
//   build-bench/bin/lightquality_bench [--benchmark_filter=...]

#include "lightquality/metrics.h"

#include "cie/tables.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lightquality;

struct NamedSource {
  const char *name;
  const cie::Table *table;
  int column;
};

// A Planckian reference (A), the 4000–5000 K blend (F2), CIE daylight (D65).
const NamedSource kSources[] = {
    {"A", &cie::illuminantA, 0},
    {"F2", &cie::illuminantsF1toF12, 1},
    {"D65", &cie::illuminantD65, 0},
};

Spectrum recordSpectrum(const NamedSource &source) {
  const cie::Table &t = *source.table;
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    s[j] = t.linearAt(kFirstNm + j, source.column);
  }
  return s;
}

// The tables built on first use exist before timing starts.
Spectrum preparedSource(benchmark::State &state) {
  const NamedSource &source = kSources[state.range(0)];
  state.SetLabel(source.name);
  const Spectrum s = recordSpectrum(source);
  benchmark::DoNotOptimize(lightQuality(s, 500));
  return s;
}

void BM_LightQuality(benchmark::State &state) {
  const Spectrum s = preparedSource(state);
  for (auto _ : state) {
    benchmark::DoNotOptimize(lightQuality(s, 500));
  }
}
BENCHMARK(BM_LightQuality)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_Cct(benchmark::State &state) {
  const Spectrum s = preparedSource(state);
  const colorimetry::UV uv = colorimetry::cie1960(tristimulus(s, cie::cmf1931_2deg));
  for (auto _ : state) {
    benchmark::DoNotOptimize(correlatedColourTemperature(uv));
  }
}
BENCHMARK(BM_Cct)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_ColourRendering(benchmark::State &state) {
  const Spectrum s = preparedSource(state);
  const CorrelatedColourTemperature cct = lightQuality(s, 500).cct;
  for (auto _ : state) {
    benchmark::DoNotOptimize(colourRenderingIndex(s, cct));
  }
}
BENCHMARK(BM_ColourRendering)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_ColourFidelity(benchmark::State &state) {
  const Spectrum s = preparedSource(state);
  const CorrelatedColourTemperature cct = lightQuality(s, 500).cct;
  for (auto _ : state) {
    benchmark::DoNotOptimize(colourFidelity(s, cct));
  }
}
BENCHMARK(BM_ColourFidelity)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_AlphaOpic(benchmark::State &state) {
  const Spectrum s = preparedSource(state);
  for (auto _ : state) {
    benchmark::DoNotOptimize(alphaOpic(s, 500));
  }
}
BENCHMARK(BM_AlphaOpic)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
