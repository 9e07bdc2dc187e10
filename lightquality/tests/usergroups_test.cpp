// The user-group figures where the verification sources do not reach: no
// light, values that are not numbers, an illuminance of 0 or below, an
// empty far-red band, and the exact values of the closed-form figures
// (exposure, shutter times, mired shift). None of them may give a number
// where there is none.
#include "lightquality/usergroups.h"
#include "lightquality/camera_stops.h"
#include "lightquality/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace lightquality;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A narrow blue source with no light at all above 520 nm.
Spectrum blueLed() {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const int nm = kFirstNm + j;
    const double offset = (nm - 450) / 10.0;
    s[j] = nm <= 520 ? std::exp(-offset * offset / 2) : 0.0;
  }
  return s;
}

TEST(UserGroups, SpectraWithoutLightOrNumbersHaveNoFigures) {
  Spectrum withNaN = planckianRadiator(3000);
  withNaN[100] = kNaN;
  Spectrum onlyDeepRed{}; // light above 675 nm only: nothing for the SSI
  for (int nm = 700; nm <= kLastNm; ++nm) {
    onlyDeepRed[nm - kFirstNm] = 1;
  }
  for (const Spectrum &s : {Spectrum{}, withNaN}) {
    const UserGroupFigures f = userGroupFigures(s, 500);
    EXPECT_TRUE(std::isnan(f.ssiPlanck3200.value));
    EXPECT_TRUE(std::isnan(f.ssiDaylight5600.value));
    EXPECT_FALSE(f.ssiPlanck3200.reason.empty());
    EXPECT_TRUE(std::isnan(f.photon.ppfd) && std::isnan(f.photon.pfdFarRed) &&
                std::isnan(f.photon.redFarRed));
    EXPECT_FALSE(f.photon.reason.empty());
    EXPECT_TRUE(std::isnan(f.scotopic.value));
    EXPECT_FALSE(f.scotopic.reason.empty());
    // Exposure rests on the illuminance alone.
    EXPECT_NEAR(f.exposure.ev100, std::log2(200.0), 1e-12);
  }
  const SimilarityIndex deepRed = spectralSimilarityIndex(onlyDeepRed, planckianRadiator(3200));
  EXPECT_TRUE(std::isnan(deepRed.value));
  EXPECT_NE(deepRed.reason.find("375 and 675 nm"), std::string::npos);
  const SimilarityIndex noReference = spectralSimilarityIndex(planckianRadiator(3200), Spectrum{});
  EXPECT_TRUE(std::isnan(noReference.value));
  EXPECT_NE(noReference.reason.find("reference"), std::string::npos);
}

TEST(UserGroups, IlluminanceZeroNegativeOrMissing) {
  const Spectrum a = planckianRadiator(2856);
  const PhotonQuantities dark = photonQuantities(a, 0);
  EXPECT_EQ(dark.ppfd, 0);
  EXPECT_EQ(dark.pfdFarRed, 0);
  EXPECT_TRUE(std::isnan(dark.redFarRed));
  EXPECT_FALSE(dark.reason.empty());
  const Exposure none = exposureAtIso100(0);
  EXPECT_TRUE(std::isnan(none.ev100));
  EXPECT_FALSE(none.reason.empty());
  for (double bad : {-1.0, kNaN, std::numeric_limits<double>::infinity()}) {
    const PhotonQuantities q = photonQuantities(a, bad);
    EXPECT_TRUE(std::isnan(q.ppfd) && std::isnan(q.pfdFarRed) && std::isnan(q.redFarRed)) << bad;
    EXPECT_FALSE(q.reason.empty()) << bad;
    EXPECT_TRUE(std::isnan(exposureAtIso100(bad).ev100)) << bad;
  }
  // The shape-only figures stay.
  EXPECT_EQ(userGroupFigures(a, 0).ssiPlanck3200.value,
            userGroupFigures(a, 800).ssiPlanck3200.value);
  EXPECT_EQ(userGroupFigures(a, 0).scotopic.value, userGroupFigures(a, 800).scotopic.value);
}

TEST(UserGroups, EmptyFarRedBandGivesNoRatioButFluxes) {
  const PhotonQuantities q = photonQuantities(blueLed(), 100);
  EXPECT_GT(q.ppfd, 0);
  EXPECT_EQ(q.pfdFarRed, 0);
  EXPECT_TRUE(std::isnan(q.redFarRed));
  EXPECT_NE(q.reason.find("725 and 735 nm"), std::string::npos);
}

TEST(UserGroups, PhotonFluxesFollowTheIlluminance) {
  const Spectrum d = ssiDaylightReference(6500);
  const PhotonQuantities at1000 = photonQuantities(d, 1000);
  const PhotonQuantities at250 = photonQuantities(d, 250);
  EXPECT_NEAR(at250.ppfd * 4, at1000.ppfd, 1e-9);
  EXPECT_NEAR(at250.pfdFarRed * 4, at1000.pfdFarRed, 1e-9);
  EXPECT_DOUBLE_EQ(at250.redFarRed, at1000.redFarRed);
}

