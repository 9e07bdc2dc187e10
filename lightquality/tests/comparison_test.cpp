// Differences of a light against the first one: zero against itself, the
// sign of each figure, and no number where either light has none.
#include "lightquality/comparison.h"
#include "lightquality/reference.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace lightquality;

struct Light {
  Spectrum spectrum;
  double lux;
  LightQuality quality;
  MeasuredLight measured() const { return {&spectrum, lux, &quality}; }
};

Light light(const Spectrum &s, double lux) {
  return {s, lux, lightQuality(s, lux)};
}

Spectrum d65() {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    s[j] = cie::illuminantD65.at(kFirstNm + j, 0);
  }
  return s;
}

TEST(Comparison, LightAgainstItselfDiffersInNothing) {
  const Light a = light(planckianRadiator(2856), 500);
  const Comparison c = compareWithFirst(a.measured(), a.measured());
  EXPECT_EQ(c.illuminancePercent, 0);
  EXPECT_EQ(c.cctKelvin, 0);
  EXPECT_EQ(c.duv, 0);
  EXPECT_EQ(c.uvPrimeDistance, 0);
  EXPECT_EQ(c.ra, 0);
  EXPECT_EQ(c.rf, 0);
  EXPECT_EQ(c.ssi.value, 100);
  EXPECT_NEAR(c.tlmf.qa, 100, 1e-9);
}

TEST(Comparison, DaylightAgainstIncandescent) {
  const Light a = light(planckianRadiator(2856), 500);
  const Light d = light(d65(), 1000);
  const Comparison c = compareWithFirst(a.measured(), d.measured());
  EXPECT_DOUBLE_EQ(c.illuminancePercent, 100);
  EXPECT_NEAR(c.cctKelvin, d.quality.cct.kelvin - a.quality.cct.kelvin, 1e-9);
  EXPECT_GT(c.cctKelvin, 3600);
  EXPECT_NEAR(c.duv, d.quality.cct.duv - a.quality.cct.duv, 1e-12);
  // u′v′ of A (0.2560, 0.5243) and D65 (0.1978, 0.4683), CIE 15.
  EXPECT_NEAR(c.uvPrimeDistance, std::hypot(0.2560 - 0.1978, 0.5243 - 0.4683), 2e-4);
  EXPECT_EQ(c.ssi.value, spectralSimilarityIndex(d.spectrum, a.spectrum).value);
  EXPECT_LT(c.ssi.value, 70);
  // D65 matched to tungsten: far apart, the camera balanced on the first.
  EXPECT_EQ(c.tlmf.qa, luminaireMatchingFactor(d.spectrum, a.spectrum).qa);
  EXPECT_LT(c.tlmf.qa, 5);
  // The other way round every difference changes sign except the distance.
  const Comparison back = compareWithFirst(d.measured(), a.measured());
  EXPECT_DOUBLE_EQ(back.illuminancePercent, -50);
  EXPECT_DOUBLE_EQ(back.cctKelvin, -c.cctKelvin);
  EXPECT_DOUBLE_EQ(back.uvPrimeDistance, c.uvPrimeDistance);
}

TEST(Comparison, UndefinedFiguresStayUndefined) {
  Spectrum green{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double offset = (kFirstNm + j - 530) / 10.0;
    green[j] = std::exp(-offset * offset / 2);
  }
  const Light dark = light(planckianRadiator(3000), 0);
  const Light led = light(green, 100);
  const Comparison c = compareWithFirst(dark.measured(), led.measured());
  EXPECT_TRUE(std::isnan(c.illuminancePercent)); // no percentage of nothing
  EXPECT_TRUE(std::isnan(c.cctKelvin));          // the LED has no CCT
  EXPECT_TRUE(std::isnan(c.ra));
  EXPECT_TRUE(std::isnan(c.rf));
  EXPECT_GT(c.uvPrimeDistance, 0.1);
  EXPECT_FALSE(std::isnan(c.ssi.value));
  const Light none = light(Spectrum{}, 100);
  const Comparison fromNothing = compareWithFirst(none.measured(), dark.measured());
  EXPECT_TRUE(std::isnan(fromNothing.uvPrimeDistance));
  EXPECT_TRUE(std::isnan(fromNothing.ssi.value));
  EXPECT_FALSE(fromNothing.ssi.reason.empty());
}

} // namespace
