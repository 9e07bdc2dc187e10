#pragma once

// Dominant wavelength and excitation purity on the 1 nm spectral locus.

namespace solvane {

struct DominantWavelength {
  double wavelength; // nm, a whole number; NaN in the purple region
  double purity;     // |P − W| / |I − W|, 1 on the locus
};

// Relative to W = (0.3333333, 0.3333333), intersecting the ray from W through
// (x, y) with the 1 nm, 5-decimal CIE 1931 2° spectral locus or, in the
// purple region, with the line from 380 to 780 nm.
DominantWavelength dominantWavelength(double x, double y);

} // namespace solvane