TEST(UserGroups, SimilarityIgnoresScaleAndRanksCloserLights) {
  const Spectrum warm = planckianRadiator(3200);
  Spectrum brighter = warm;
  for (double &v : brighter) {
    v *= 1e6;
  }
  EXPECT_EQ(spectralSimilarityIndex(brighter, warm).value, 100);
  const double near = spectralSimilarityIndex(planckianRadiator(3300), warm).value;
  const double far = spectralSimilarityIndex(planckianRadiator(5000), warm).value;
  EXPECT_LT(near, 100);
  EXPECT_LT(far, near);
  EXPECT_EQ(near, std::round(near));
  // A narrow green LED against a broad reference lies beyond the scale's
  // far end (the formula gives about -90): 0, not a negative index.
  Spectrum green{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double offset = (kFirstNm + j - 530) / 8.0;
    green[j] = std::exp(-offset * offset / 2);
  }
  EXPECT_EQ(spectralSimilarityIndex(green, warm).value, 0);
}

TEST(UserGroups, ExposureShutterAndMiredInClosedForm) {
  // Ev·100/250 = 2^EV: 2.5 lx is EV 0, 640 lx EV 8.
  EXPECT_DOUBLE_EQ(exposureAtIso100(2.5).ev100, 0);
  EXPECT_DOUBLE_EQ(exposureAtIso100(640).ev100, 8);
  EXPECT_TRUE(exposureAtIso100(640).reason.empty());
  EXPECT_DOUBLE_EQ(exposureValue(8, 400), 10);
  EXPECT_DOUBLE_EQ(exposureValue(8, 800), 11);
  EXPECT_DOUBLE_EQ(shutterSeconds(6, 8), 1);         // f/8, 1 s at EV 6
  EXPECT_DOUBLE_EQ(shutterSeconds(10, 4), 1 / 64.0); // f/4 at EV 10
  // Tungsten to daylight needs a blue filter (negative), the reverse an
  // orange one of the same size.
  EXPECT_NEAR(miredShift(3200, 5600), 1e6 / 5600 - 1e6 / 3200, 1e-9);
  EXPECT_LT(miredShift(3200, 5600), 0);
  EXPECT_DOUBLE_EQ(miredShift(5600, 3200), -miredShift(3200, 5600));
  for (double bad : {0.0, -3200.0, kNaN}) {
    EXPECT_TRUE(std::isnan(miredShift(bad, 5600))) << bad;
    EXPECT_TRUE(std::isnan(miredShift(3200, bad))) << bad;
  }
}

TEST(UserGroups, ExposureInTheCamerasThirdStops) {
  // f/4 at EV 10 is 1/64 s exactly: the camera's 1/60; 1/95 s lies between
  // its 1/80 and 1/100, nearer 1/100 in stops.
  EXPECT_STREQ(nominalShutterSpeed(shutterSeconds(10, 4))->nominal, "1/60");
  EXPECT_STREQ(nominalShutterSpeed(1 / 95.0)->nominal, "1/100");
  EXPECT_STREQ(nominalShutterSpeed(0.3)->nominal, "0.3");
  EXPECT_STREQ(nominalShutterSpeed(1)->nominal, "1");
  EXPECT_STREQ(nominalShutterSpeed(1 / 8000.0)->nominal, "1/8000");
  EXPECT_STREQ(nominalShutterSpeed(31)->nominal, "30");
  EXPECT_DOUBLE_EQ(nominalShutterSpeed(1 / 120.0)->exact, 1 / 128.0);
  // Beyond the ends, or no time at all: none.
  for (double beyond : {1 / 20000.0, 60.0, 0.0, -1.0, kNaN}) {
    EXPECT_EQ(nominalShutterSpeed(beyond), nullptr) << beyond;
  }
  const std::vector<CameraSetting> &apertures = thirdStopApertures();
  ASSERT_EQ(apertures.size(), 16u);
  EXPECT_STREQ(apertures.front().nominal, "2.8");
  EXPECT_STREQ(apertures[6].nominal, "5.6");
  EXPECT_DOUBLE_EQ(apertures.back().exact, 16);
  // Each mark is its exact value rounded as lenses round it.
  for (const CameraSetting &a : apertures) {
    EXPECT_NEAR(std::stod(a.nominal), a.exact, 0.08 * a.exact) << a.nominal;
  }
}

} // namespace

namespace {

TEST(UserGroups, SpectralIrradianceGivesBackItsIlluminance) {
  const lightquality::Spectrum a = lightquality::planckianRadiator(2856);
  for (double lux : {0.0, 1.0, 523.25}) {
    const lightquality::Spectrum ee = lightquality::spectralIrradiance(a, lux);
    EXPECT_NEAR(lightquality::illuminanceOfIrradiance(ee), lux, 1e-12 * (1 + lux));
  }
  // 1 lx of light at 555 nm alone is 1/683.002 W/m² (V = 1 there, to the table's digits).
  lightquality::Spectrum line{};
  line[555 - lightquality::kFirstNm] = 7;
  EXPECT_NEAR(lightquality::spectralIrradiance(line, 1)[555 - lightquality::kFirstNm],
              1 / 683.002, 1e-8);
  for (double lux : {-1.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_TRUE(std::isnan(lightquality::spectralIrradiance(a, lux)[0]));
  }
  EXPECT_TRUE(std::isnan(lightquality::spectralIrradiance(lightquality::Spectrum{}, 10)[200]));
}

} // namespace
