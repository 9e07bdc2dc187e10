#include "colorimetry/daylight.h"

#include "cie/tables.h"

namespace colorimetry {

DaylightWeights daylightWeights(double xD) {
  const double y = -3.000 * xD * xD + 2.870 * xD - 0.275;
  const double m = 0.0241 + 0.2562 * xD - 0.7341 * y;
  return {(-1.3515 - 1.7703 * xD + 5.9114 * y) / m, (0.0300 - 31.4424 * xD + 30.0717 * y) / m};
}

std::array<float, kDaylightSamples> daylightSpectrum10nm(double kelvin) {
  const auto [m1, m2] = daylightWeights(daylightChromaticityX<float>(kelvin));

  // The components are tabulated at 5 nm; the 10 nm table is every second row.
  const cie::Table &components = cie::daylightComponents;
  std::array<float, kDaylightSamples> spectrum{};
  for (int i = 0; i < kDaylightSamples; ++i) {
    const double *s = components.row(380 + 10 * i);
    spectrum[i] = static_cast<float>(s[0] + m1 * s[1] + m2 * s[2]);
  }
  return spectrum;
}

} // namespace colorimetry
