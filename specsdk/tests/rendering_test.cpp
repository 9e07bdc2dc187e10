// QSP_ColorGetCRI: the CIE 13.3 procedure as the library runs it on 400
// values at 1 nm.
#include "specsdk.h"
#include "spectra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

double ra(const std::vector<float>& spectrum) {
  double result = -1;
  QSP_ColorGetCRI(spectrum.data(), &result);
  return result;
}

TEST(LibraryCri, PlanckAndDaylightSources) {
  // The test side holds each 5 nm table row over five 1 nm values while the
  // reference samples the rows at their own wavelengths, so a Planckian
  // source does not reach 100.
  EXPECT_NEAR(ra(specsdk_test::planckSpectrum(2856, 1, 400)), 97.7, 0.05);
  EXPECT_NEAR(ra(specsdk_test::planckSpectrum(4000, 1, 400)), 98.5, 0.05);
  EXPECT_NEAR(ra(specsdk_test::tabulated(cie::illuminantD65, 380, 400)), 98.0, 0.05);
}

TEST(LibraryCri, ReferenceSwitchesToDaylightAbove5000K) {
  // Planckian sources whose CCT is 4995 and 5000 K are compared with a
  // Planckian radiator, those at 5005 and 5010 K with daylight: Ra is
  // smooth on either side and steps where the reference changes.
  const double planck4995 = ra(specsdk_test::planckSpectrum(4997, 1, 400));
  const double planck5000 = ra(specsdk_test::planckSpectrum(5002, 1, 400));
  const double daylight5005 = ra(specsdk_test::planckSpectrum(5007, 1, 400));
  const double daylight5010 = ra(specsdk_test::planckSpectrum(5012, 1, 400));
  EXPECT_NEAR(planck5000, planck4995, 0.01);
  EXPECT_NEAR(daylight5010, daylight5005, 0.01);
  EXPECT_GT(std::fabs(planck5000 - daylight5005), 0.5);
}

// R1..R8 and Ra of the CIE 13.3 procedure at 5 nm for F1..F12, computed for
// data/cie/cri_F1_F12_computed.csv.
std::map<std::string, double> computedFluorescentRa() {
  std::map<std::string, double> ra;
  std::ifstream in(SUITE_DATA_DIR "/cie/cri_F1_F12_computed.csv");
  std::string line;
  std::getline(in, line); // illuminant,CCT_K,DC_uv,Ra,...
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string name, cct, dcuv, value;
    std::getline(fields, name, ',');
    std::getline(fields, cct, ',');
    std::getline(fields, dcuv, ',');
    std::getline(fields, value, ',');
    ra[name] = std::stod(value);
  }
  return ra;
}

TEST(LibraryCri, FluorescentLampsHeldOverTheirBinsMatchTheFiveNanometreProcedure) {
  // Each 5 nm value held over its five 1 nm values makes the test side the
  // 5 nm CIE 13.3 sums. What remains is the 5 K rounding of the CCT and, above
  // 5000 K, the 10 nm daylight reference. F8 and F10 lie within 5 K of the
  // switch to daylight and are left out.
  const std::map<std::string, double> expected = computedFluorescentRa();
  ASSERT_EQ(expected.size(), 12u);
  std::vector<float> lamp(400);
  for (int column = 0; column < 12; ++column) {
    const std::string name = "F" + std::to_string(column + 1);
    if (name == "F8" || name == "F10") {
      continue;
    }
    for (int j = 0; j < 400; ++j) {
      lamp[j] = static_cast<float>(cie::illuminantsF1toF12.at(380 + 5 * (j / 5), column));
    }
    EXPECT_NEAR(ra(lamp), expected.at(name), 0.3) << name;
  }
}

TEST(LibraryCri, DegenerateSpectraGiveNonFiniteRa) {
  EXPECT_FALSE(std::isfinite(ra(std::vector<float>(400, 0.0f))));
  EXPECT_FALSE(std::isfinite(ra(std::vector<float>(400, std::numeric_limits<float>::quiet_NaN()))));
  EXPECT_FALSE(std::isfinite(ra(std::vector<float>(400, std::numeric_limits<float>::infinity()))));
}

} // namespace
