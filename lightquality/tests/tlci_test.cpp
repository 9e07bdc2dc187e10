// The television figures' own checks where the verification sources do not
// reach: Planckian lights below 3400 K score 100 whatever their radiation
// constant, the score crosses 50 at ΔEa 3.16, a light matches itself at any
// scale, a colour cast counts against TLMF, and lights without a defined
// figure (no light, a single line, a saturated colour, values that are not
// numbers, a light the camera does not see) give NaN with a reason.
#include "lightquality/reference.h"
#include "lightquality/tlci.h"

#include "../src/television_camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace lightquality;

// A Gaussian line of the given width around `nm`.
Spectrum line(double nm, double width) {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double offset = (kFirstNm + j - nm) / width;
    s[j] = std::exp(-offset * offset / 2);
  }
  return s;
}

// A Planckian radiator with the television figures' c2 = 1.435e-2 m·K: the
// shape of the CIE 15 radiator at T·1.4388/1.435.
Spectrum olderPlanck(double kelvin) {
  return planckianRadiator(kelvin * 1.4388 / 1.435);
}

void expectUndefined(const TelevisionLightingConsistency &t, const std::string &why) {
  EXPECT_TRUE(std::isnan(t.qa) && std::isnan(t.deltaE) && std::isnan(t.cctKelvin) &&
              std::isnan(t.distance));
  EXPECT_NE(t.reason.find(why), std::string::npos) << t.reason;
  EXPECT_FALSE(t.caution());
}

TEST(Tlci, PlanckianLightsBelow3400KScore100) {
  for (double kelvin : {2000.0, 2848.0, 3200.0, 3390.0}) {
    SCOPED_TRACE(kelvin);
    const TelevisionLightingConsistency t = televisionLightingConsistency(olderPlanck(kelvin));
    EXPECT_NEAR(t.qa, 100, 1e-6);
    EXPECT_NEAR(t.cctKelvin, kelvin, 0.01);
    EXPECT_EQ(t.reference, TlciReference::kPlanck);
    EXPECT_LT(t.distance, 0.01);
    EXPECT_TRUE(t.reason.empty());
  }
  const TelevisionLightingConsistency a = televisionLightingConsistency(illuminantASpectrum());
  EXPECT_NEAR(a.qa, 100, 1e-6);
  // The blend and daylight references are other spectra.
  EXPECT_EQ(televisionLightingConsistency(olderPlanck(4200)).reference, TlciReference::kBlend);
  EXPECT_LT(televisionLightingConsistency(olderPlanck(4200)).qa, 100);
}

TEST(Tlci, ScoreIsHalfAtTheDefinedDifference) {
  EXPECT_DOUBLE_EQ(television::qualityFromDifference(3.16), 50);
  EXPECT_DOUBLE_EQ(television::qualityFromDifference(0), 100);
  EXPECT_GT(television::qualityFromDifference(1), television::qualityFromDifference(2));
}

TEST(Tlci, DifferenceOfPublishedPairs) {
  // Pairs of the CIEDE2000 test data (Sharma, Wu and Dalal 2005): across the
  // hue wrap at 0°, a neutral colour, and the blue region's rotation term.
  struct Pair {
    television::Lab first, second;
    double expected;
  };
  const Pair pairs[] = {
      {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
      {{50, 0, 0}, {50, -1, 2}, 2.3669},
      {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
      {{22.7233, 20.0904, -46.694}, {23.0331, 14.973, -42.5619}, 2.0373},
  };
  for (const Pair &p : pairs) {
    EXPECT_NEAR(television::ciede2000(p.first, p.second), p.expected, 1e-4);
    EXPECT_NEAR(television::ciede2000(p.second, p.first), p.expected, 1e-4);
  }
}

TEST(Tlmf, ALightMatchesItselfAtAnyScaleButNotACast) {
  Spectrum f2 = line(450, 20);
  for (int j = 0; j < kSpectrumValues; ++j) {
    f2[j] += 0.5 * line(610, 30)[j];
  }
  Spectrum dimmer = f2;
  for (double &v : dimmer) {
    v *= 0.01;
  }
  const LuminaireMatching self = luminaireMatchingFactor(dimmer, f2);
  EXPECT_NEAR(self.qa, 100, 1e-9);
  EXPECT_NEAR(self.deltaE, 0, 1e-9);
  EXPECT_TRUE(self.reason.empty());
  // The camera stays balanced on the reference: a warmer test is off.
  EXPECT_LT(luminaireMatchingFactor(olderPlanck(3000), olderPlanck(3200)).qa, 90);
  EXPECT_GT(luminaireMatchingFactor(olderPlanck(3150), olderPlanck(3200)).qa,
            luminaireMatchingFactor(olderPlanck(3000), olderPlanck(3200)).qa);
}

TEST(Tlci, LightsWithoutAFigureGiveReasons) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  Spectrum withNaN = olderPlanck(3000);
  withNaN[200] = kNaN;
  expectUndefined(televisionLightingConsistency(Spectrum{}), "no light");
  expectUndefined(televisionLightingConsistency(withNaN), "not finite");
  // A single line on the camera grid, and a saturated red.
  expectUndefined(televisionLightingConsistency(line(550, 0.3)), "Planckian locus");
  expectUndefined(televisionLightingConsistency(line(630, 10)), "Planckian locus");
  // Light only above the camera's 760 nm.
  Spectrum deepRed{};
  for (int nm = 765; nm <= kLastNm; ++nm) {
    deepRed[nm - kFirstNm] = 1;
  }
  expectUndefined(televisionLightingConsistency(deepRed), "three channels");
  // Far bluer than the daylight locus reaches.
  expectUndefined(televisionLightingConsistency(planckianRadiator(40000)), "4000-25000 K");

  const LuminaireMatching noReference = luminaireMatchingFactor(olderPlanck(3000), Spectrum{});
  EXPECT_TRUE(std::isnan(noReference.qa) && std::isnan(noReference.deltaE));
  EXPECT_NE(noReference.reason.find("reference luminaire"), std::string::npos);
  const LuminaireMatching blind = luminaireMatchingFactor(deepRed, illuminantD65Spectrum());
  EXPECT_TRUE(std::isnan(blind.qa));
  EXPECT_EQ(blind.reason.find("reference"), std::string::npos);
  EXPECT_NE(blind.reason.find("three channels"), std::string::npos);
}

TEST(Tlci, CautionBeyondUnitDistance) {
  // Planck light pulled towards green: the CCT stays, d grows past 1.
  Spectrum greenish = olderPlanck(3000);
  const Spectrum green = line(540, 15);
  for (int j = 0; j < kSpectrumValues; ++j) {
    greenish[j] += 0.25 * green[j] * greenish[200];
  }
  const TelevisionLightingConsistency t = televisionLightingConsistency(greenish);
  EXPECT_GT(t.distance, 1);
  EXPECT_TRUE(t.caution());
  EXPECT_FALSE(std::isnan(t.qa));
}

} // namespace
