#pragma once

// The test-colour-sample method of CIE 13.3-1995: sample colours under an
// illuminant, von Kries adaptation in the CIE 1960 diagram, CIE 1964
// U*V*W* and the special colour rendering indices Rᵢ.

#include "colorimetry/chromaticity.h"
#include "colorimetry/daylight.h"
#include "colorimetry/planck.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace colorimetry {

// CIE 13.3 samples 1 to 14 plus the product's fifteenth sample.
inline constexpr int kTestColourSamples = 15;
// Ra averages R1 to R8.
inline constexpr int kGeneralIndexSamples = 8;

// How a spectrum's values pair with the 1 nm colour-matching table and the
// 5 nm sample table: value j lies at 380 + j·stepNm nm and always takes the
// sample row of its 5 nm bin (row ⌊(j·stepNm)/5⌋, held over the bin). With
// cmfHeldOn5nm it takes the colour-matching row of that bin too; otherwise the
// colour-matching row of its own wavelength.
struct SpectralPairing {
  int count;
  int stepNm;
  bool cmfHeldOn5nm;
};

// Tristimulus values of the first sampleCount test colour samples lit by the
// spectrum, with the CIE 1931 2° observer, normalised to Y = 100 for the
// perfect white: k = 100 / Σ S·ȳ·Δλ, Xᵢ = k·Σ S·Rᵢ·x̄·Δλ with Δλ = stepNm
// (CIE 13.3-1995 §5.1). Instantiated for float and double spectra.
template <typename Value>
void sampleTristimulus(const Value *spectrum, const SpectralPairing &pairing, int sampleCount,
                       Tristimulus *out);

// One test colour sample as seen under an illuminant: its Y and (u, v).
struct SampleColour {
  double Y;
  UV uv;
};

// CIE 1964 W*, U*, V* of a sample.
struct SampleUVW {
  double W;
  double U;
  double V;
};

// The sample under a source of chromaticity `source`, adapted with the von
// Kries type transform of CIE 13.3-1995 §5.2 to the reference illuminant of
// chromaticity `reference` and placed in U*V*W* around the reference white
// (§5.3). Applied with source == reference for the reference side, where the
// transform is the identity up to rounding.
SampleUVW adaptedUVW(const SampleColour &sample, UV source, UV reference);

// Rᵢ = 100 − 4.6·ΔEᵢ (CIE 13.3-1995 §5.4), ΔE the U*V*W* distance between the
// sample under the reference and under the adapted test source.
double specialRenderingIndex(const SampleColour &underReference, const SampleColour &underTest,
                             UV reference, UV test);

// Rᵢ of `count` samples from their tristimulus values under the reference and
// under the test source; uvOf gives a sample's (u, v) from its tristimulus
// values, so each engine keeps its own treatment of a zero denominator.
template <typename UvOf>
void specialRenderingIndices(const Tristimulus *underReference, const Tristimulus *underTest,
                             int count, UV reference, UV test, UvOf uvOf, double *out) {
  for (int i = 0; i < count; ++i) {
    out[i] = specialRenderingIndex({underReference[i].Y, uvOf(underReference[i])},
                                   {underTest[i].Y, uvOf(underTest[i])}, reference, test);
  }
}

// CIE 13.3-1995 §4.2: sources below 5000 K are compared with a Planckian
// radiator, from 5000 K up with CIE daylight. A CCT of exactly 5000 K still
// takes the Planckian radiator here.
inline bool usesPlanckianReference(double kelvin) {
  return kelvin <= 5000;
}

// The reference illuminant as an engine's spectrum type, with the pairing
// its sample sums take.
template <typename Sample, std::size_t Capacity> struct ReferenceIlluminant {
  std::array<Sample, Capacity> values{};
  SpectralPairing pairing{};
};

// The reference for a CCT: the Planckian radiator (kReferencePlanck) on the
// engine's grid, whose step is planckStepNm, or CIE daylight at 10 nm; both
// paired with the tables as cmfHeldOn5nm says. planckGrid.count must not
// exceed Capacity.
template <typename Sample, std::size_t Capacity>
ReferenceIlluminant<Sample, Capacity> referenceIlluminant(double kelvin,
                                                          const WavelengthGrid &planckGrid,
                                                          int planckStepNm, bool cmfHeldOn5nm) {
  static_assert(Capacity >= kDaylightSamples, "room for the daylight spectrum");
  ReferenceIlluminant<Sample, Capacity> reference;
  if (usesPlanckianReference(kelvin)) {
    samplePlanck(kReferencePlanck, kelvin, planckGrid, reference.values.data());
    reference.pairing = {planckGrid.count, planckStepNm, cmfHeldOn5nm};
  } else {
    const auto daylight = daylightSpectrum10nm(kelvin);
    std::copy(daylight.begin(), daylight.end(), reference.values.begin());
    reference.pairing = {kDaylightSamples, 10, cmfHeldOn5nm};
  }
  return reference;
}

// Ra = (R1 + ... + R8) × 0.125.
double generalRenderingIndex(const double *specialIndices);

} // namespace colorimetry
