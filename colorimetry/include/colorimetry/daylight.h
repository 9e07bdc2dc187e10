#pragma once

// CIE daylight illuminant of a given correlated colour temperature.

#include <array>

namespace colorimetry {

// Chromaticity x_D of CIE daylight at T kelvin (CIE 15:2004 eq. 3.3 and
// 3.4): the 4000–7000 K polynomial up to 7000 K, the 7000–25000 K one above.
// T, T² and T³ are formed in `Real`, so an engine may keep single precision.
template <typename Real> double daylightChromaticityX(double kelvin) {
  const Real t = static_cast<Real>(kelvin);
  const Real t2 = t * t;
  const Real t3 = t2 * t;
  if (kelvin <= 7000) {
    return -4.6070e9 / t3 + 2.9678e6 / t2 + 0.09911e3 / t + 0.244063;
  }
  return -2.0064e9 / t3 + 1.9018e6 / t2 + 0.24748e3 / t + 0.237040;
}

// Weights of S1 and S2 in S = S0 + M1·S1 + M2·S2 for daylight of
// chromaticity x_D, with y_D = −3.000·x_D² + 2.870·x_D − 0.275 (CIE 15:2004
// eq. 3.5 to 3.7).
struct DaylightWeights {
  double m1;
  double m2;
};
DaylightWeights daylightWeights(double xD);

// 380 to 780 nm at 10 nm.
inline constexpr int kDaylightSamples = 41;

// S(λ) = S0 + M1·S1 + M2·S2 of CIE 15:2004 §3.1 at T kelvin, 380–780 nm in
// 10 nm steps. T is rounded to single precision and T², T³ are formed in
// single precision; the chromaticity x_D uses the 4000–7000 K polynomial up
// to 7000 K and the 7000–25000 K polynomial above. Values are stored as floats.
std::array<float, kDaylightSamples> daylightSpectrum10nm(double kelvin);

} // namespace colorimetry
