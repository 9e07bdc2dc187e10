// QSP_ColorGetCRI: the CIE 13.3 procedure on 400 values at 1 nm.
#include "specsdk.h"

#include "cie/tables.h"
#include "colorimetry/planck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

double ra(const std::vector<float> &spectrum) {
  double result = -1;
  QSP_ColorGetCRI(spectrum.data(), &result);
  return result;
}

std::vector<float> planck400(double kelvin) {
  std::vector<float> s(400);
  colorimetry::samplePlanck(colorimetry::kReferencePlanck, kelvin, {3.8e-7, 1e-9, 400}, s.data());
  return s;
}

TEST(LibraryCri, PlanckAndDaylightSources) {
  // The test side holds each 5 nm table row over five 1 nm values while the
  // reference samples the rows at their own wavelengths: not 100.
  EXPECT_NEAR(ra(planck400(2856)), 97.7, 0.05);
  EXPECT_NEAR(ra(planck400(4000)), 98.5, 0.05);
  std::vector<float> d65(400);
  for (int j = 0; j < 400; ++j) {
    d65[j] = static_cast<float>(cie::illuminantD65.at(380 + j, 0));
  }
  EXPECT_NEAR(ra(d65), 98.0, 0.05);
}

TEST(LibraryCri, ReferenceSwitchesToDaylightAbove5000K) {
  // CCT 4995 and 5000 K take the Planckian reference, 5005 and 5010 K daylight.
  EXPECT_NEAR(ra(planck400(5002)), ra(planck400(4997)), 0.01);
  EXPECT_NEAR(ra(planck400(5012)), ra(planck400(5007)), 0.01);
  EXPECT_GT(std::fabs(ra(planck400(5002)) - ra(planck400(5007))), 0.5);
}

TEST(LibraryCri, LampsHeldOverTheirBinsMatchTheFiveNanometreProcedure) {
  // Each 5 nm value of F1..F12 held over its bin makes the test side the 5 nm
  // sums of CIE 13.3; Ra from data/cie/cri_F1_F12_computed.csv. F8 and F10
  // lie within 5 K of the switch to daylight and are left out.
  const double expected[12] = {75.8, 64.2, 56.7, 51.4, 71.7, 59.0, 90.2, 0, 90.3, 0, 82.8, 83.1};
  std::vector<float> lamp(400);
  for (int f = 0; f < 12; ++f) {
    for (int j = 0; j < 400; ++j) {
      lamp[j] = static_cast<float>(cie::illuminantsF1toF12.at(380 + 5 * (j / 5), f));
    }
    if (expected[f] != 0) {
      EXPECT_NEAR(ra(lamp), expected[f], 0.3) << "F" << f + 1;
    }
  }
}

TEST(LibraryCri, DegenerateSpectraGiveNonFiniteRa) {
  for (float value :
       {0.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    EXPECT_FALSE(std::isfinite(ra(std::vector<float>(400, value)))) << value;
  }
}

} // namespace
