// Record colour rendering against Planckian and daylight references and the
// published Ra of the CIE fluorescent illuminants.
#include "reference_spectra.h"
#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::array<double, solvane::kColourItems> itemsOf(const std::vector<double> &spectrum) {
  std::array<double, solvane::kColourItems> items{};
  solvane::buildLocusTable();
  solvane::computeColourItems(spectrum.data(), 401, items.data(), 0, 1.0);
  return items;
}

TEST(RecordRendering, PlanckSourcesRenderPerfectlyUpTo5000K) {
  // Source and Planckian reference pair with the same table rows; at 2000 K
  // the reference is 1 K off.
  for (double kelvin : {2000.0, 2856.0, 4000.0, 5000.0}) {
    const auto items = itemsOf(solvane_reference::planck1nm(kelvin));
    for (int i = 0; i < 15; ++i) {
      EXPECT_NEAR(items[solvane::kItemR1 + i], 100, 0.2) << kelvin << " K, R" << i + 1;
    }
  }
  // From 5001 K daylight at 10 nm, a different spectrum paired differently.
  EXPECT_LT(itemsOf(solvane_reference::planck1nm(5001))[solvane::kItemRa], 95);
}

TEST(RecordRendering, RaIsTheMeanOfTheFirstEightIndices) {
  const auto items = itemsOf(solvane_reference::illuminant1nm(cie::illuminantsF1toF12, 10));
  double sum = 0;
  for (int i = 0; i < 8; ++i) {
    sum += items[solvane::kItemR1 + i];
  }
  EXPECT_EQ(items[solvane::kItemRa], sum * 0.125);
}

TEST(RecordRendering, FluorescentLampsAreWithinTwoOfThePublishedRa) {
  const auto published =
      solvane_reference::referenceValues(SUITE_DATA_DIR "/cie/reference_values.csv");
  for (int f = 0; f < 12; ++f) {
    const std::string name = "F" + std::to_string(f + 1);
    const auto items = itemsOf(solvane_reference::illuminant1nm(cie::illuminantsF1toF12, f));
    EXPECT_NEAR(items[solvane::kItemRa], published.at(name + "/Ra"), 2.0) << name;
  }
}

} // namespace
