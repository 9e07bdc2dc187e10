// Spectra without these quantities give NaN and a reason, never a number:
// no light, non-finite values, a narrow-band source far from white, a CCT
// beyond CIE daylight; and the α-opic quantities of a record whose
// illuminance is 0, negative or missing. Also the seams of the fidelity
// reference, where a wrong blend would show as a jump; and the tables of the
// reference illuminants' sums against the direct sums of their spectra.
#include "lightquality/metrics.h"
#include "lightquality/reference.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace lightquality;

template <std::size_t N> bool allNaN(const std::array<double, N> &values) {
  for (double v : values) {
    if (!std::isnan(v)) {
      return false;
    }
  }
  return true;
}

void expectNoColourQuantities(const LightQuality &q) {
  EXPECT_FALSE(q.cct.defined());
  EXPECT_FALSE(q.cct.reason.empty());
  EXPECT_TRUE(std::isnan(q.rendering.ra));
  EXPECT_TRUE(allNaN(q.rendering.special));
  EXPECT_FALSE(q.rendering.reason.empty());
  EXPECT_TRUE(std::isnan(q.fidelity.rf));
  EXPECT_TRUE(std::isnan(q.fidelity.rg));
  EXPECT_TRUE(allNaN(q.fidelity.binFidelity));
  EXPECT_TRUE(allNaN(q.fidelity.binChromaShift));
  EXPECT_TRUE(allNaN(q.fidelity.sampleFidelity));
  EXPECT_FALSE(q.fidelity.reason.empty());
}

TEST(Degenerate, ZeroAndNonFiniteSpectraHaveNoQuantities) {
  const Spectrum zero{};
  Spectrum withNaN = planckianRadiator(3000);
  withNaN[200] = std::numeric_limits<double>::quiet_NaN();
  Spectrum withInfinity = planckianRadiator(3000);
  withInfinity[0] = std::numeric_limits<double>::infinity();
  Spectrum negative = planckianRadiator(3000);
  for (double &v : negative) {
    v = -v;
  }
  const std::array<const Spectrum *, 4> spectra{&zero, &withNaN, &withInfinity, &negative};
  for (const Spectrum *s : spectra) {
    const LightQuality q = lightQuality(*s, 500);
    expectNoColourQuantities(q);
    EXPECT_TRUE(std::isnan(q.cct.kelvin));
    EXPECT_TRUE(std::isnan(q.cct.duv));
    EXPECT_TRUE(allNaN(q.alphaOpic.irradiance));
    EXPECT_TRUE(allNaN(q.alphaOpic.edi));
    EXPECT_TRUE(allNaN(q.alphaOpic.der));
    EXPECT_FALSE(q.alphaOpic.reason.empty());
  }
}

TEST(Degenerate, NarrowBandSourceHasNoCctButAlphaOpicQuantities) {
  Spectrum green{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double offset = (kFirstNm + j - 530) / 10.0;
    green[j] = std::exp(-offset * offset / 2);
  }
  const LightQuality q = lightQuality(green, 100);
  expectNoColourQuantities(q);
  EXPECT_NE(q.rendering.reason.find("0.05"), std::string::npos) << q.rendering.reason;
  // The nearest locus point and the distance stay, marked as no CCT.
  EXPECT_TRUE(std::isfinite(q.cct.kelvin));
  EXPECT_GT(std::fabs(q.cct.duv), kMaximumAbsDuv);
  // A green source drives the melanopic channel harder per lux than daylight
  // does; the values exist and follow the illuminance.
  EXPECT_TRUE(q.alphaOpic.reason.empty());
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    EXPECT_GT(q.alphaOpic.irradiance[c], 0);
    EXPECT_DOUBLE_EQ(q.alphaOpic.edi[c], 100 * q.alphaOpic.der[c]);
  }
}

TEST(Degenerate, CctAboveDaylightRangeHasNoIndices) {
  const LightQuality q = lightQuality(planckianRadiator(40000), 100);
  EXPECT_GT(q.cct.kelvin, 25000);
  EXPECT_TRUE(std::isnan(q.rendering.ra));
  EXPECT_NE(q.rendering.reason.find("25000 K"), std::string::npos);
  EXPECT_TRUE(std::isnan(q.fidelity.rf));
  EXPECT_NE(q.fidelity.reason.find("25000 K"), std::string::npos);
}

