// The record CCT and Δuv: Planck radiators, D65 and the range ends.
#include "reference_spectra.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/tristimulus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

solvane::CctAndDuv cctOf(const std::vector<double>& spectrum) {
  const colorimetry::UV uv =
      colorimetry::cie1960(solvane::tristimulus(spectrum.data(), 401, solvane::kObserver2deg));
  return solvane::correlatedColourTemperature(uv.u, uv.v);
}

TEST(RecordLocus, TableSpans1800To21800KAndIsReused) {
  const solvane::LocusTable& table = solvane::buildLocusTable();
  EXPECT_EQ(table.front().T, 1800);
  EXPECT_EQ(table.back().T, 21800);
  EXPECT_EQ(&solvane::buildLocusTable(), &table);
  for (int i = 0; i < solvane::kLocusTableEntries; i += 25) {
    const colorimetry::LocusEntry fresh = solvane::locusEntryAt(table[i].T);
    EXPECT_EQ(std::memcmp(&fresh, &table[i], sizeof fresh), 0) << table[i].T;
  }
}

TEST(RecordLocus, PlanckRadiatorsWithin1KFrom2000To6500K) {
  for (double kelvin = 2000; kelvin <= 6500; kelvin += 250) {
    const solvane::CctAndDuv r = cctOf(solvane_reference::planck1nm(kelvin));
    EXPECT_NEAR(r.cct, kelvin, 1.0) << kelvin;
    EXPECT_NEAR(r.duv, 0, 1e-4) << kelvin;
  }
}

TEST(RecordLocus, HotRadiatorsFallShortOfTheirTemperature) {
  // The locus rests on 5 nm sums, records on 1 nm sums; the gap grows with T.
  const double short10000 = 10000 - cctOf(solvane_reference::planck1nm(10000)).cct;
  const double short20000 = 20000 - cctOf(solvane_reference::planck1nm(20000)).cct;
  EXPECT_GE(short10000, 1);
  EXPECT_LE(short10000, 3);
  EXPECT_GE(short20000, 11);
  EXPECT_LE(short20000, 17);
}

TEST(RecordLocus, D65LiesAboveTheLocusAt6504K) {
  const solvane::CctAndDuv r = cctOf(solvane_reference::illuminant1nm(cie::illuminantD65));
  EXPECT_NEAR(r.cct, 6504, 1.0);
  EXPECT_NEAR(r.duv, 0.0032, 0.0002); // positive: above the locus, towards green
}

TEST(RecordLocus, RangeEnds) {
  const solvane::LocusTable& table = solvane::buildLocusTable();
  const solvane::CctAndDuv cold = cctOf(solvane_reference::planck1nm(1500));
  EXPECT_EQ(cold.cct, 1800);
  // Beyond the cold end u exceeds the 1800 K entry's: negative.
  EXPECT_LT(cold.duv, 0);
  const solvane::CctAndDuv hot = cctOf(solvane_reference::planck1nm(40000));
  EXPECT_EQ(hot.cct, 21800);
  EXPECT_GT(hot.duv, 0);
  // A point on an entry's own isotemperature line is not on its cooler
  // side, so the search reports the next whole kelvin.
  const solvane::CctAndDuv onEntry = solvane::correlatedColourTemperature(table[1].u, table[1].v);
  EXPECT_EQ(onEntry.cct, 2001);
}

TEST(RecordLocus, NonFiniteInputGivesTheHotEndWithoutDistance) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const solvane::CctAndDuv r = solvane::correlatedColourTemperature(nan, nan);
  EXPECT_EQ(r.cct, 21800);
  EXPECT_TRUE(std::isnan(r.duv));
}

} // namespace
