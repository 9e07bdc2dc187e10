#include "colorimetry/daylight.h"

#include "cie/tables.h"

namespace colorimetry {
namespace {

// Chromaticity x_D of CIE daylight (CIE 15:2004 eq. 3.3 and 3.4).
double daylightX(double kelvin) {
  const float t = static_cast<float>(kelvin);
  const float t2 = t * t;
  const float t3 = t2 * t;
  if (kelvin <= 7000) {
    return -4.6070e9 / t3 + 2.9678e6 / t2 + 0.09911e3 / t + 0.244063;
  }
  return -2.0064e9 / t3 + 1.9018e6 / t2 + 0.24748e3 / t + 0.237040;
}

} // namespace

std::array<float, kDaylightSamples> daylightSpectrum10nm(double kelvin) {
  const double x = daylightX(kelvin);
  const double y = -3.000 * x * x + 2.870 * x - 0.275;
  const double m = 0.0241 + 0.2562 * x - 0.7341 * y;
  const double m1 = (-1.3515 - 1.7703 * x + 5.9114 * y) / m;
  const double m2 = (0.0300 - 31.4424 * x + 30.0717 * y) / m;

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
