#pragma once

// Correlated colour temperature and Duv by the method of CIE 15:2018 §9.5
// (Ohno 2013): the temperature of the nearest point of the Planckian locus
// in the CIE 1960 (u, v) diagram, and the signed distance to it.

#include "colorimetry/chromaticity.h"

#include <string>

namespace lightquality {

// The locus runs from 1000 K to 100000 K.
inline constexpr double kLocusFirstKelvin = 1000;
inline constexpr double kLocusLastKelvin = 100000;
// CIE 15:2018 calls a CCT meaningful only within this distance of the locus.
inline constexpr double kMaximumAbsDuv = 0.05;

// Why a chromaticity more than kMaximumAbsDuv from the locus has no CCT.
extern const char kFarFromLocus[];

struct CorrelatedColourTemperature {
  double kelvin;      // NaN when it cannot be found; kept, though undefined, far from the locus
  double duv;         // > 0 above the locus (larger v); NaN when the CCT cannot be found
  std::string reason; // why the CCT is not defined; empty when it is

  // A CCT, and what rests on it (Ra, Rf), only where this holds; a kelvin
  // value far from the locus is shown as what it is, the nearest locus point.
  bool defined() const { return reason.empty(); }
};

// CIE 1960 (u, v) of a Planckian radiator at T kelvin (c2 = 1.4388e-2 m·K),
// summed with the full CIE 1931 2° table, 360–830 nm at 1 nm.
colorimetry::UV planckianLocus(double kelvin);

// The nearest locus point is found to a fraction of a millikelvin: the
// nearest entry of a table at 1 % temperature steps, which holds the exact
// locus and its derivative, brackets it, and the zero of d(distance²)/dT
// between the neighbouring entries is solved on the cubic Hermite curve
// through them; Duv is measured to the exact locus at that temperature.
// NaN with a reason for non-finite input or a point whose nearest locus
// point lies outside 1000–100000 K; for |Duv| > 0.05 the values with the
// reason kFarFromLocus (not defined).
CorrelatedColourTemperature cctCie15(colorimetry::UV uv);

} // namespace lightquality
