#pragma once

// CIE S 026:2018 α-opic quantities of a spectrum scaled to its illuminance.

#include "lightquality/spectrum.h"

#include <array>
#include <string>

namespace lightquality {

// The five photoreceptor channels, in the order of CIE S 026.
enum AlphaOpicChannel { kSCone, kMCone, kLCone, kRhodopic, kMelanopic };
inline constexpr int kAlphaOpicChannels = 5;

using AlphaOpicValues = std::array<double, kAlphaOpicChannels>;

struct AlphaOpic {
  AlphaOpicValues efficacy;   // K_α,v, mW/lm (α-opic efficacy of luminous radiation)
  AlphaOpicValues irradiance; // E_e,α, mW/m²
  AlphaOpicValues edi;        // α-opic equivalent daylight (D65) illuminance, lx
  AlphaOpicValues der;        // α-opic daylight (D65) efficacy ratio
  std::string reason;         // why values are NaN; empty otherwise
};

// K_α,v of CIE D65 over 380–780 nm (mW/lm), from the same tables; the
// published values (CIE S 026) are these rounded to four decimals.
const AlphaOpicValues &d65Efficacies();

// K_α,v = Σ S·s_α / (K_m Σ S·V) with K_m = 683.002 lm/W and V = ȳ of the
// CIE 1931 2° table, summed at 1 nm over 380–780 nm. At illuminance E_v:
// E_e,α = E_v·K_α,v, EDI = E_e,α / K_α,v^D65, DER = K_α,v / K_α,v^D65.
// NaN with a reason for a spectrum without light or with non-finite values,
// and for the irradiances and EDIs of a negative or non-finite illuminance.
// An illuminance of 0 gives zero irradiances and EDIs.
AlphaOpic alphaOpic(const Spectrum &spectrum, double illuminanceLux);

} // namespace lightquality
