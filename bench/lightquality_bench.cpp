// Cost of every standard light-quality metric of one record spectrum (CCT
// and Duv, Ra with R1–R14, Rf and Rg with the hue bins and 99 sample
// indices, α-opic quantities), and of each group alone.
//
//   build-bench/bin/lightquality_bench [--benchmark_filter=...]

#include "lightquality/metrics.h"

#include "cie/tables.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <utility>
#include <vector>

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
    benchmark::DoNotOptimize(cctCie15(uv));
  }
}
BENCHMARK(BM_Cct)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The straightforward search for comparison: the nearest entry of a 1 %
// table of the exact locus, then the zero of d(distance²)/dT solved on the
// exact locus (regula falsi, Illinois), the slope taken from two exact
// locus points 1 mK apart; about twenty exact locus sums a spectrum.
double exactSlope(double kelvin, colorimetry::UV p) {
  constexpr double kStep = 1e-3;
  const colorimetry::UV a = planckianLocus(kelvin - kStep);
  const colorimetry::UV b = planckianLocus(kelvin + kStep);
  const auto squared = [p](colorimetry::UV l) {
    return (l.u - p.u) * (l.u - p.u) + (l.v - p.v) * (l.v - p.v);
  };
  return squared(b) - squared(a);
}

double straightforwardCct(colorimetry::UV p) {
  static const std::vector<std::pair<double, colorimetry::UV>> table = [] {
    std::vector<std::pair<double, colorimetry::UV>> t;
    for (double k = kLocusFirstKelvin; k <= kLocusLastKelvin; k *= 1.01) {
      t.emplace_back(k, planckianLocus(k));
    }
    return t;
  }();
  size_t nearest = 0;
  for (size_t i = 0; i < table.size(); ++i) {
    const auto d = [p](colorimetry::UV l) { return std::hypot(l.u - p.u, l.v - p.v); };
    if (d(table[i].second) < d(table[nearest].second)) {
      nearest = i;
    }
  }
  double lo = table[nearest - 1].first, hi = table[nearest + 1].first;
  double fLo = exactSlope(lo, p), fHi = exactSlope(hi, p);
  for (int side = 0, i = 0; i < 100 && hi - lo > 1e-6; ++i) {
    const double k = (lo * fHi - hi * fLo) / (fHi - fLo);
    const double f = exactSlope(k, p);
    if (f < 0) {
      lo = k, fLo = f, fHi = side == -1 ? fHi / 2 : fHi, side = -1;
    } else {
      hi = k, fHi = f, fLo = side == 1 ? fLo / 2 : fLo, side = 1;
    }
  }
  return (lo * fHi - hi * fLo) / (fHi - fLo);
}

void BM_CctStraightforward(benchmark::State &state) {
  const Spectrum s = preparedSource(state);
  const colorimetry::UV uv = colorimetry::cie1960(tristimulus(s, cie::cmf1931_2deg));
  state.counters["kelvin_difference"] = std::fabs(straightforwardCct(uv) - cctCie15(uv).kelvin);
  for (auto _ : state) {
    benchmark::DoNotOptimize(straightforwardCct(uv));
  }
}
BENCHMARK(BM_CctStraightforward)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

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
