#include "colour_internal.h"

#include "colorimetry/rendering.h"

namespace specsdk {
namespace {

using colorimetry::SpectralPairing;
using colorimetry::Tristimulus;

constexpr int kSamples = colorimetry::kGeneralIndexSamples;

// Planckian radiator at 5 nm up to 5000 K, CIE daylight at 10 nm above, as
// the float spectra QSP_ColorGetXYZ takes.
colorimetry::ReferenceIlluminant<float, colorimetry::kVisible5nm.count>
referenceIlluminant(int kelvin) {
  return colorimetry::referenceIlluminant<float, colorimetry::kVisible5nm.count>(
      kelvin, colorimetry::kVisible5nm, 5, true);
}

} // namespace

double generalRenderingIndex400(const float *spectrum) {
  // The test source's chromaticity comes from the decimated 5 nm sums, while
  // its sample colours use all 400 values, each held against the table rows
  // of its 5 nm bin.
  const colorimetry::UV test = colorimetry::cie1960(tristimulus5nm(spectrum, 400));
  const int kelvin = cctOnFiveKelvinGrid(test.u, test.v);

  const auto reference = referenceIlluminant(kelvin);
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
