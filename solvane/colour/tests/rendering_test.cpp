// Record colour rendering: R1..R15 and Ra against Planckian and daylight
// references and the published Ra of the CIE fluorescent illuminants.
#include "reference_spectra.h"
#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/rendering.h"
#include "solvane/colour/tristimulus.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::array<double, solvane::kColourItems> itemsOf(const std::vector<double>& spectrum) {
  std::array<double, solvane::kColourItems> items{};
  solvane::buildLocusTable();
  solvane::computeColourItems(spectrum.data(), 401, items.data(), solvane::kObserver2deg, 1.0);
  return items;
}

TEST(RecordRendering, PlanckSourcesUpTo5000KRenderPerfectly) {
  // Source and reference are the same radiator paired with the same table
  // rows, so every sample matches.
  for (double kelvin : {2000.0, 2856.0, 4000.0, 5000.0}) {
    const auto items = itemsOf(solvane_reference::planck1nm(kelvin));
    for (int i = 0; i < colorimetry::kTestColourSamples; ++i) {
      EXPECT_NEAR(items[solvane::kItemR1 + i], 100, 0.2) << kelvin << " K, R" << i + 1;
    }
  }
}

TEST(RecordRendering, ReferenceSwitchesToDaylightAbove5000K) {
  // Daylight at 10 nm is a different spectrum and pairs with the sample rows
  // at their own wavelengths, while the source holds them over each bin.
  const auto at5000 = itemsOf(solvane_reference::planck1nm(5000));
  const auto at5001 = itemsOf(solvane_reference::planck1nm(5001));
  ASSERT_EQ(at5000[solvane::kItemCct], 5000);
  ASSERT_EQ(at5001[solvane::kItemCct], 5001);
  EXPECT_NEAR(at5000[solvane::kItemRa], 100, 0.01);
  EXPECT_LT(at5001[solvane::kItemRa], 95);
}

TEST(RecordRendering, RaIsTheMeanOfTheFirstEightIndices) {
  const auto items = itemsOf(solvane_reference::illuminant1nm(cie::illuminantsF1toF12, 10));
  double sum = 0;
  for (int i = 0; i < colorimetry::kGeneralIndexSamples; ++i) {
    sum += items[solvane::kItemR1 + i];
  }
  EXPECT_EQ(items[solvane::kItemRa], sum * 0.125);
  // The extra samples are computed too: R9 (strong red) is far below Ra for F11.
  EXPECT_LT(items[solvane::kItemR1 + 8], items[solvane::kItemRa] - 30);
}

TEST(RecordRendering, FluorescentLampsAreWithinTwoOfThePublishedRa) {
  // The lamps' 5 nm tables linearly interpolated to 1 nm. The largest
  // differences (about −1.9 for F1 and F5) come with the daylight reference.
  const auto published = solvane_reference::referenceValues(SUITE_DATA_DIR
                                                            "/cie/reference_values.csv");
  for (int column = 0; column < 12; ++column) {
    const std::string name = "F" + std::to_string(column + 1);
    const auto items = itemsOf(solvane_reference::illuminant1nm(cie::illuminantsF1toF12, column));
    EXPECT_NEAR(items[solvane::kItemRa], published.at(name + "/Ra"), 2.0) << name;
  }
}

} // namespace
