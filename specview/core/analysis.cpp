#include "analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace specview {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

QVector<double> subtracted(const QVector<double> &a, const QVector<double> &b) {
  QVector<double> result(std::min(a.size(), b.size()));
  for (int i = 0; i < result.size(); ++i) {
    result[i] = a[i] - b[i];
  }
  return result;
}

QVector<double> transmissionPercent(const QVector<double> &sample,
                                    const QVector<double> &reference) {
  QVector<double> result(std::min(sample.size(), reference.size()));
  for (int i = 0; i < result.size(); ++i) {
    result[i] = reference[i] > 0 ? 100.0 * sample[i] / reference[i] : kNaN;
  }
  return result;
}

QVector<double> absorbance(const QVector<double> &transmission) {
  QVector<double> result(transmission.size());
  std::transform(transmission.begin(), transmission.end(), result.begin(),
                 [](double t) { return t > 0 ? -std::log10(t / 100.0) : kNaN; });
  return result;
}

int saturatedPixels(const QVector<int> &pixels, int fullScale) {
  return static_cast<int>(
      std::count_if(pixels.begin(), pixels.end(), [&](int count) { return count >= fullScale; }));
}

std::optional<int> nextIntegrationTime(int time, int peak, int darkLevel, int fullScale,
                                       const IntegrationLimits &limits) {
  const double target = kAutoTargetShare * fullScale;
  if (peak < fullScale && std::abs(peak - target) <= kAutoTolerance * target) {
    return std::nullopt;
  }
  double next;
  if (peak >= fullScale) {
    next = time / 2.0;
  } else {
    const double signal = std::max(peak - darkLevel, 1);
    next = time * (target - darkLevel) / signal;
  }
  const int bounded = std::clamp(static_cast<int>(std::lround(next)), limits.shortest,
                                 limits.longest);
  if (bounded == time) {
    return std::nullopt; // at a limit: nothing left to change
  }
  return bounded;
}

} // namespace specview
