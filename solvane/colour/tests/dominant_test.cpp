// Record dominant wavelength and purity on the 1 nm locus.
#include "solvane/colour/dominant.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kWhite = 0.3333333;

TEST(RecordDominantWavelength, HalfwayToEachSpectralColour) {
  // Points halfway from W to a locus point, on all four quadrants' runs.
  // 380 nm and 699 nm on (where the 5-decimal rows no longer change) lie on
  // the purple region's boundary lines, where rounding decides the side.
  for (int nm = 384; nm <= 696; nm += 4) {
    const double lx = cie::locus1931_1nm_5dp.at(nm, 0);
    const double ly = cie::locus1931_1nm_5dp.at(nm, 1);
    const solvane::DominantWavelength d =
        solvane::dominantWavelength(kWhite + 0.5 * (lx - kWhite), kWhite + 0.5 * (ly - kWhite));
    // Rounding may put the halfway point's slope just past its row.
    EXPECT_NEAR(d.wavelength, nm, 1.0) << nm;
    EXPECT_NEAR(d.purity, 0.5, 1e-6) << nm;
  }
}

TEST(RecordDominantWavelength, SamplePoints) {
  const solvane::DominantWavelength yellow = solvane::dominantWavelength(0.5, 0.4);
  EXPECT_EQ(yellow.wavelength, 590);
  EXPECT_NEAR(yellow.purity, 0.70, 0.01);
  const solvane::DominantWavelength cyan = solvane::dominantWavelength(0.2, 0.3);
  EXPECT_EQ(cyan.wavelength, 489); // the ray meets the locus between 488 and 489 nm
  EXPECT_NEAR(cyan.purity, 0.48, 0.01);
}

TEST(RecordDominantWavelength, PurpleRegionHasPurityOnly) {
  // Halfway from W to the middle of the purple line.
  const double px = (0.17411 + 0.73469) / 2;
  const double py = 0.4644296978129794 * px - 0.07590185468621782;
  const solvane::DominantWavelength d =
      solvane::dominantWavelength(kWhite + 0.5 * (px - kWhite), kWhite + 0.5 * (py - kWhite));
  EXPECT_TRUE(std::isnan(d.wavelength));
  EXPECT_NEAR(d.purity, 0.5, 1e-9);
}

TEST(RecordDominantWavelength, NoQuadrantFallsBackTo380nm) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const solvane::DominantWavelength d = solvane::dominantWavelength(nan, nan);
  EXPECT_EQ(d.wavelength, 380);
  EXPECT_TRUE(std::isnan(d.purity));
}

} // namespace
