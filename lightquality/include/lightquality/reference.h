#pragma once

// Reference illuminants of the colour rendering and colour fidelity
// indices, on the 1 nm grid of the test spectrum (relative values).

#include "lightquality/spectrum.h"

namespace lightquality {

// Planckian radiator at T kelvin with c2 = 1.4388e-2 m·K (CIE 15:2018).
Spectrum planckianRadiator(double kelvin);

// How the 5 nm daylight components reach 1 nm. CIE 15 interpolates the
// daylight spectrum linearly (the 5 nm rows between the 10 nm ones are
// already linear means); the 1 nm CIE 2017 fidelity calculation takes the
// components at 1 nm by Sprague interpolation (CIE 167:2005), as for its
// other 1 nm data. Each index uses its own; the verification values of both
// are met only this way (the difference moves TM-30 Rg of a 6500 K
// radiator by 0.04).
enum class DaylightInterpolation { kLinear, kSprague };

// CIE daylight at T kelvin (CIE 15:2018 §4.1.2): x_D from T, M1 and M2
// rounded to three decimals as CIE 15 recommends, S0 + M1·S1 + M2·S2 on the
// 5 nm grid, interpolated to 1 nm.
Spectrum cieDaylight(double kelvin, DaylightInterpolation interpolation);

// The reference of CIE 224:2017 §4.2: Planckian below 4000 K, CIE daylight
// (Sprague-interpolated) above 5000 K, and in between the mixture
// (1 − m)·P/Y_P + m·D/Y_D with m = (T − 4000) / 1000, each part normalised
// by its CIE 1931 Y.
Spectrum fidelityReference(double kelvin);

} // namespace lightquality
