#pragma once

// Correlated colour temperature and distance from the Planckian locus for
// measurement records.

#include "colorimetry/planck.h"

#include <array>

namespace solvane {

// Planckian locus from 1800 to 21800 K in 200 K steps.
inline constexpr int kLocusTableEntries = 101;
using LocusTable = std::array<colorimetry::LocusEntry, kLocusTableEntries>;

// The process-wide locus table. It depends on constants only, so it is
// built on the first call and returned unchanged afterwards.
const LocusTable &buildLocusTable();

// A locus entry at any temperature: double Planck spectra at 380–780 nm in
// 5 nm steps, summed with the 2° observer.
colorimetry::LocusEntry locusEntryAt(double kelvin);

struct CctAndDuv {
  double cct; // K, a whole number from 1800 to 21800
  double duv; // distance in (u, v) from the locus point at cct, signed
};

// The first table entry hotter than the point, refined in 20 K and then
// 1 K steps. Δuv is the distance to the locus point at the result, negative
// when the point's u exceeds the locus point's. Points outside the table
// get its ends.
CctAndDuv cctByLocusSteps(double u, double v);

} // namespace solvane
