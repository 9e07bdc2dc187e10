// computeColourItems: slots, observer handling, scaling and degenerate input.
#include "reference_spectra.h"
#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/rendering.h"
#include "solvane/colour/tristimulus.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Items = std::array<double, solvane::kColourItems>;

Items itemsOf(const std::vector<double>& spectrum, int observer, double ratio = 1.0,
              int count = 401) {
  Items items{};
  solvane::buildLocusTable();
  solvane::computeColourItems(spectrum.data(), count, items.data(), observer, ratio);
  return items;
}

const std::vector<double>& f11() {
  static const std::vector<double> s =
      solvane_reference::illuminant1nm(cie::illuminantsF1toF12, 10);
  return s;
}

TEST(ColourItems, ChromaticitiesAndScaledTristimulusValues) {
  const Items items = itemsOf(f11(), solvane::kObserver2deg, 0.25);
  const colorimetry::Tristimulus t = solvane::tristimulus(f11().data(), 401, 0);
  const double sum = t.X + t.Y + t.Z;
  EXPECT_DOUBLE_EQ(items[solvane::kItemX], t.X / sum);
  EXPECT_DOUBLE_EQ(items[solvane::kItemY], t.Y / sum);
  // CIE 1976 u′ = 4x / (−2x + 12y + 3), v′ = 9y / (...) equal 4X, 9Y over X + 15Y + 3Z.
  EXPECT_DOUBLE_EQ(items[solvane::kItemUPrime], 4 * t.X / (t.X + 15 * t.Y + 3 * t.Z));
  EXPECT_DOUBLE_EQ(items[solvane::kItemVPrime], 9 * t.Y / (t.X + 15 * t.Y + 3 * t.Z));
  EXPECT_DOUBLE_EQ(items[solvane::kItemTristimulusY], t.Y * 0.25 * 47080 / 13.785);
  EXPECT_NEAR(items[solvane::kItemCct], 4000, 5); // F11 is a 4000 K lamp
  EXPECT_EQ(items[solvane::kItemDominantWavelength], 579);
}

TEST(ColourItems, TenDegreeObserverChangesOnlyUPrimeVPrime) {
  const Items two = itemsOf(f11(), solvane::kObserver2deg);
  EXPECT_EQ(solvane::observerSetting(), solvane::kObserver2deg);
  const Items ten = itemsOf(f11(), solvane::kObserver10deg);
  EXPECT_EQ(solvane::observerSetting(), solvane::kObserver2deg);
  for (int slot = 0; slot < solvane::kColourItems; ++slot) {
    if (slot == solvane::kItemUPrime || slot == solvane::kItemVPrime) {
      EXPECT_GT(std::fabs(ten[slot] - two[slot]), 1e-3) << slot;
    } else {
      EXPECT_EQ(ten[slot], two[slot]) << slot;
    }
  }
}

TEST(ColourItems, CountIsIgnored) {
  const Items items = itemsOf(f11(), solvane::kObserver2deg, 1.0, 81);
  EXPECT_EQ(items, itemsOf(f11(), solvane::kObserver2deg));
}

TEST(ColourItems, DegenerateSpectraGiveNonFiniteQuantities) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double value : {0.0, nan, inf}) {
    const Items items = itemsOf(std::vector<double>(401, value), solvane::kObserver10deg);
    for (int slot : {solvane::kItemX, solvane::kItemY, solvane::kItemUPrime,
                     solvane::kItemVPrime, solvane::kItemDuv, solvane::kItemRa}) {
      EXPECT_FALSE(std::isfinite(items[slot])) << value << " slot " << slot;
    }
    for (int i = 0; i < colorimetry::kTestColourSamples; ++i) {
      EXPECT_FALSE(std::isfinite(items[solvane::kItemR1 + i])) << value;
    }
    // The search finds no hotter entry and reports the table's hot end.
    EXPECT_EQ(items[solvane::kItemCct], 21800) << value;
  }
}

} // namespace
