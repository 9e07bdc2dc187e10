#pragma once

// The spectrum form every light-quality metric takes: 401 values at 1 nm
// from 380 to 780 nm, the form a meter record holds, and the sums over it.

#include "colorimetry/chromaticity.h"

#include <array>
#include <string>

namespace cie {
struct Table;
}

namespace lightquality {

inline constexpr int kFirstNm = 380;
inline constexpr int kLastNm = 780;
inline constexpr int kSpectrumValues = kLastNm - kFirstNm + 1;

using Spectrum = std::array<double, kSpectrumValues>;

// Plain sums Σ S(λ)·x̄(λ) etc. over 380–780 nm against the first three
// columns of a 1 nm colour-matching table (Δλ = 1 nm, no normalisation).
colorimetry::Tristimulus tristimulus(const Spectrum &spectrum, const cie::Table &cmf);

// Whether a spectrum has colour quantities. False, with why in `error` (may
// be null), for non-finite values or no light (its CIE 1931 Y sum is not
// positive).
bool spectrumUsable(const Spectrum &spectrum, std::string *error);

} // namespace lightquality
