// Planck radiators, the locus entry, CIE daylight and the CIE 13.3 steps,
// checked against physics and the published CIE figures rather than against
// restatements of the formulas.
#include "colorimetry/daylight.h"
#include "colorimetry/planck.h"
#include "colorimetry/rendering.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace colorimetry;

constexpr PlanckConstants kPlanck = kReferencePlanck;

// CIE 1931 2° sums of 81 values at 5 nm from 380 nm.
Tristimulus sums5nm(const double* s) {
  Tristimulus t;
  for (int k = 0; k < 81; ++k) {
    const double* cmf = cie::cmf1931_2deg.row(380 + 5 * k);
    t.X += s[k] * cmf[0];
    t.Y += s[k] * cmf[1];
    t.Z += s[k] * cmf[2];
  }
  return t;
}

LocusEntry entryAt(double kelvin) { return planckLocusEntry<double>(kPlanck, kelvin, sums5nm); }

TEST(Planck, PeakFollowsWiensDisplacementLaw) {
  for (double kelvin : {4000.0, 5000.0, 6500.0}) {
    const double peak = 2.897772e-3 / kelvin;
    const double h = 1e-9;
    EXPECT_GT(planckExitance(kPlanck, peak, kelvin), planckExitance(kPlanck, peak - h, kelvin));
    EXPECT_GT(planckExitance(kPlanck, peak, kelvin), planckExitance(kPlanck, peak + h, kelvin));
  }
}

TEST(Planck, TemperatureDerivativeMatchesFiniteDifferences) {
  for (double kelvin : {1800.0, 2856.0, 6500.0, 20000.0}) {
    for (double lambda : {3.8e-7, 5.55e-7, 7.8e-7}) {
      const double h = kelvin * 1e-5;
      const double difference = (planckExitance(kPlanck, lambda, kelvin + h) -
                                 planckExitance(kPlanck, lambda, kelvin - h)) /
                                (2 * h);
      const double derivative = planckTemperatureDerivative(kPlanck, lambda, kelvin);
      EXPECT_NEAR(derivative / difference, 1.0, 1e-6) << kelvin << " K, " << lambda << " m";
    }
  }
}

TEST(Planck, SamplesAccumulateTheWavelengthStep) {
  std::vector<float> s(81);
  samplePlanck(kPlanck, 3000, kVisible5nm, s.data());
  double lambda = 3.8e-7;
  for (int i = 0; i < 80; ++i) {
    lambda += 5e-9;
  }
  EXPECT_EQ(s[80], static_cast<float>(planckExitance(kPlanck, lambda, 3000)));
}

TEST(PlanckianLocus, KnownChromaticities) {
  // Illuminant A is a Planckian radiator of 2856 K; CIE 15:2004 Table T.3
  // gives its (u, v) from 5 nm sums.
  const LocusEntry a = entryAt(2856);
  EXPECT_NEAR(a.u, 0.25597, 2e-5);
  EXPECT_NEAR(a.v, 0.34954, 2e-5);
}

TEST(PlanckianLocus, IsotemperatureSlopeIsNormalToTheLocus) {
  for (double kelvin : {1800.0, 2856.0, 5000.0, 10000.0, 40000.0}) {
    const LocusEntry below = entryAt(kelvin - 0.5);
    const LocusEntry above = entryAt(kelvin + 0.5);
    const double locusSlope = (above.v - below.v) / (above.u - below.u);
    EXPECT_NEAR(entryAt(kelvin).m * locusSlope, -1.0, 1e-5) << kelvin;
  }
}

TEST(PlanckianLocus, OffsetIsPositiveOnlyForHotterEntries) {
  const LocusEntry point = entryAt(3000);
  EXPECT_GT(offsetFromIsotemperatureLine(entryAt(3005), point.u, point.v), 0);
  EXPECT_LT(offsetFromIsotemperatureLine(entryAt(2995), point.u, point.v), 0);
  // Off the locus along the isotemperature line the sign does not change.
  EXPECT_GT(offsetFromIsotemperatureLine(entryAt(3005), point.u + 0.01, point.v + 0.01 * point.m),
            0);
}

