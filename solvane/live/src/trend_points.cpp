#include "solvane/live/trend_points.h"

#include <algorithm>
#include <array>

namespace solvane::live {

QVector<QPointF> pointsToDraw(const QVector<double> &x, const QVector<double> &y, int mostPoints) {
  const int count = std::min(x.size(), y.size());
  QVector<QPointF> points;
  if (count <= mostPoints) {
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
      points.append({x[i], y[i]});
    }
    return points;
  }
  constexpr int kPointsPerRun = 4;
  const int runs = std::max(1, mostPoints / kPointsPerRun);
  points.reserve(runs * kPointsPerRun);
  for (int run = 0; run < runs; ++run) {
    const int first = static_cast<int>(static_cast<qint64>(count) * run / runs);
    const int last = static_cast<int>(static_cast<qint64>(count) * (run + 1) / runs) - 1;
    const auto [low, high] = std::minmax_element(y.begin() + first, y.begin() + last + 1);
    std::array<int, kPointsPerRun> picks{first, static_cast<int>(low - y.begin()),
                                         static_cast<int>(high - y.begin()), last};
    std::sort(picks.begin(), picks.end());
    for (int k = 0; k < kPointsPerRun; ++k) {
      if (k == 0 || picks[k] != picks[k - 1]) {
        points.append({x[picks[k]], y[picks[k]]});
      }
    }
  }
  return points;
}

} // namespace solvane::live
