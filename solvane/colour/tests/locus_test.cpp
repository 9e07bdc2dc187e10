// The record CCT and Δuv: Planck radiators, D65 and the range ends.
#include "reference_spectra.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/tristimulus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

solvane::CctAndDuv cctOf(const std::vector<double> &spectrum) {
  const colorimetry::UV uv = colorimetry::cie1960(solvane::tristimulus(spectrum.data(), 401, 0));
  return solvane::cctByLocusSteps(uv.u, uv.v);
}

TEST(RecordLocus, PlanckRadiators) {
  for (double kelvin = 2000; kelvin <= 6500; kelvin += 250) {
    const solvane::CctAndDuv r = cctOf(solvane_reference::planck1nm(kelvin));
    EXPECT_NEAR(r.cct, kelvin, 1.0) << kelvin;
    EXPECT_NEAR(r.duv, 0, 1e-4) << kelvin;
  }
  // The locus rests on 5 nm sums, records on 1 nm sums; the gap grows with T.
  EXPECT_NEAR(cctOf(solvane_reference::planck1nm(10000)).cct, 10000 - 2, 1);
  EXPECT_NEAR(cctOf(solvane_reference::planck1nm(20000)).cct, 20000 - 14, 3);
}

TEST(RecordLocus, D65LiesAboveTheLocusAt6504K) {
  const solvane::CctAndDuv r = cctOf(solvane_reference::illuminant1nm(cie::illuminantD65));
  EXPECT_NEAR(r.cct, 6504, 1.0);
  EXPECT_NEAR(r.duv, 0.0032, 0.0002); // positive: above the locus, towards green
}

TEST(RecordLocus, RangeEndsAndEntryLines) {
  const solvane::CctAndDuv cold = cctOf(solvane_reference::planck1nm(1500));
  EXPECT_EQ(cold.cct, 1800);
  EXPECT_LT(cold.duv, 0); // u beyond the 1800 K entry's
  const solvane::CctAndDuv hot = cctOf(solvane_reference::planck1nm(40000));
  EXPECT_EQ(hot.cct, 21800);
  EXPECT_GT(hot.duv, 0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(solvane::cctByLocusSteps(nan, nan).cct, 21800);
  // A point on an entry's own isotemperature line is not on its cooler side:
  // the search reports the next whole kelvin.
  const colorimetry::LocusEntry at2000 = solvane::buildLocusTable()[1];
  EXPECT_EQ(solvane::cctByLocusSteps(at2000.u, at2000.v).cct, 2001);
}

} // namespace
