#include "lightquality/camera_stops.h"

#include <cmath>
#include <iterator>

namespace lightquality {
namespace {

// The speeds cameras mark, a third of a stop apart from 2⁻¹³ s (1/8000) to
// 2⁵ s (30).
constexpr const char *kShutterSpeeds[] = {
    "1/8000", "1/6400", "1/5000", "1/4000", "1/3200", "1/2500", "1/2000", "1/1600", "1/1250",
    "1/1000", "1/800",  "1/640",  "1/500",  "1/400",  "1/320",  "1/250",  "1/200",  "1/160",
    "1/125",  "1/100",  "1/80",   "1/60",   "1/50",   "1/40",   "1/30",   "1/25",   "1/20",
    "1/15",   "1/13",   "1/10",   "1/8",    "1/6",    "1/5",    "1/4",    "0.3",    "0.4",
    "0.5",    "0.6",    "0.8",    "1",      "1.3",    "1.6",    "2",      "2.5",    "3.2",
    "4",      "5",      "6",      "8",      "10",     "13",     "15",     "20",     "25",
    "30"};
constexpr int kFastestShutterThirds = -39; // 2^(−39/3) s

// The f-numbers lenses mark, a third of a stop apart from 2^(9/6) (2.8).
constexpr const char *kApertures[] = {"2.8", "3.2", "3.5", "4", "4.5", "5",  "5.6", "6.3",
                                      "7.1", "8",   "9",   "10", "11", "13", "14",  "16"};
constexpr int kWidestApertureSixths = 9;

// A series whose entry i is exactly 2^((first + i) / perStop) and marked
// `names[i]`.
template <std::size_t N>
std::vector<CameraSetting> series(const char *const (&names)[N], int first, double perStop) {
  std::vector<CameraSetting> settings;
  for (std::size_t i = 0; i < N; ++i) {
    settings.push_back({std::exp2((first + static_cast<int>(i)) / perStop), names[i]});
  }
  return settings;
}

} // namespace

const std::vector<CameraSetting> &thirdStopApertures() {
  static const std::vector<CameraSetting> apertures =
      series(kApertures, kWidestApertureSixths, 6);
  return apertures;
}

const CameraSetting *nominalShutterSpeed(double seconds) {
  static const std::vector<CameraSetting> speeds =
      series(kShutterSpeeds, kFastestShutterThirds, 3);
  if (!(seconds > 0) || !std::isfinite(seconds)) {
    return nullptr;
  }
  const double thirds = std::round(3 * std::log2(seconds)) - kFastestShutterThirds;
  if (thirds < 0 || thirds >= static_cast<double>(speeds.size())) {
    return nullptr;
  }
  return &speeds[static_cast<std::size_t>(thirds)];
}

} // namespace lightquality
