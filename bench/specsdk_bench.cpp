// Processing of one spectrometer frame: the acquisition pipeline and the
// GetIntensity pipeline in their fast form (twiddle factors made once,
// resampler skipping the samples before each window) against the
// straightforward form, measured in the same run; and the two exports end
// to end against the simulated spectrometer.

#include "processing.h"
#include "specsdk.h"

#include "tesselusb/sim_loader.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using specsdk::Method;

constexpr float kCoefficients[specsdk::kPolynomialTerms] = {300.0f, 0.35f, -5e-6f, 0.0f, 0.0f};

Method methodOf(const benchmark::State &state) {
  return state.range(0) == 0 ? Method::Fast : Method::Straightforward;
}

const char *labelOf(Method method) {
  return method == Method::Fast ? "fast" : "straightforward";
}

// A blue LED peak over a broad phosphor hump, over a dark level of 500.
devlink::spectrometer::RawFrame ledFrame() {
  devlink::spectrometer::RawFrame frame;
  for (int i = 0; i < specsdk::kPixels; ++i) {
    const double blue = 40000.0 * std::exp(-std::pow((i - 450) / 30.0, 2));
    const double phosphor = 15000.0 * std::exp(-std::pow((i - 800) / 200.0, 2));
    frame.pixels[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(500 + blue + phosphor);
  }
  frame.dark.fill(500);
  return frame;
}

void BM_AcquisitionProcessing(benchmark::State &state) {
  const Method method = methodOf(state);
  const auto frame = ledFrame();
  double intensityCoefficients[specsdk::kIntensityCoefficients];
  std::fill(std::begin(intensityCoefficients), std::end(intensityCoefficients), 1.0);
  int wavelengths[400];
  int intensities[400];
  for (auto _ : state) {
    specsdk::acquisitionSpectrum(frame, kCoefficients, intensityCoefficients, wavelengths,
                                 intensities, method);
    benchmark::DoNotOptimize(intensities);
  }
  state.SetLabel(labelOf(method));
}
BENCHMARK(BM_AcquisitionProcessing)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_IntensityProcessing(benchmark::State &state) {
  const Method method = methodOf(state);
  const auto frame = ledFrame();
  specsdk::Signal pixels;
  std::copy(frame.pixels.begin(), frame.pixels.end(), pixels.begin());
  std::array<float, specsdk::kDarkCounts> dark;
  dark.fill(500.0f);
  const specsdk::IntensityOptions options{1, 800, true};
  std::vector<float> intensity(specsdk::kPixels), wavelength(specsdk::kPixels);
  for (auto _ : state) {
    specsdk::intensitySpectrum(pixels, dark, kCoefficients, options, intensity.data(),
                               wavelength.data(), method);
    benchmark::DoNotOptimize(intensity.data());
  }
  state.SetLabel(labelOf(method));
}
BENCHMARK(BM_IntensityProcessing)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The exports with every exchange answered by the simulated spectrometer,
// whose own encoding of the 400 coefficients as meter numbers dominates.
bool loadSimulatedSpectrometer(benchmark::State &state) {
  static const simtest::SimControls simulator;
  if (!simulator.ready()) {
    state.SkipWithError("the simulated USB library does not load");
    return false;
  }
  if (simulator.loadState(R"({"device": "spectrometer"})") != 1) {
    state.SkipWithError("the simulated spectrometer cannot be loaded");
    return false;
  }
  return true;
}

void BM_SpectrometerDataAcquire(benchmark::State &state) {
  if (!loadSimulatedSpectrometer(state)) {
    return;
  }
  int wavelengths[400];
  int intensities[400];
  for (auto _ : state) {
    benchmark::DoNotOptimize(QSP_SpectrometerDataAcquire(wavelengths, intensities));
  }
}
BENCHMARK(BM_SpectrometerDataAcquire)->Unit(benchmark::kMicrosecond);

void BM_GetIntensity(benchmark::State &state) {
  if (!loadSimulatedSpectrometer(state)) {
    return;
  }
  std::vector<float> intensity(specsdk::kPixels), wavelength(specsdk::kPixels);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        GetIntensity(intensity.data(), wavelength.data(), 1, 0, 1, 0, 1600, 0));
  }
}
BENCHMARK(BM_GetIntensity)->Unit(benchmark::kMicrosecond);

// The console report, then each straightforward form's CPU time as a
// multiple of its fast form's from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      // Single runs, or the median of repeated ones.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
        continue;
      }
      microseconds_[run.run_name.str()] =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void printRatios() const {
    std::printf("\nOne frame, fast form against the straightforward form (CPU time):\n");
    for (const char *name : {"BM_AcquisitionProcessing", "BM_IntensityProcessing"}) {
      const auto fast = microseconds_.find(std::string(name) + "/0");
      const auto slow = microseconds_.find(std::string(name) + "/1");
      if (fast != microseconds_.end() && slow != microseconds_.end()) {
        std::printf("  %-26s %8.1f us against %8.1f us: %5.1f times faster\n", name, fast->second,
                    slow->second, slow->second / fast->second);
      }
    }
  }

private:
  std::map<std::string, double> microseconds_;
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
