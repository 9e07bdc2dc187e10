// QSP_ColorGetDominantWavelength and QSP_ColorGetPurity at the sample points.
#include "specsdk.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double dominant(double x, double y) {
  double w = 0;
  QSP_ColorGetDominantWavelength(x, y, &w);
  return w;
}

double purity(double x, double y) {
  double p = -1;
  QSP_ColorGetPurity(x, y, &p);
  return p;
}

TEST(LibraryDominantWavelength, SamplePoints) {
  EXPECT_NEAR(dominant(0.5, 0.4), 589.96, 0.01);
  EXPECT_NEAR(dominant(0.2, 0.3), 487.91, 0.01);
  // At 90° to the direction from the white point to 520 nm, on either side.
  EXPECT_NEAR(dominant(0.3333 + 0.05005, 0.3333 + 0.0259), 586.69, 0.01);
  EXPECT_NEAR(dominant(0.3333 - 0.05005, 0.3333 - 0.0259), 484.19, 0.01);
}

TEST(LibraryPurity, SamplePoints) {
  EXPECT_NEAR(purity(0.5, 0.4), 0.701, 0.0005);
  EXPECT_NEAR(purity(0.2, 0.3), 0.476, 0.0005);
  EXPECT_NEAR(purity(0.6, 0.35), 0.851, 0.0005);
  // Halfway from the white point to 560 nm (0.3731, 0.6245).
  EXPECT_NEAR(purity(0.3333 + 0.5 * (0.3731 - 0.3333), 0.3333 + 0.5 * (0.6245 - 0.3333)), 0.5,
              1e-9);
}

TEST(LibraryDominantWavelength, PurpleRegionIsNotANumber) {
  EXPECT_TRUE(std::isnan(dominant(0.4, 0.2)));
  EXPECT_TRUE(std::isnan(purity(0.4, 0.2)));
}

} // namespace
