#include "lightquality/uncertainty.h"

#include "uncertainty_draws.h"

#include <cmath>
#include <random>

namespace lightquality {
namespace {

// The scans' mean and each scan's difference from it, divided by
// √((n − 1)·n): a combination Σ z_j d_j of the differences with standard
// normal z_j then has the scans' sample covariance over n, the covariance
// of their mean. The sums run over differences from the first scan, so
// that scans that agree give exactly their values.
struct ScanStatistics {
  std::vector<double> mean;
  std::vector<std::vector<double>> deviations;
};

ScanStatistics scanStatistics(const std::vector<std::vector<double>> &scans) {
  const std::size_t values = scans.front().size();
  const double n = static_cast<double>(scans.size());
  ScanStatistics s{std::vector<double>(values), {}};
  for (std::size_t p = 0; p < values; ++p) {
    const double origin = scans.front()[p];
    double sum = 0;
    for (const std::vector<double> &scan : scans) {
      sum += scan[p] - origin;
    }
    s.mean[p] = origin + sum / n;
  }
  const double scale = 1 / std::sqrt((n - 1) * n);
  for (const std::vector<double> &scan : scans) {
    std::vector<double> deviation(values);
    for (std::size_t p = 0; p < values; ++p) {
      deviation[p] = (scan[p] - s.mean[p]) * scale;
    }
    s.deviations.push_back(std::move(deviation));
  }
  return s;
}

// The mean plus one draw of its noise. The values come out of the
// instrument's processing (filtered, smoothed, resampled), so neighbouring
// values share their noise; a random combination of the scans' own
// deviations keeps that sharing, where noise drawn value by value would
// average out in every figure that sums neighbours. The common factor
// √((n − 1)/w), w from χ² with n − 1 degrees of freedom, makes the noise a
// multivariate t (JCGM 102): each value's is the scaled t of n − 1 degrees
// of freedom of the mean of n indications (JCGM 101 §6.4.9), with variance
// (s²/n)·(n − 1)/(n − 3).
std::vector<double> noisyMean(const ScanStatistics &statistics, DrawRandom *random) {
  const double degrees = static_cast<double>(statistics.deviations.size()) - 1;
  std::vector<double> noisy = statistics.mean;
  std::vector<double> noise(noisy.size());
  for (const std::vector<double> &deviation : statistics.deviations) {
    const double z = random->normal();
    for (std::size_t p = 0; p < noise.size(); ++p) {
      noise[p] += z * deviation[p];
    }
  }
  std::chi_squared_distribution<double> chiSquared(degrees);
  const double t = std::sqrt(degrees / chiSquared(*random));
  for (std::size_t p = 0; p < noisy.size(); ++p) {
    noisy[p] += t * noise[p];
  }
  return noisy;
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
    return formDraw(model, resample(noisyMean(statistics, &random)), errors, &random);
  };
  return propagateDraws(estimate, illuminanceLux, makeDraw, settings, result, progress);
}

} // namespace lightquality
