// The shared formulas checked directly against physics and CIE figures; the
// engines' tests cover the locus and the rendering index end to end.
#include "colorimetry/daylight.h"
#include "colorimetry/planck.h"
#include "colorimetry/rendering.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace colorimetry;

// CIE 1931 2° sums of `count` values from 380 nm in steps of `stepNm`.
Tristimulus sums(const float *s, int count, int stepNm) {
  Tristimulus t;
  for (int k = 0; k < count; ++k) {
    const double *cmf = cie::cmf1931_2deg.row(380 + stepNm * k);
    t.X += s[k] * cmf[0];
    t.Y += s[k] * cmf[1];
    t.Z += s[k] * cmf[2];
  }
  return t;
}

TEST(Planck, TemperatureDerivativeMatchesFiniteDifferences) {
  for (double kelvin : {1800.0, 6500.0, 20000.0}) {
    for (double lambda : {3.8e-7, 5.55e-7, 7.8e-7}) {
      const double h = kelvin * 1e-5;
      const double difference = (planckExitance(kReferencePlanck, lambda, kelvin + h) -
                                 planckExitance(kReferencePlanck, lambda, kelvin - h)) /
                                (2 * h);
      EXPECT_NEAR(planckTemperatureDerivative(kReferencePlanck, lambda, kelvin) / difference, 1,
                  1e-6)
          << kelvin << " K, " << lambda << " m";
    }
  }
}

TEST(Daylight, ChromaticityFollowsTheCiePolynomialOfItsRange) {
  const auto x = [](double kelvin) {
    const auto s = daylightSpectrum10nm(kelvin);
    const Tristimulus t = sums(s.data(), kDaylightSamples, 10);
    return t.X / (t.X + t.Y + t.Z);
  };
  EXPECT_NEAR(x(6504), 0.31272, 1e-4); // D65, CIE 15:2004 Table T.3
  // x_D of the 4000–7000 K polynomial at 5500 K, and of the 7000–25000 K one
  // at 10000 K (the other would give 0.27905 there).
  EXPECT_NEAR(x(5500), 0.33242, 1e-4);
  EXPECT_NEAR(x(10000), 0.27880, 1e-4);
}

TEST(ColourRendering, AdaptationIsTheIdentityForTheReferenceAndMapsWhiteToWhite) {
  const UV reference{0.2, 0.31};
  for (const UV sample : {UV{0.18, 0.30}, UV{0.25, 0.34}, UV{0.21, 0.27}}) {
    const SampleUVW uvw = adaptedUVW({30, sample}, reference, reference);
    EXPECT_NEAR(uvw.U / (13 * uvw.W) + reference.u, sample.u, 1e-12);
    EXPECT_NEAR(uvw.V / (13 * uvw.W) + reference.v, sample.v, 1e-12);
  }
  const UV test{0.22, 0.33};
  const SampleUVW white = adaptedUVW({100, test}, test, reference);
  EXPECT_NEAR(white.U, 0, 1e-10);
  EXPECT_NEAR(white.V, 0, 1e-10);
}

} // namespace
