#include "colour_internal.h"

#include "colorimetry/daylight.h"
#include "colorimetry/rendering.h"

#include <algorithm>

namespace specsdk {
namespace {

using colorimetry::SpectralPairing;
using colorimetry::Tristimulus;

constexpr int kSamples = colorimetry::kGeneralIndexSamples;

// The reference illuminant as the float spectrum QSP_ColorGetXYZ takes.
struct ReferenceIlluminant {
  std::array<float, colorimetry::kVisible5nm.count> values{};
  SpectralPairing pairing{};
};

// Planckian radiator at 5 nm up to 5000 K, CIE daylight at 10 nm above.
ReferenceIlluminant referenceIlluminant(int kelvin) {
  ReferenceIlluminant reference;
  if (colorimetry::usesPlanckianReference(kelvin)) {
    colorimetry::samplePlanck(colorimetry::kReferencePlanck, kelvin, colorimetry::kVisible5nm,
                              reference.values.data());
    reference.pairing = {colorimetry::kVisible5nm.count, 5, true};
  } else {
    const auto daylight = colorimetry::daylightSpectrum10nm(kelvin);
    std::copy(daylight.begin(), daylight.end(), reference.values.begin());
    reference.pairing = {colorimetry::kDaylightSamples, 10, true};
  }
  return reference;
}

} // namespace

double generalRenderingIndex400(const float *spectrum) {
  // The test source's chromaticity comes from the decimated 5 nm sums, while
  // its sample colours use all 400 values, each held against the table rows
  // of its 5 nm bin.
  const colorimetry::UV test = colorimetry::cie1960(tristimulus5nm(spectrum, 400));
  const int kelvin = correlatedColourTemperature(test.u, test.v);

  const ReferenceIlluminant reference = referenceIlluminant(kelvin);
  const colorimetry::UV referenceUV =
      colorimetry::cie1960(tristimulus5nm(reference.values.data(), reference.pairing.count));

  std::array<Tristimulus, kSamples> underReference{};
  std::array<Tristimulus, kSamples> underTest{};
  colorimetry::sampleTristimulus(reference.values.data(), reference.pairing, kSamples,
                                 underReference.data());
  colorimetry::sampleTristimulus(spectrum, SpectralPairing{400, 1, true}, kSamples,
                                 underTest.data());

  std::array<double, kSamples> special{};
  const auto uv = [](const Tristimulus &t) { return colorimetry::cie1960(t); };
  colorimetry::specialRenderingIndices(underReference.data(), underTest.data(), kSamples,
                                       referenceUV, test, uv, special.data());
  return colorimetry::generalRenderingIndex(special.data());
}

} // namespace specsdk
