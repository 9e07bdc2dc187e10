// QSP_ColorGetXYZ and the chromaticity exports: grids and degenerate input.
#include "specsdk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Sums {
  double X = 0, Y = 0, Z = 0;
  bool operator==(const Sums &o) const { return X == o.X && Y == o.Y && Z == o.Z; }
};

Sums xyz(const std::vector<float> &s, int count) {
  Sums r;
  QSP_ColorGetXYZ(s.data(), count, &r.X, &r.Y, &r.Z);
  return r;
}

TEST(LibraryTristimulus, EveryGridUsesTheFiveNanometreRows) {
  std::vector<float> s401(401);
  for (int i = 0; i < 401; ++i) {
    s401[i] = static_cast<float>(1.0 + 0.5 * std::sin(i / 37.0));
  }
  std::vector<float> s81(81), s41(41), even81(81, 0.0f), s701(701, 0.0f);
  for (int k = 0; k < 81; ++k) {
    s81[k] = s401[5 * k];
  }
  for (int k = 0; k < 41; ++k) {
    s41[k] = even81[2 * k] = s81[2 * k];
  }
  std::copy(s401.begin(), s401.end(), s701.begin() + 80);
  EXPECT_EQ(xyz(s401, 401), xyz(s81, 81));
  EXPECT_EQ(xyz(s701, 701), xyz(s401, 401));
  EXPECT_EQ(xyz(s41, 41), xyz(even81, 81));
  // 400 values stop at 779 nm: the 401-value sums less the 780 nm term.
  const Sums s400 = xyz(s401, 400);
  s401[400] = 0.0f;
  EXPECT_EQ(s400, xyz(s401, 401));
  // Values between the 5 nm rows do not count.
  s401[1] = 1000.0f;
  EXPECT_EQ(s400, xyz(s401, 401));
}

TEST(LibraryTristimulus, UnsupportedCountsGiveZero) {
  const std::vector<float> ones(1000, 1.0f);
  for (int count : {-1, 0, 80, 100, 402, 700}) {
    EXPECT_EQ(xyz(ones, count), Sums()) << count;
  }
}

TEST(LibraryChromaticity, EqualEnergyNearTheCentreZeroSpectrumNonFinite) {
  const Sums e = xyz(std::vector<float>(81, 1.0f), 81);
  double x = 0, y = 0, u = 0, v = 0;
  GetCIE1931XY(e.X, e.Y, e.Z, &x, &y);
  EXPECT_NEAR(x, 1.0 / 3, 1e-3);
  EXPECT_NEAR(y, 1.0 / 3, 1e-3);
  GetCIE1931XY(0, 0, 0, &x, &y);
  GetCIE1960XY(0, 0, 0, &u, &v);
  EXPECT_FALSE(std::isfinite(x) || std::isfinite(y) || std::isfinite(u) || std::isfinite(v));
}

} // namespace
