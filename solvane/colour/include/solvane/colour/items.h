#pragma once

// The colour quantities of one measurement record.

namespace solvane {

inline constexpr int kColourItems = 26;

// Slots of the array computeColourItems fills.
enum ColourItem {
  kItemX = 0,            // CIE 1931 x
  kItemY = 1,            // CIE 1931 y
  kItemUPrime = 2,       // CIE 1976 u′
  kItemVPrime = 3,       // CIE 1976 v′
  kItemCct = 4,          // correlated colour temperature, K
  kItemDuv = 5,          // signed distance from the Planckian locus
  kItemTristimulusX = 6, // X, Y, Z scaled to the meter's units
  kItemTristimulusY = 7,
  kItemTristimulusZ = 8,
  kItemDominantWavelength = 9, // nm
  kItemRa = 10,
  kItemR1 = 11, // R1..R15 in slots 11..25
};

// Colour quantities of a spectrum of 401 values at 1 nm from 380 to 780 nm
// (count is not used: 401 values are always read). `observer` becomes the
// observer setting; with the 10° observer only u′, v′ come from it, the
// setting returns to 2° and everything else rests on the 2° observer.
// `ratio` scales only the reported X, Y, Z. Quantities that cannot be formed
// (a zero spectrum) are NaN; a purple colour has a NaN dominant wavelength.
void computeColourItems(const double *spectrum, int count, double *items, int observer,
                        double ratio);

} // namespace solvane
