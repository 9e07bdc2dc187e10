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

std::vector<double> spectrum1nm(int count) {
  std::vector<double> s(count);
  for (int i = 0; i < count; ++i) {
    s[i] = 1.0 + 0.5 * std::sin(i / 37.0) + i / 400.0;
  }
  return s;
}

void expectIdentical(const Tristimulus& a, const Tristimulus& b) {
  EXPECT_EQ(a.X, b.X);
  EXPECT_EQ(a.Y, b.Y);
  EXPECT_EQ(a.Z, b.Z);
}

// The 401-value spectrum that holds `coarse` at every `step`-th value and 0
// in between, whose sums must equal those of `coarse`.
std::vector<double> spread(const std::vector<double>& coarse, int step) {
  std::vector<double> fine(401, 0.0);
  for (size_t k = 0; k < coarse.size(); ++k) {
    fine[k * step] = coarse[k];
  }
  return fine;
}

TEST(RecordTristimulus, CoarseGridsUseEveryFifthOrTenthRow) {
  for (int observer : {solvane::kObserver2deg, solvane::kObserver10deg}) {
    const std::vector<double> s81 = spectrum1nm(81);
    const std::vector<double> s41 = spectrum1nm(41);
    expectIdentical(tristimulus(s81.data(), 81, observer),
                    tristimulus(spread(s81, 5).data(), 401, observer));
    expectIdentical(tristimulus(s41.data(), 41, observer),
                    tristimulus(spread(s41, 10).data(), 401, observer));
  }
}

TEST(RecordTristimulus, OneNanometreGridsUseEveryValue) {
  std::vector<double> s401 = spectrum1nm(401);
  std::vector<double> s701(701, 0.0);
  std::copy(s401.begin(), s401.end(), s701.begin() + 80);
  expectIdentical(tristimulus(s701.data(), 701, 0), tristimulus(s401.data(), 401, 0));

  const std::vector<double> s400(s401.begin(), s401.end() - 1);
  s401[400] = 0.0;
  expectIdentical(tristimulus(s400.data(), 400, 0), tristimulus(s401.data(), 401, 0));

  // Unlike the library, values between the 5 nm rows count.
  std::vector<double> perturbed = s401;
  perturbed[1] += 1.0;
  EXPECT_GT(tristimulus(perturbed.data(), 401, 0).X, tristimulus(s401.data(), 401, 0).X);
}

TEST(RecordTristimulus, UnsupportedCountsGiveZero) {
  const std::vector<double> ones(1000, 1.0);
  for (int count : {-1, 0, 80, 100, 402}) {
    const Tristimulus t = tristimulus(ones.data(), count, 0);
    EXPECT_EQ(t.X + t.Y + t.Z, 0.0) << count;
  }
}

TEST(RecordTristimulus, ObserverSettingChoosesTheTable) {
  EXPECT_EQ(solvane::observerSetting(), solvane::kObserver2deg); // initial value
  const std::vector<double> s = spectrum1nm(401);
  solvane::setObserver(solvane::kObserver10deg);
  expectIdentical(tristimulus(s.data(), 401), tristimulus(s.data(), 401, solvane::kObserver10deg));
  solvane::setObserver(solvane::kObserver2deg);
  expectIdentical(tristimulus(s.data(), 401), tristimulus(s.data(), 401, solvane::kObserver2deg));
  // ȳ10 differs from ȳ, so the observers give different sums.
  EXPECT_NE(tristimulus(s.data(), 401, 0).Y, tristimulus(s.data(), 401, 1).Y);
}

TEST(RecordTristimulus, IlluminantChromaticitiesMatchTheCie) {
  const auto published = solvane_reference::referenceValues(SUITE_DATA_DIR
                                                            "/cie/reference_values.csv");
  ASSERT_FALSE(published.empty());
  const struct {
    const char* name;
    const cie::Table* table;
  } cases[] = {{"A", &cie::illuminantA}, {"D65", &cie::illuminantD65}};
  for (const auto& c : cases) {
    const std::vector<double> s = solvane_reference::illuminant1nm(*c.table);
    const Tristimulus t = tristimulus(s.data(), 401, solvane::kObserver2deg);
    const std::string name = c.name;
    EXPECT_NEAR(t.X / (t.X + t.Y + t.Z), published.at(name + "/x"), 1e-4) << name;
    EXPECT_NEAR(t.Y / (t.X + t.Y + t.Z), published.at(name + "/y"), 1e-4) << name;
  }
}

} // namespace
