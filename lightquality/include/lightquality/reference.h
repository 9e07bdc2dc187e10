#pragma once

// Reference illuminants of the colour rendering and colour fidelity
// indices, on the 1 nm grid of the test spectrum (relative values).

#include "lightquality/spectrum.h"

#include <functional>
#include <vector>

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

// M1 and M2 of CIE daylight at T kelvin, rounded to three decimals.
struct DaylightMultipliers {
  double m1;
  double m2;
};
DaylightMultipliers daylightMultipliers(double kelvin);

// Component 0, 1 or 2 (S0, S1, S2) of CIE daylight at 1 nm.
Spectrum daylightComponent(int component, DaylightInterpolation interpolation);

// The reference of CIE 224:2017 §4.2 as a mixture of the Planckian
// radiator and CIE daylight (Sprague-interpolated), each divided by its
// CIE 1931 Y: Planckian below 4000 K, daylight above 5000 K, and in between
// (1 − m)·P/Y_P + m·D/Y_D with m = (T − 4000) / 1000.
struct ReferenceMixture {
  double planckian;
  double daylight;
};
ReferenceMixture fidelityMixture(double kelvin);

// That reference's spectrum.
Spectrum fidelityReference(double kelvin);

// Fixed linear sums of the reference illuminants (the samples' tristimulus
// values and the white's), per unit CIE 1931 Y of the illuminant, without
// forming the illuminant's spectrum. The sums are linear in the spectrum, so
// CIE daylight's are exactly those of S0, S1 and S2 combined with M1 and M2.
// The Planckian radiator's, divided by its Y, change slowly with ln T: they
// come from a quintic Hermite curve through a 1 % table of the exact sums
// and their exact first and second derivatives with respect to ln T
// (1000–5000 K; the exact sum outside), which stays within rounding of the
// direct sum.
class ReferenceSums {
public:
  // `sums(spectrum, out)` writes `columns` sums of a spectrum.
  using Sums = std::function<void(const Spectrum &, double *)>;
  ReferenceSums(int columns, Sums sums, DaylightInterpolation interpolation);

  int columns() const { return columns_; }
  void planckian(double kelvin, double *out) const;
  void daylight(double kelvin, double *out) const;

private:
  void exactPerLuminance(const Spectrum &spectrum, double *out) const;
  // One table entry: the sums at T and their two derivatives.
  void planckianEntry(double kelvin, double *entry) const;

  int columns_;
  Sums sums_;
  std::vector<double> daylightComponents_; // S0, S1, S2, each `columns_` sums and its Y
  std::vector<double> planckTable_;        // per entry: sums, d/d(ln T), d²/d(ln T)²
};

} // namespace lightquality
