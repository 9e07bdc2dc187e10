#pragma once

// Plain tristimulus sums of a spectrum whose wavelength grid follows from its
// length, the summing loop both colour engines share. The engines differ
// only in data: the colour-matching table, and whether 1 nm input is
// decimated to the 5 nm grid.

#include "colorimetry/chromaticity.h"

namespace cie {
struct Table;
}

namespace colorimetry {

// The values of a spectrum that lie within 380–780 nm: from firstIndex, one
// every stepNm nanometres, `count` of them.
struct VisibleValues {
  int firstIndex;
  int stepNm;
  int count;
};

// 81 values: 380–780 nm at 5 nm; 41: at 10 nm; 400: 380–779 nm at 1 nm;
// 401: 380–780 nm at 1 nm; 701: 300–1000 nm at 1 nm. False for any other
// count.
bool visibleValuesOf(int count, VisibleValues &values);

// X = Σ s·x̄, Y = Σ s·ȳ, Z = Σ s·z̄ over the visible values whose wavelength
// lies on the grid of `minimumStepNm` from 380 nm (1 takes every value, 5
// decimates 1 nm input to 5 nm), each against the row of its own wavelength
// in the 1 nm colour-matching table `cmf`. No normalisation and no Δλ; zeros
// for an unknown count. Instantiated for float and double spectra.
template <typename Value>
Tristimulus plainSums(const Value *spectrum, int count, int minimumStepNm, const cie::Table &cmf);

} // namespace colorimetry
