// The compiled-in tables must hold the published rows on the stated grids.
#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct GridCase {
  const cie::Table *table;
  int firstNm, lastNm, stepNm, columns;
};

TEST(CieTables, GridsMatchTheirFiles) {
  const GridCase cases[] = {
      {&cie::cmf1931_2deg, 360, 830, 1, 3},
      {&cie::cmf1964_10deg, 360, 830, 1, 3},
      {&cie::locus1931_5nm_4dp, 380, 780, 5, 2},
      {&cie::locus1931_1nm_5dp, 360, 830, 1, 3},
      {&cie::tcs1to14, 360, 830, 5, 14},
      {&cie::tcs15, 380, 780, 5, 1},
      {&cie::daylightComponents, 300, 830, 5, 3},
      {&cie::illuminantA, 300, 830, 1, 1},
      {&cie::illuminantD65, 300, 830, 1, 1},
      {&cie::illuminantsF1toF12, 380, 780, 5, 12},
      {&cie::colourEvaluationSamples, 380, 780, 1, 99},
      {&cie::alphaOpicActionSpectra, 380, 780, 1, 6},
      {&cie::scotopic1951, 380, 780, 1, 1},
      {&cie::televisionCamera, 380, 760, 5, 3},
      {&cie::televisionTestPatches, 380, 760, 5, 24},
      {&cie::televisionDaylightBasis, 380, 760, 5, 3},
  };
  for (const GridCase &c : cases) {
    EXPECT_EQ(c.table->firstNm, c.firstNm);
    EXPECT_EQ(c.table->lastNm(), c.lastNm);
    EXPECT_EQ(c.table->stepNm, c.stepNm);
    EXPECT_EQ(c.table->columns, c.columns);
  }
}

TEST(CieTables, PublishedSampleRows) {
  // Rows quoted in data/cie/README.md and the published anchors.
  EXPECT_DOUBLE_EQ(cie::cmf1931_2deg.at(380, 0), 0.001368);
  EXPECT_DOUBLE_EQ(cie::cmf1931_2deg.at(380, 2), 0.006450001);
  EXPECT_DOUBLE_EQ(cie::cmf1931_2deg.at(555, 1), 1.0);
  EXPECT_DOUBLE_EQ(cie::locus1931_5nm_4dp.at(380, 0), 0.1741);
  EXPECT_DOUBLE_EQ(cie::locus1931_5nm_4dp.at(520, 1), 0.8338);
  for (int nm = 700; nm <= 780; nm += 5) {
    EXPECT_DOUBLE_EQ(cie::locus1931_5nm_4dp.at(nm, 0), 0.7347) << nm;
    EXPECT_DOUBLE_EQ(cie::locus1931_5nm_4dp.at(nm, 1), 0.2653) << nm;
  }
  EXPECT_DOUBLE_EQ(cie::locus1931_1nm_5dp.at(449, 0), 0.15763);
  EXPECT_DOUBLE_EQ(cie::locus1931_1nm_5dp.at(550, 1), 0.69231);
  EXPECT_DOUBLE_EQ(cie::cmf1964_10deg.at(600, 2), 0.0);
  EXPECT_DOUBLE_EQ(cie::tcs15.at(380, 0), 0.131);
  EXPECT_DOUBLE_EQ(cie::tcs15.at(780, 0), 0.611);
  EXPECT_DOUBLE_EQ(cie::illuminantsF1toF12.at(425, 10), 3.33);
  // data/cie/extended/README.md: the CIE sample row at 499 nm, the melanopic
  // peak, and zeros where the CIE leaves s_sc undefined.
  const double row499[] = {1.03934e-01, 5.77150e-01, 3.79907e-01, 9.76e-01, 9.72451e-01};
  for (int c = 0; c < 5; ++c) {
    EXPECT_DOUBLE_EQ(cie::alphaOpicActionSpectra.at(499, c), row499[c]) << c;
  }
  EXPECT_DOUBLE_EQ(cie::alphaOpicActionSpectra.at(490, 4), 1.0);
  EXPECT_DOUBLE_EQ(cie::alphaOpicActionSpectra.at(616, 0), 0.0);
  EXPECT_DOUBLE_EQ(cie::colourEvaluationSamples.at(380, 0), 0.6359);
  EXPECT_DOUBLE_EQ(cie::colourEvaluationSamples.at(380, 98), 0.2092);
  // V′(λ): 1 at 507 nm (the published four digits round 506–508 nm to 1)
  // and never above, the CIE sample rows at 459 and 499 nm, and the column
  // sum the CIE dataset states.
  double sum = 0;
  for (int nm = 380; nm <= 780; ++nm) {
    const double v = cie::scotopic1951.at(nm, 0);
    sum += v;
    EXPECT_LE(v, 1.0) << nm;
  }
  EXPECT_DOUBLE_EQ(cie::scotopic1951.at(507, 0), 1.0);
  EXPECT_NEAR(sum, 97.0713165740, 1e-9);
  EXPECT_DOUBLE_EQ(cie::scotopic1951.at(459, 0), 0.557);
  EXPECT_DOUBLE_EQ(cie::scotopic1951.at(499, 0), 0.976);
  // The television camera's columns each sum to 1; its daylight basis is
  // the EBU's, not CIE 15's, at odd multiples of 5 nm.
  for (int c = 0; c < 3; ++c) {
    double channel = 0;
    for (int nm = 380; nm <= 760; nm += 5) {
      channel += cie::televisionCamera.at(nm, c);
    }
    EXPECT_NEAR(channel, 1.0, 1e-6) << c;
  }
  EXPECT_DOUBLE_EQ(cie::televisionDaylightBasis.at(385, 0), 62.45);
  EXPECT_DOUBLE_EQ(cie::daylightComponents.at(385, 0), 64.6);
  EXPECT_DOUBLE_EQ(cie::televisionTestPatches.at(380, 23), 0.00439);
}

TEST(CieTables, OffGridLookupsAreRejected) {
  EXPECT_EQ(cie::tcs15.row(382), nullptr);
  EXPECT_EQ(cie::tcs15.row(375), nullptr);
  EXPECT_EQ(cie::tcs15.row(785), nullptr);
  EXPECT_TRUE(std::isnan(cie::cmf1931_2deg.at(500, 3)));
  EXPECT_TRUE(std::isnan(cie::cmf1931_2deg.at(900, 0)));
}

TEST(CieTables, LinearLookupsBetweenGridRows) {
  const cie::Table &f = cie::illuminantsF1toF12;
  EXPECT_EQ(f.linearAt(425, 10), f.at(425, 10));
  EXPECT_DOUBLE_EQ(f.linearAt(427, 10), f.at(425, 10) + 0.4 * (f.at(430, 10) - f.at(425, 10)));
  EXPECT_EQ(f.linearAt(780, 0), f.at(780, 0));
  EXPECT_EQ(cie::illuminantA.linearAt(561, 0), cie::illuminantA.at(561, 0));
  EXPECT_TRUE(std::isnan(f.linearAt(427, 12)));
}

} // namespace
