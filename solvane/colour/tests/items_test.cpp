// computeColourItems: slots, observer handling, scaling and degenerate input.
#include "reference_spectra.h"
#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/tristimulus.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Items = std::array<double, solvane::kColourItems>;

Items itemsOf(const std::vector<double> &spectrum, int observer, double ratio = 1,
              int count = 401) {
  Items items{};
  solvane::buildLocusTable();
  solvane::computeColourItems(spectrum.data(), count, items.data(), observer, ratio);
  return items;
}

const std::vector<double> kF11 = solvane_reference::illuminant1nm(cie::illuminantsF1toF12, 10);

TEST(ColourItems, SlotsHoldTheQuantities) {
  const Items items = itemsOf(kF11, solvane::kObserver2deg, 0.25);
  const colorimetry::Tristimulus t = solvane::tristimulus(kF11.data(), 401, 0);
  EXPECT_DOUBLE_EQ(items[solvane::kItemX], t.X / (t.X + t.Y + t.Z));
  EXPECT_DOUBLE_EQ(items[solvane::kItemY], t.Y / (t.X + t.Y + t.Z));
  // u′ = 4x / (−2x + 12y + 3) equals 4X / (X + 15Y + 3Z); v′ likewise 9Y.
  EXPECT_DOUBLE_EQ(items[solvane::kItemUPrime], 4 * t.X / (t.X + 15 * t.Y + 3 * t.Z));
  EXPECT_DOUBLE_EQ(items[solvane::kItemVPrime], 9 * t.Y / (t.X + 15 * t.Y + 3 * t.Z));
  EXPECT_DOUBLE_EQ(items[solvane::kItemTristimulusY], t.Y * 0.25 * 47080 / 13.785);
  EXPECT_NEAR(items[solvane::kItemCct], 4000, 5); // F11 is a 4000 K lamp
  EXPECT_EQ(items[solvane::kItemDominantWavelength], 579);
  EXPECT_EQ(itemsOf(kF11, solvane::kObserver2deg, 0.25, 81), items); // count is ignored
}

TEST(ColourItems, TenDegreeObserverChangesOnlyUPrimeVPrime) {
  EXPECT_EQ(solvane::observerSetting(), solvane::kObserver2deg); // initial value
  const Items two = itemsOf(kF11, solvane::kObserver2deg);
  const Items ten = itemsOf(kF11, solvane::kObserver10deg);
  EXPECT_EQ(solvane::observerSetting(), solvane::kObserver2deg); // set back after u′, v′
  for (int slot = 0; slot < solvane::kColourItems; ++slot) {
    const bool fromChosenObserver = slot == solvane::kItemUPrime || slot == solvane::kItemVPrime;
    EXPECT_EQ(ten[slot] != two[slot], fromChosenObserver) << slot;
  }
}

TEST(ColourItems, DegenerateSpectraGiveNonFiniteQuantities) {
  for (double value :
       {0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    const Items items = itemsOf(std::vector<double>(401, value), solvane::kObserver10deg);
    for (int slot = 0; slot < solvane::kColourItems; ++slot) {
      const bool finite =
          slot == solvane::kItemCct || slot == solvane::kItemDominantWavelength ||
          (value == 0 && slot >= solvane::kItemTristimulusX && slot <= solvane::kItemTristimulusZ);
      EXPECT_EQ(std::isfinite(items[slot]), finite) << value << " slot " << slot;
    }
    // No hotter entry and no quadrant: the table's hot end and 380 nm.
    EXPECT_EQ(items[solvane::kItemCct], 21800);
    EXPECT_EQ(items[solvane::kItemDominantWavelength], 380);
  }
}

} // namespace
