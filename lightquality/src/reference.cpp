#include "lightquality/reference.h"

#include "cie/tables.h"
#include "colorimetry/daylight.h"
#include "sprague.h"

#include <cmath>

namespace lightquality {
namespace {

constexpr double kSecondRadiationConstant = 1.4388e-2; // m·K

double roundedToThreeDecimals(double value) {
  return std::round(value * 1000) / 1000;
}

Spectrum normalisedToLuminance(Spectrum s) {
  const double y = tristimulus(s, cie::cmf1931_2deg).Y;
  for (double &value : s) {
    value /= y;
  }
  return s;
}

} // namespace

Spectrum planckianRadiator(double kelvin) {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double lambda = (kFirstNm + j) * 1e-9;
    s[j] = 1 / (std::pow(lambda, 5) * std::expm1(kSecondRadiationConstant / (lambda * kelvin)));
  }
  return s;
}

Spectrum cieDaylight(double kelvin, DaylightInterpolation interpolation) {
  const colorimetry::DaylightWeights w =
      colorimetry::daylightWeights(colorimetry::daylightChromaticityX<double>(kelvin));
  const double m1 = roundedToThreeDecimals(w.m1);
  const double m2 = roundedToThreeDecimals(w.m2);
  const cie::Table &components = cie::daylightComponents;
  const auto at = [&](int row) {
    const double *s = components.values + row * components.columns;
    return s[0] + m1 * s[1] + m2 * s[2];
  };
  if (interpolation == DaylightInterpolation::kSprague) {
    return spragueTo1nm<Spectrum>(components.firstNm, components.stepNm, at);
  }
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const int offset = kFirstNm + j - components.firstNm;
    const int row = offset / components.stepNm;
    const double t = static_cast<double>(offset % components.stepNm) / components.stepNm;
    s[j] = t == 0 ? at(row) : at(row) + t * (at(row + 1) - at(row));
  }
  return s;
}

Spectrum fidelityReference(double kelvin) {
  if (kelvin < 4000) {
    return planckianRadiator(kelvin);
  }
  if (kelvin > 5000) {
    return cieDaylight(kelvin, DaylightInterpolation::kSprague);
  }
  const Spectrum planck = normalisedToLuminance(planckianRadiator(kelvin));
  const Spectrum daylight =
      normalisedToLuminance(cieDaylight(kelvin, DaylightInterpolation::kSprague));
  const double m = (kelvin - 4000) / 1000;
  Spectrum mixture{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    mixture[j] = (1 - m) * planck[j] + m * daylight[j];
  }
  return mixture;
}

} // namespace lightquality
