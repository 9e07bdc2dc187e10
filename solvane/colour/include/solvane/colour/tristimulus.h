#pragma once

// The program's tristimulus routine: spectra of doubles against 1 nm
// colour-matching tables, with a process-wide observer setting.

#include "colorimetry/chromaticity.h"

namespace solvane {

// Observer setting values.
inline constexpr int kObserver2deg = 0;  // CIE 1931 2° standard observer
inline constexpr int kObserver10deg = 1; // CIE 1964 10° supplementary observer

// The process-wide observer setting; it starts at kObserver2deg. Any value
// other than kObserver10deg selects the 2° observer.
void setObserver(int observer);
int observerSetting();

// X, Y, Z as plain weighted sums against the chosen observer's 1 nm table
// from 380 nm: 81 values take every fifth row, 41 every tenth, 400 and 401
// every row, 701 (300–1000 nm) values 80 to 480 against rows 0 to 400. Any
// other count gives zeros.
colorimetry::Tristimulus tristimulus(const double *spectrum, int count, int observer);

// The same with the observer setting.
colorimetry::Tristimulus tristimulus(const double *spectrum, int count);

} // namespace solvane
