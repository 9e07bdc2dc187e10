#pragma once

// Planckian radiators and the CIE 1960 Planckian locus built from them.

#include "colorimetry/chromaticity.h"

#include <array>

namespace colorimetry {

// Radiation constants of Planck's law in SI units: c1 (W·m²), c2 (m·K) and
// the product c1·c2 that the temperature derivative uses. Each engine fixes
// its own rounding of them.
struct PlanckConstants {
  double c1;
  double c2;
  double c1c2;
};

// c1 = 3.74177e-16 W·m², c2 = 0.014388 m·K, c1·c2 = 5.383658676e-18: the
// Planckian reference radiator of the colour rendering index in both engines
// and the library's 5 K locus table.
inline constexpr PlanckConstants kReferencePlanck{3.74177e-16, 0.014388, 5.383658676e-18};

// Equally spaced wavelengths in metres; each wavelength is the previous one
// plus the step, so the grid carries the same accumulated rounding wherever
// it is used.
struct WavelengthGrid {
  double firstMetres;
  double stepMetres;
  int count;
};

// 380 to 780 nm at 5 nm: the 81 wavelengths of the 5 nm CIE tables.
inline constexpr WavelengthGrid kVisible5nm{3.8e-7, 5e-9, 81};
// 380 to 780 nm at 1 nm.
inline constexpr WavelengthGrid kVisible1nm{3.8e-7, 1e-9, 401};

// Spectral exitance M = c1 / (λ⁵ (exp(c2 / (λT)) − 1)).
double planckExitance(const PlanckConstants &constants, double lambdaMetres, double kelvin);

// dM/dT = c1c2 · e / (T² λ⁶ (e − 1)²) with e = exp(c2 / (λT)).
double planckTemperatureDerivative(const PlanckConstants &constants, double lambdaMetres,
                                   double kelvin);

// Samples f(λ) on a grid, stored as float or double as the caller's spectra are.
template <typename Sample, typename SpectralFunction>
void sampleOnGrid(const WavelengthGrid &grid, Sample *out, SpectralFunction f) {
  double lambda = grid.firstMetres;
  for (int i = 0; i < grid.count; ++i) {
    out[i] = static_cast<Sample>(f(lambda));
    lambda += grid.stepMetres;
  }
}

template <typename Sample>
void samplePlanck(const PlanckConstants &c, double kelvin, const WavelengthGrid &grid,
                  Sample *out) {
  sampleOnGrid(grid, out, [&](double lambda) { return planckExitance(c, lambda, kelvin); });
}

// One point of the Planckian locus: temperature (K), its CIE 1960 (u, v) and
// the slope dv/du of the isotemperature line through it (the locus normal).
struct LocusEntry {
  double T;
  double u;
  double v;
  double m;
};

// Locus entry from the tristimulus sums of the Planck spectrum at T and of
// its temperature derivative. With N = 3(Y′Z − YZ′) + (XY′ − X′Y) and
// D = 2(X′Z − XZ′) + 10(X′Y − XY′), N/D = (dv/dT)/(du/dT) is the locus
// slope, and the isotemperature slope is its negative reciprocal.
LocusEntry locusEntryFromSums(double kelvin, const Tristimulus &spectrum,
                              const Tristimulus &derivative);

// The locus entry at T, from Planck spectra sampled at 380–780 nm in 5 nm
// steps as Sample values and summed by the caller's 81-sample tristimulus
// routine.
template <typename Sample, typename TristimulusOf81>
LocusEntry planckLocusEntry(const PlanckConstants &c, double kelvin,
                            TristimulusOf81 tristimulusOf81) {
  std::array<Sample, kVisible5nm.count> exitance{};
  std::array<Sample, kVisible5nm.count> derivative{};
  samplePlanck(c, kelvin, kVisible5nm, exitance.data());
  sampleOnGrid(kVisible5nm, derivative.data(),
               [&](double lambda) { return planckTemperatureDerivative(c, lambda, kelvin); });
  return locusEntryFromSums(kelvin, tristimulusOf81(exitance.data()),
                            tristimulusOf81(derivative.data()));
}

// (v − vᵢ) − mᵢ(u − uᵢ): positive when (u, v) lies on the lower-temperature
// side of the entry's isotemperature line, that is once the entry is hotter
// than the point (between 1800 and 50000 K the locus runs towards smaller u
// and v as T rises).
inline double offsetFromIsotemperatureLine(const LocusEntry &e, double u, double v) {
  return (v - e.v) - e.m * (u - e.u);
}

} // namespace colorimetry
