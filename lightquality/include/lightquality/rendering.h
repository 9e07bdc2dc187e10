#pragma once

// CIE 13.3-1995 general colour rendering index Ra and special indices
// R1–R14 of a 1 nm spectrum.

#include "lightquality/cct.h"
#include "lightquality/spectrum.h"

#include <array>
#include <string>

namespace lightquality {

inline constexpr int kCieTestColourSamples = 14;

struct ColourRenderingIndex {
  double ra;                                         // mean of R1–R8; NaN when undefined
  std::array<double, kCieTestColourSamples> special; // R1–R14
  double referenceDistance;                          // (u, v) distance source–reference
  std::string reason;                                // why the values are NaN
};

// The procedure of CIE 13.3-1995 at 1 nm over 380–780 nm: CIE 1931 2°
// observer; a Planckian reference below 5000 K and CIE daylight from 5000 K
// (both at the source's CCT); von Kries adaptation in the CIE 1960 diagram;
// CIE 1964 U*V*W*; Rᵢ = 100 − 4.6 ΔEᵢ. The 5 nm test colour samples are
// interpolated to 1 nm by the Sprague method (CIE 167:2005). NaN with a
// reason for a spectrum without a CCT or with one above 25000 K, where CIE
// daylight is not defined. CIE 13.3 asks for a source within 5.4e-3 of its
// reference in (u, v); referenceDistance tells how far it is.
ColourRenderingIndex colourRenderingIndex(const Spectrum &spectrum,
                                          const CorrelatedColourTemperature &cct);

} // namespace lightquality
