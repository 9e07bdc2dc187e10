// QSP_ColorGetXYZ and the chromaticity exports: sample counts, grids and
// degenerate input.
#include "specsdk.h"
#include "spectra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Sums {
  double X, Y, Z;
};

Sums xyz(const std::vector<float>& s) {
  Sums r{};
  QSP_ColorGetXYZ(s.data(), static_cast<int>(s.size()), &r.X, &r.Y, &r.Z);
  return r;
}

void expectIdentical(const Sums& a, const Sums& b) {
  EXPECT_EQ(a.X, b.X);
  EXPECT_EQ(a.Y, b.Y);
  EXPECT_EQ(a.Z, b.Z);
}

// A smooth, uneven test spectrum at 1 nm from 380 nm.
std::vector<float> spectrum1nm(int count) {
  std::vector<float> s(count);
  for (int i = 0; i < count; ++i) {
    s[i] = static_cast<float>(1.0 + 0.5 * std::sin(i / 37.0) + i / 400.0);
  }
  return s;
}

TEST(LibraryTristimulus, OneNanometreInputIsDecimatedToTheFiveNanometreRows) {
  const std::vector<float> s401 = spectrum1nm(401);
  std::vector<float> s81(81);
  for (int k = 0; k < 81; ++k) {
    s81[k] = s401[5 * k];
  }
  expectIdentical(xyz(s401), xyz(s81));

  // Values between the 5 nm rows are ignored.
  std::vector<float> perturbed = s401;
  perturbed[1] = perturbed[398] = 1000.0f;
  expectIdentical(xyz(perturbed), xyz(s401));
}

TEST(LibraryTristimulus, FourHundredSamplesOmitTheLastRow) {
  std::vector<float> s401 = spectrum1nm(401);
  const std::vector<float> s400(s401.begin(), s401.end() - 1);
  s401[400] = 0.0f;
  expectIdentical(xyz(s400), xyz(s401));
}

TEST(LibraryTristimulus, SevenHundredOneSamplesUseTheirVisibleRange) {
  const std::vector<float> s401 = spectrum1nm(401);
  std::vector<float> s701(701, 0.0f);
  std::copy(s401.begin(), s401.end(), s701.begin() + 80);
  expectIdentical(xyz(s701), xyz(s401));
}

TEST(LibraryTristimulus, TenNanometreInputUsesEverySecondRow) {
  const std::vector<float> s401 = spectrum1nm(401);
  std::vector<float> s41(41);
  std::vector<float> s81(81, 0.0f);
  for (int k = 0; k < 41; ++k) {
    s41[k] = s81[2 * k] = s401[10 * k];
  }
  expectIdentical(xyz(s41), xyz(s81));
}

TEST(LibraryTristimulus, UnsupportedCountsGiveZero) {
  const std::vector<float> ones(1000, 1.0f);
  for (int count : {-1, 0, 1, 80, 100, 402, 700}) {
    Sums r{-1, -1, -1};
    QSP_ColorGetXYZ(ones.data(), count, &r.X, &r.Y, &r.Z);
    EXPECT_EQ(r.X, 0.0) << count;
    EXPECT_EQ(r.Y, 0.0) << count;
    EXPECT_EQ(r.Z, 0.0) << count;
  }
}

TEST(LibraryChromaticity, EqualEnergyIsNearTheCentre) {
  const Sums r = xyz(std::vector<float>(81, 1.0f));
  double x = 0, y = 0;
  GetCIE1931XY(r.X, r.Y, r.Z, &x, &y);
  EXPECT_NEAR(x, 1.0 / 3.0, 1e-3);
  EXPECT_NEAR(y, 1.0 / 3.0, 1e-3);
}

TEST(LibraryChromaticity, CieIlluminantsMatchThePublishedFiveNanometreValues) {
  // CIE 15:2004 Table T.3, which rests on 5 nm sums from 380 to 780 nm.
  struct Case {
    const cie::Table* table;
    double x, y, u, v;
  } cases[] = {{&cie::illuminantA, 0.44758, 0.40745, 0.25597, 0.34954},
               {&cie::illuminantD65, 0.31272, 0.32903, 0.19784, 0.31221}};
  for (const Case& c : cases) {
    const Sums r = xyz(specsdk_test::tabulated(*c.table, 380, 401));
    double x = 0, y = 0, u = 0, v = 0;
    GetCIE1931XY(r.X, r.Y, r.Z, &x, &y);
    GetCIE1960XY(r.X, r.Y, r.Z, &u, &v);
    EXPECT_NEAR(x, c.x, 1e-4);
    EXPECT_NEAR(y, c.y, 1e-4);
    EXPECT_NEAR(u, c.u, 1e-4);
    EXPECT_NEAR(v, c.v, 1e-4);
  }
}

TEST(LibraryChromaticity, ZeroSpectrumGivesNonFiniteCoordinates) {
  const Sums r = xyz(std::vector<float>(401, 0.0f));
  double x = 0, y = 0, u = 0, v = 0;
  GetCIE1931XY(r.X, r.Y, r.Z, &x, &y);
  GetCIE1960XY(r.X, r.Y, r.Z, &u, &v);
  EXPECT_FALSE(std::isfinite(x));
  EXPECT_FALSE(std::isfinite(y));
  EXPECT_FALSE(std::isfinite(u));
  EXPECT_FALSE(std::isfinite(v));
}

} // namespace
