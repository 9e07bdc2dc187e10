// The record tristimulus routine: sample counts, observers, and the CIE
// chromaticities of illuminants A and D65 from the 1 nm tables.
#include "reference_spectra.h"
#include "solvane/colour/tristimulus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using colorimetry::Tristimulus;
using solvane::tristimulus;

bool identical(const Tristimulus &a, const Tristimulus &b) {
  return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

TEST(RecordTristimulus, SampleCounts) {
  std::vector<double> s401(401);
  for (int i = 0; i < 401; ++i) {
    s401[i] = 1.0 + 0.5 * std::sin(i / 37.0);
  }
  for (int observer : {solvane::kObserver2deg, solvane::kObserver10deg}) {
    // 81 and 41 values take every fifth and tenth 1 nm row: the same sums as
    // 401 values holding them there and 0 in between.
    for (int step : {5, 10}) {
      std::vector<double> coarse, spread(401, 0.0);
      for (int k = 0; k * step <= 400; ++k) {
        coarse.push_back(spread[k * step] = s401[k * step]);
      }
      EXPECT_TRUE(identical(tristimulus(coarse.data(), static_cast<int>(coarse.size()), observer),
                            tristimulus(spread.data(), 401, observer)));
    }
  }
  std::vector<double> s701(701, 0.0);
  std::copy(s401.begin(), s401.end(), s701.begin() + 80);
  EXPECT_TRUE(identical(tristimulus(s701.data(), 701, 0), tristimulus(s401.data(), 401, 0)));
  const Tristimulus s400 = tristimulus(s401.data(), 400, 0);
  s401[400] = 0.0;
  EXPECT_TRUE(identical(s400, tristimulus(s401.data(), 401, 0)));
  for (int count : {-1, 0, 80, 100, 402}) {
    EXPECT_TRUE(identical(tristimulus(s701.data(), count, 0), Tristimulus())) << count;
  }
}

TEST(RecordTristimulus, IlluminantChromaticitiesMatchTheCie) {
  const auto published =
      solvane_reference::referenceValues(SUITE_DATA_DIR "/cie/reference_values.csv");
  ASSERT_FALSE(published.empty());
  for (const auto &[name, table] :
       {std::pair{"A", &cie::illuminantA}, std::pair{"D65", &cie::illuminantD65}}) {
    const Tristimulus t = tristimulus(solvane_reference::illuminant1nm(*table).data(), 401, 0);
    EXPECT_NEAR(t.X / (t.X + t.Y + t.Z), published.at(std::string(name) + "/x"), 1e-4) << name;
    EXPECT_NEAR(t.Y / (t.X + t.Y + t.Z), published.at(std::string(name) + "/y"), 1e-4) << name;
  }
}

} // namespace
