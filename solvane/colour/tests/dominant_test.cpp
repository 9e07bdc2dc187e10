// Record dominant wavelength and purity on the 1 nm locus.
#include "solvane/colour/dominant.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kWhite = 0.3333333;

solvane::DominantWavelength halfwayTo(double x, double y) {
  return solvane::dominantWavelength(kWhite + 0.5 * (x - kWhite), kWhite + 0.5 * (y - kWhite));
}

TEST(RecordDominantWavelength, HalfwayToEachSpectralColour) {
  // Through all four quadrants' runs. 380 nm and 699 nm on (where the rows no
  // longer change) lie on the purple region's edges, where rounding decides.
  for (int nm = 384; nm <= 696; nm += 4) {
    const solvane::DominantWavelength d =
        halfwayTo(cie::locus1931_1nm_5dp.at(nm, 0), cie::locus1931_1nm_5dp.at(nm, 1));
    EXPECT_NEAR(d.wavelength, nm, 1.0) << nm; // rounding may pass the row
    EXPECT_NEAR(d.purity, 0.5, 1e-6) << nm;
  }
  EXPECT_EQ(solvane::dominantWavelength(0.5, 0.4).wavelength, 590);
  EXPECT_EQ(solvane::dominantWavelength(0.2, 0.3).wavelength, 489); // between 488 and 489
}

TEST(RecordDominantWavelength, PurpleRegionHasPurityOnly) {
  const double px = (0.17411 + 0.73469) / 2; // middle of the purple line
  const solvane::DominantWavelength d =
      halfwayTo(px, 0.4644296978129794 * px - 0.07590185468621782);
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