double daylightX(double kelvin) {
  const auto s = daylightSpectrum10nm(kelvin);
  Tristimulus t;
  for (int k = 0; k < kDaylightSamples; ++k) {
    const double* cmf = cie::cmf1931_2deg.row(380 + 10 * k);
    t.X += s[k] * cmf[0];
    t.Y += s[k] * cmf[1];
    t.Z += s[k] * cmf[2];
  }
  return t.X / (t.X + t.Y + t.Z);
}

TEST(Daylight, ChromaticityFollowsTheCiePolynomialOfItsRange) {
  // D65: T = 6504 K gives x = 0.31272 (CIE 15:2004 Table T.3).
  EXPECT_NEAR(daylightX(6504), 0.31272, 1e-4);
  // 4000–7000 K polynomial at 5500 K: x_D = 0.33242; 7000–25000 K at 10000 K:
  // x_D = 0.27880, where the other polynomial would give 0.27905.
  EXPECT_NEAR(daylightX(5500), 0.33242, 1e-4);
  EXPECT_NEAR(daylightX(10000), 0.27880, 1e-4);
}

TEST(ColourRendering, AdaptationToTheSameIlluminantIsTheIdentity) {
  const UV reference{0.2, 0.31};
  for (const UV sample : {UV{0.18, 0.30}, UV{0.25, 0.34}, UV{0.21, 0.27}}) {
    const SampleUVW uvw = adaptedUVW({30, sample}, reference, reference);
    EXPECT_NEAR(uvw.U / (13 * uvw.W) + reference.u, sample.u, 1e-12);
    EXPECT_NEAR(uvw.V / (13 * uvw.W) + reference.v, sample.v, 1e-12);
  }
}

TEST(ColourRendering, AdaptationCarriesTheTestWhiteToTheReferenceWhite) {
  const UV reference{0.2, 0.31};
  const UV test{0.22, 0.33};
  const SampleUVW white = adaptedUVW({100, test}, test, reference);
  EXPECT_NEAR(white.U, 0, 1e-10);
  EXPECT_NEAR(white.V, 0, 1e-10);
  EXPECT_NEAR(white.W, 25 * std::cbrt(100.0) - 17, 1e-12);
}

TEST(ColourRendering, SpecialIndexFallsWithColourDifference) {
  // A grey sample under a source of the reference's chromaticity: U* = V* = 0,
  // so ΔE is the W* difference alone.
  const UV white{0.2, 0.31};
  const SampleColour same{30, white};
  EXPECT_DOUBLE_EQ(specialRenderingIndex(same, same, white, white), 100);
  // One unit of W*: Y from 30 to the Y whose W* is one higher.
  const double w = 25 * std::cbrt(30.0) - 17;
  const SampleColour lighter{std::pow((w + 1 + 17) / 25, 3), same.uv};
  EXPECT_NEAR(specialRenderingIndex(same, lighter, white, white), 100 - 4.6, 1e-9);
}

TEST(ColourRendering, OwnRowsAndHeldRowsAgreeOnTheFiveNanometreGrid) {
  // A spectrum that is zero between the 5 nm rows gives the same sample
  // colours whether its values take their own rows or their bin's rows.
  std::vector<double> s81(81);
  std::vector<double> s401(401, 0.0);
  for (int k = 0; k < 81; ++k) {
    s81[k] = 1 + 0.3 * std::cos(k / 9.0);
    s401[5 * k] = s81[k];
  }
  Tristimulus own[kTestColourSamples];
  Tristimulus held[kTestColourSamples];
  Tristimulus coarse[kTestColourSamples];
  sampleTristimulus(s401.data(), {401, 1, false}, kTestColourSamples, own);
  sampleTristimulus(s401.data(), {401, 1, true}, kTestColourSamples, held);
  sampleTristimulus(s81.data(), {81, 5, true}, kTestColourSamples, coarse);
  for (int i = 0; i < kTestColourSamples; ++i) {
    EXPECT_EQ(own[i].X, held[i].X);
    EXPECT_NEAR(own[i].Y, coarse[i].Y, 1e-12 * coarse[i].Y);
    EXPECT_NEAR(own[i].Z, coarse[i].Z, 1e-12 * coarse[i].Z);
  }
}

TEST(ColourRendering, GeneralIndexAveragesTheFirstEight) {
  const double r[kTestColourSamples] = {80, 82, 84, 86, 88, 90, 92, 94, -500, -500};
  EXPECT_DOUBLE_EQ(generalRenderingIndex(r), 87);
}

} // namespace
