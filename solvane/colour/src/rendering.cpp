#include "solvane/colour/rendering.h"

#include "solvane/colour/tristimulus.h"

namespace solvane {
namespace {

using colorimetry::SpectralPairing;
using colorimetry::Tristimulus;
using colorimetry::UV;

constexpr int kSamples = colorimetry::kTestColourSamples;
constexpr int kRecordValues = colorimetry::kVisible1nm.count;

// Record spectra and the Planckian reference pair each 1 nm value with its
// own colour-matching row and with the sample row of its 5 nm bin.
constexpr SpectralPairing kRecordPairing{kRecordValues, 1, false};

// Planckian radiator at 1 nm up to 5000 K, CIE daylight at 10 nm above.
colorimetry::ReferenceIlluminant<double, kRecordValues> referenceIlluminant(double kelvin) {
  return colorimetry::referenceIlluminant<double, kRecordValues>(kelvin, colorimetry::kVisible1nm,
                                                                 1, false);
}

// CIE 1960 (u, v) of a sample, with 1e-5 standing in for a zero X + 15Y + 3Z
// so that a black sample gives finite coordinates.
UV sampleUV(const Tristimulus &t) {
  double denominator = t.X + 15 * t.Y + 3 * t.Z;
  if (denominator == 0) {
    denominator = 1e-5;
  }
  return {4 * t.X / denominator, 6 * t.Y / denominator};
}

} // namespace

ColourRendering colourRendering(const double *spectrum, UV test, double cct) {
  const auto reference = referenceIlluminant(cct);
  const UV referenceUV = colorimetry::cie1960(
      tristimulus(reference.values.data(), reference.pairing.count, kObserver2deg));

  std::array<Tristimulus, kSamples> underReference{};
  std::array<Tristimulus, kSamples> underTest{};
  colorimetry::sampleTristimulus(reference.values.data(), reference.pairing, kSamples,
                                 underReference.data());
  colorimetry::sampleTristimulus(spectrum, kRecordPairing, kSamples, underTest.data());

  ColourRendering result{};
  colorimetry::specialRenderingIndices(underReference.data(), underTest.data(), kSamples,
                                       referenceUV, test, sampleUV, result.special.data());
  result.ra = colorimetry::generalRenderingIndex(result.special.data());
  return result;
}

} // namespace solvane