TEST(Degenerate, IlluminanceZeroNegativeOrMissing) {
  const Spectrum a = planckianRadiator(2856);
  const AlphaOpic dark = alphaOpic(a, 0);
  EXPECT_TRUE(dark.reason.empty());
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    EXPECT_EQ(dark.irradiance[c], 0);
    EXPECT_EQ(dark.edi[c], 0);
    EXPECT_GT(dark.der[c], 0); // a property of the spectrum's shape
  }
  for (double bad :
       {-1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    const AlphaOpic q = alphaOpic(a, bad);
    EXPECT_TRUE(allNaN(q.irradiance)) << bad;
    EXPECT_TRUE(allNaN(q.edi)) << bad;
    EXPECT_FALSE(q.reason.empty()) << bad;
    EXPECT_GT(q.der[kMelanopic], 0) << bad;
  }
}

TEST(FidelityReference, ContinuousAtBothSeamsOfTheBlend) {
  for (double seam : {4000.0, 5000.0}) {
    const colorimetry::UV below =
        colorimetry::cie1960(tristimulus(fidelityReference(seam - 1e-6), cie::cmf1931_2deg));
    const colorimetry::UV above =
        colorimetry::cie1960(tristimulus(fidelityReference(seam + 1e-6), cie::cmf1931_2deg));
    EXPECT_NEAR(below.u, above.u, 1e-9) << seam;
    EXPECT_NEAR(below.v, above.v, 1e-9) << seam;
  }
}

TEST(FidelityReference, ReferenceItselfScoresFullFidelityInEveryBin) {
  const CorrelatedColourTemperature at4500{4500, 0, {}};
  const ColourFidelity f = colourFidelity(fidelityReference(4500), at4500);
  const double perfect = 10 * std::log(std::exp(10.0) + 1); // ΔE = 0
  EXPECT_NEAR(f.rf, perfect, 1e-9);
  EXPECT_NEAR(f.rg, 100, 1e-9);
  for (int j = 0; j < kHueBins; ++j) {
    EXPECT_NEAR(f.binFidelity[j], perfect, 1e-9);
    EXPECT_NEAR(f.binChromaShift[j], 0, 1e-12);
    EXPECT_NEAR(f.binHueShift[j], 0, 1e-12);
  }
  for (double r : f.sampleFidelity) {
    EXPECT_NEAR(r, perfect, 1e-9);
  }
}

// The CIE 1964 and CIE 1931 tristimulus values, the sums the indices make.
constexpr int kProbeColumns = 6;
void probeSums(const Spectrum &s, double *out) {
  const colorimetry::Tristimulus wide = tristimulus(s, cie::cmf1964_10deg);
  const colorimetry::Tristimulus narrow = tristimulus(s, cie::cmf1931_2deg);
  const double values[kProbeColumns] = {wide.X, wide.Y, wide.Z, narrow.X, narrow.Y, narrow.Z};
  std::copy(values, values + kProbeColumns, out);
}

// The largest relative difference of the tabled sums from the direct sums
// of the spectrum divided by its CIE 1931 Y.
double largestRelativeError(const double *tabled, const Spectrum &spectrum) {
  double direct[kProbeColumns];
  probeSums(spectrum, direct);
  double largest = 0;
  for (int c = 0; c < kProbeColumns; ++c) {
    const double exact = direct[c] / direct[4];
    largest = std::max(largest, std::fabs(tabled[c] - exact) / exact);
  }
  return largest;
}

TEST(ReferenceSums, DaylightEqualsTheSumsOfItsSpectrum) {
  for (auto interpolation : {DaylightInterpolation::kLinear, DaylightInterpolation::kSprague}) {
    const ReferenceSums tables(kProbeColumns, probeSums, interpolation);
    for (double kelvin : {4000.0, 5000.0, 6500.0, 9300.0, 25000.0}) {
      double tabled[kProbeColumns];
      tables.daylight(kelvin, tabled);
      EXPECT_LT(largestRelativeError(tabled, cieDaylight(kelvin, interpolation)), 1e-14) << kelvin;
    }
  }
}

// Midway between two entries is where the Hermite curve strays furthest;
// below and above the table the sums are the direct ones.
TEST(ReferenceSums, PlanckianTableStaysWithinRoundingOfTheDirectSums) {
  const ReferenceSums tables(kProbeColumns, probeSums, DaylightInterpolation::kSprague);
  double worst = 0;
  for (int entry = 0; entry < 161; ++entry) {
    const double kelvin = 1000 * std::exp(0.01 * (entry + 0.5));
    double tabled[kProbeColumns];
    tables.planckian(kelvin, tabled);
    worst = std::max(worst, largestRelativeError(tabled, planckianRadiator(kelvin)));
  }
  EXPECT_LT(worst, 1e-12); // 1.3e-13 measured; a term left out shows at 1e-9 or more
  for (double kelvin : {900.0, 5000.0, 6000.0}) {
    double tabled[kProbeColumns];
    tables.planckian(kelvin, tabled);
    EXPECT_LT(largestRelativeError(tabled, planckianRadiator(kelvin)), 1e-13) << kelvin;
  }
}

} // namespace
