// The CCT search against a brute-force nearest point on the Planckian locus
// sampled every 1 K and then every 0.01 K around the best sample, for Planck
// radiators from 1000 to 25000 K summed over 380–780 nm as a record holds
// them, on the locus and 0.02 above and below it.
#include "lightquality/cct.h"
#include "lightquality/reference.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace lightquality;
using colorimetry::UV;

constexpr double kCoarseFirst = 900;
constexpr double kCoarseLast = 26000;

double squaredDistance(UV a, UV b) {
  return (a.u - b.u) * (a.u - b.u) + (a.v - b.v) * (a.v - b.v);
}

const std::vector<UV> &coarseLocus() {
  static const std::vector<UV> locus = [] {
    std::vector<UV> l;
    for (double k = kCoarseFirst; k <= kCoarseLast; k += 1) {
      l.push_back(planckianLocus(k));
    }
    return l;
  }();
  return locus;
}

struct Nearest {
  double kelvin;
  double distance;
};

Nearest bruteForceNearest(UV p) {
  const std::vector<UV> &coarse = coarseLocus();
  std::size_t best = 0;
  for (std::size_t i = 1; i < coarse.size(); ++i) {
    if (squaredDistance(coarse[i], p) < squaredDistance(coarse[best], p)) {
      best = i;
    }
  }
  Nearest n{kCoarseFirst + best, std::sqrt(squaredDistance(coarse[best], p))};
  const double centre = n.kelvin;
  for (double k = centre - 1; k <= centre + 1; k += 0.01) {
    const double d = std::sqrt(squaredDistance(planckianLocus(k), p));
    if (d < n.distance) {
      n = {k, d};
    }
  }
  return n;
}

TEST(Cct, PlanckRadiatorsMatchBruteForceNearestPoint) {
  for (double kelvin = 1000; kelvin <= 25000; kelvin += kelvin < 10000 ? 250 : 1000) {
    const UV onLocus =
        colorimetry::cie1960(tristimulus(planckianRadiator(kelvin), cie::cmf1931_2deg));
    // The locus normal at this temperature, to move the point off the locus.
    const UV ahead = planckianLocus(kelvin * 1.0001);
    const UV behind = planckianLocus(kelvin / 1.0001);
    const double du = ahead.u - behind.u, dv = ahead.v - behind.v;
    const double length = std::hypot(du, dv);
    for (double offset : {-0.02, 0.0, 0.02}) {
      SCOPED_TRACE(testing::Message() << kelvin << " K, offset " << offset);
      // (dv, −du) points to larger v: the locus runs to smaller u and v.
      const UV p{onLocus.u + offset * dv / length, onLocus.v - offset * du / length};
      const CorrelatedColourTemperature cct = cctCie15(p);
      const Nearest expected = bruteForceNearest(p);
      EXPECT_NEAR(cct.kelvin, expected.kelvin, 0.5);
      // No sampled locus point is nearer than the one found.
      EXPECT_LE(std::fabs(cct.duv), expected.distance + 1e-10);
      EXPECT_NEAR(std::fabs(cct.duv), expected.distance, 1e-6);
      // Duv is measured to the tabulated locus, within 1e-10 of the exact one.
      EXPECT_NEAR(std::fabs(cct.duv), std::sqrt(squaredDistance(planckianLocus(cct.kelvin), p)),
                  1e-10);
      if (offset != 0) {
        EXPECT_EQ(cct.duv > 0, offset > 0);
      }
    }
  }
}

TEST(Cct, UndefinedFarFromTheLocusOrOutsideItsRange) {
  const UV white = planckianLocus(5000);
  const CorrelatedColourTemperature far = cctCie15({white.u, white.v + 0.1});
  EXPECT_FALSE(far.defined());
  EXPECT_GT(far.duv, kMaximumAbsDuv); // kept beside the reason
  EXPECT_TRUE(std::isfinite(far.kelvin));
  EXPECT_NE(far.reason.find("0.05"), std::string::npos) << far.reason;
  EXPECT_TRUE(cctCie15({white.u, white.v + 0.049}).defined());

  const CorrelatedColourTemperature red = cctCie15(planckianLocus(800));
  EXPECT_TRUE(std::isnan(red.kelvin));
  EXPECT_NE(red.reason.find("1000-100000 K"), std::string::npos) << red.reason;

  EXPECT_TRUE(std::isnan(cctCie15({NAN, 0.3}).kelvin));
  EXPECT_NEAR(cctCie15(planckianLocus(99000)).kelvin, 99000, 0.5);
}

} // namespace
