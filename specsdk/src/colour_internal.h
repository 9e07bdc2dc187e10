#pragma once

// The colour computations behind the exported colour functions, callable
// without going through the export table (tests and benchmarks use them).

#include "colorimetry/chromaticity.h"
#include "colorimetry/planck.h"

#include <array>
#include <memory>

namespace specsdk {

// Tristimulus sums of QSP_ColorGetXYZ: every used sample against the CIE
// 1931 2° table at 5 nm, no normalisation, zeros for an unknown count.
colorimetry::Tristimulus tristimulus5nm(const float *spectrum, int count);

// Planckian locus from 2000 to 50000 K in 5 K steps.
inline constexpr int kCctLocusEntries = 9601;

// Entries are searched in blocks; a block whose every offset is provably
// negative for the point is passed over without visiting its entries.
inline constexpr int kCctBlockEntries = 32;
inline constexpr int kCctBlocks = (kCctLocusEntries + kCctBlockEntries - 1) / kCctBlockEntries;

// Ranges of u, v and m over one block of entries.
struct CctBlockBounds {
  double uMin, uMax;
  double vMin;
  double mMin, mMax;
};

struct CctLocusTable {
  std::array<colorimetry::LocusEntry, kCctLocusEntries> entries;
  // √(mᵢ² + 1): divides the offset from an isotemperature line into a distance.
  std::array<double, kCctLocusEntries> normalLengths;
  std::array<CctBlockBounds, kCctBlocks> blocks;
};

// Builds the table from 81-sample float Planck spectra and their temperature
// derivatives; it depends on constants only.
std::unique_ptr<CctLocusTable> buildCctLocusTable();

// The table, built on first use by whichever thread gets there first.
const CctLocusTable &sharedCctLocusTable();

// Index of the first entry whose signed distance dᵢ from (u, v) is positive,
// or kCctLocusEntries when there is none.
int cctStopIndex(const CctLocusTable &table, double u, double v);

// The CCT reported for a stop index: the point's temperature rounded down
// to the 5 K grid.
inline int cctOfStopIndex(int index) {
  return 1995 + 5 * index;
}

// The CCT of QSP_ColorGetCCT: a multiple of 5 from 1995 to 50000 K.
int cctOnFiveKelvinGrid(double u, double v);

// General colour rendering index of 400 values at 1 nm from 380 nm.
double generalRenderingIndex400(const float *spectrum);

// Dominant wavelength (nm) from the hue angle about (0.3333, 0.3333).
double dominantWavelength(double x, double y);

// Excitation purity against the 5 nm, 4-decimal spectral locus.
double excitationPurity(double x, double y);

} // namespace specsdk
