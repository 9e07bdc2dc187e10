#include "lightquality/uncertainty.h"

#include "uncertainty_draws.h"

#include <cmath>
#include <random>

namespace lightquality {
namespace {

// Per value of the instrument's grid: the mean of the scans and the
// standard deviation of that mean, s/√n. The sums run over differences from
// the first scan, so that scans that agree give exactly their values.
struct ScanStatistics {
  std::vector<double> mean;
  std::vector<double> meanSigma;
};

ScanStatistics scanStatistics(const std::vector<std::vector<double>> &scans) {
  const std::size_t values = scans.front().size();
  const double n = static_cast<double>(scans.size());
  ScanStatistics s{std::vector<double>(values), std::vector<double>(values)};
  for (std::size_t p = 0; p < values; ++p) {
    const double origin = scans.front()[p];
    double sum = 0;
    for (const std::vector<double> &scan : scans) {
      sum += scan[p] - origin;
    }
    const double mean = origin + sum / n;
    double squares = 0;
    for (const std::vector<double> &scan : scans) {
      squares += (scan[p] - mean) * (scan[p] - mean);
    }
    s.mean[p] = mean;
    s.meanSigma[p] = std::sqrt(squares / (n - 1) / n);
  }
  return s;
}

bool sameLengths(const std::vector<std::vector<double>> &scans) {
  for (const std::vector<double> &scan : scans) {
    if (scan.size() != scans.front().size()) {
      return false;
    }
  }
  return true;
}

} // namespace

std::string repeatedScansRefusal(int scans) {
  if (scans >= kMinimumRepeatedScans) {
    return {};
  }
  return "uncertainty from repeated scans needs at least " +
         std::to_string(kMinimumRepeatedScans) + " scans, got " + std::to_string(scans);
}

UncertaintyBudget repeatedScansBudget(const UncertaintyBudget &budget, int scans) {
  UncertaintyBudget b = budget;
  b.noiseURel = b.noiseFloorRelPeak = b.noiseFloorCounts = 0;
  b.repeatedScans = scans;
  return b;
}

bool propagateRepeatedScans(const std::vector<std::vector<double>> &scans,
                            const ScanResampler &resample, double illuminanceLux,
                            const UncertaintyBudget &budget, const UncertaintySettings &settings,
                            UncertaintyResult *result, std::string *error,
                            const UncertaintyProgress &progress) {
  const int n = static_cast<int>(scans.size());
  std::string refusal = repeatedScansRefusal(n);
  if (refusal.empty() && !sameLengths(scans)) {
    refusal = "uncertainty from repeated scans needs scans of the same length";
  }
  if (error != nullptr) {
    *error = refusal;
  }
  if (!refusal.empty()) {
    return false;
  }
  const ScanStatistics statistics = scanStatistics(scans);
  const Spectrum estimate = resample(statistics.mean);
  // The budget's noise is replaced by the scans' own: σ = 0 in the draws.
  const DrawModel model = drawModel(estimate, repeatedScansBudget(budget, n));
  const std::uint64_t seed = settings.seed;
  // The errors come first from the draw's stream, as in a draw of the
  // budget, so that scans without spread give exactly the budget's draws.
  const DrawMaker makeDraw = [&](std::uint64_t k) {
    DrawRandom random(seed, k);
    const DrawErrors errors = drawErrors(model, &random);
    std::student_t_distribution<double> t(n - 1);
    std::vector<double> noisy = statistics.mean;
    for (std::size_t p = 0; p < noisy.size(); ++p) {
      noisy[p] += statistics.meanSigma[p] * t(random);
    }
    return formDraw(model, resample(noisy), errors, &random);
  };
  return propagateDraws(estimate, illuminanceLux, makeDraw, settings, result, progress);
}

} // namespace lightquality
