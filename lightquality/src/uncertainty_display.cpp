#include "lightquality/uncertainty_display.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lightquality {
namespace {

// `value` rounded to `place` decimals (tens, hundreds for a negative
// place) and written so; never "-0".
std::string rounded(double value, int place) {
  const double unit = std::pow(10.0, -place);
  const double r = std::round(value / unit) * unit + 0.0;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", std::max(place, 0), r == 0 ? 0.0 : r);
  return text;
}

// The decimal place of u's second significant digit, after u is rounded
// to two digits (99.6 becomes 100: tens).
int secondDigitPlace(double u) {
  int place = 1 - static_cast<int>(std::floor(std::log10(u)));
  const double unit = std::pow(10.0, -place);
  if (std::round(u / unit) >= 100) {
    --place;
  }
  return place;
}

// Whether the interval is value ∓ 1.96u within a quarter of u at both ends.
bool symmetric(const FigureUncertainty &f) {
  return std::fabs(f.low95 - (f.value - 1.96 * f.u)) <= 0.25 * f.u &&
         std::fabs(f.high95 - (f.value + 1.96 * f.u)) <= 0.25 * f.u;
}

} // namespace

UncertaintyDisplay uncertaintyDisplay(const FigureUncertainty &f, int draws, int decimals,
                                      const std::string &unit) {
  if (std::isnan(f.value)) {
    return {"n/a", false};
  }
  UncertaintyDisplay d{{}, false};
  if (std::isnan(f.u)) {
    d.text = rounded(f.value, decimals) + " ± n/a";
  } else if (f.u == 0) {
    d.text = rounded(f.value, decimals) + " ± 0";
  } else {
    const int place = secondDigitPlace(f.u);
    d.expanded = symmetric(f);
    d.text = rounded(f.value, place) +
             (d.expanded ? " ± " + rounded(2 * f.u, place)
                         : " [" + rounded(f.low95, place) + ", " + rounded(f.high95, place) + "]");
  }
  if (!unit.empty()) {
    d.text += " " + unit;
  }
  if (f.undefinedDraws > 0) {
    d.text += " (" + std::to_string(f.undefinedDraws) + " of " + std::to_string(draws) +
              " draws undefined)";
  }
  return d;
}

} // namespace lightquality
