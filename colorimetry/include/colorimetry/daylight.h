#pragma once

// CIE daylight illuminant of a given correlated colour temperature.

#include <array>

namespace colorimetry {

// 380 to 780 nm at 10 nm.
inline constexpr int kDaylightSamples = 41;

// S(λ) = S0 + M1·S1 + M2·S2 of CIE 15:2004 §3.1 at T kelvin, 380–780 nm in
// 10 nm steps. T is rounded to single precision and T², T³ are formed in
// single precision; the chromaticity x_D uses the 4000–7000 K polynomial up
// to 7000 K and the 7000–25000 K polynomial above. Values are stored as floats.
std::array<float, kDaylightSamples> daylightSpectrum10nm(double kelvin);

} // namespace colorimetry
