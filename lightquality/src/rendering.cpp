#include "lightquality/rendering.h"

#include "lightquality/reference.h"
#include "sprague.h"

#include "cie/tables.h"
#include "colorimetry/rendering.h"

#include <cmath>
#include <limits>

namespace lightquality {
namespace {

using colorimetry::Tristimulus;

// One test colour sample at 1 nm from 380 to 780 nm.
using SampleFactors = std::array<double, kSpectrumValues>;

// The 14 samples at 1 nm; the table runs from 360 to 830 nm, so every
// interval of 380–780 nm has the rows Sprague's method needs on both sides.
const std::array<SampleFactors, kCieTestColourSamples> &samplesAt1nm() {
  static const auto samples = [] {
    std::array<SampleFactors, kCieTestColourSamples> s{};
    const cie::Table &table = cie::tcs1to14;
    for (int i = 0; i < kCieTestColourSamples; ++i) {
      s[i] = spragueTo1nm<SampleFactors>(table.firstNm, table.stepNm, [&](int row) {
        return table.values[row * table.columns + i];
      });
    }
    return s;
  }();
  return samples;
}

// X, Y, Z of each sample lit by the spectrum, with Y = 100 for the perfect
// white (CIE 13.3-1995 §5.1).
std::array<Tristimulus, kCieTestColourSamples> sampleColours(const Spectrum &spectrum) {
  const auto &samples = samplesAt1nm();
  const double *cmf = cie::cmf1931_2deg.row(kFirstNm);
  std::array<Tristimulus, kCieTestColourSamples> sums{};
  for (int i = 0; i < kCieTestColourSamples; ++i) {
    for (int j = 0; j < kSpectrumValues; ++j) {
      const double weighted = spectrum[j] * samples[i][j];
      sums[i].X += weighted * cmf[3 * j];
      sums[i].Y += weighted * cmf[3 * j + 1];
      sums[i].Z += weighted * cmf[3 * j + 2];
    }
  }
  const double k = 100 / tristimulus(spectrum, cie::cmf1931_2deg).Y;
  for (Tristimulus &t : sums) {
    t = {k * t.X, k * t.Y, k * t.Z};
  }
  return sums;
}

ColourRenderingIndex undefinedRendering(std::string reason) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ColourRenderingIndex r{nan, {}, nan, std::move(reason)};
  r.special.fill(nan);
  return r;
}

} // namespace

ColourRenderingIndex colourRenderingIndex(const Spectrum &spectrum,
                                          const CorrelatedColourTemperature &cct) {
  if (std::string problem; !spectrumUsable(spectrum, &problem)) {
    return undefinedRendering(problem);
  }
  if (std::isnan(cct.kelvin)) {
    return undefinedRendering("no correlated colour temperature: " + cct.reason);
  }
  if (cct.kelvin > 25000) {
    return undefinedRendering("the CCT lies above 25000 K, where CIE daylight is not defined");
  }
  const Spectrum reference = cct.kelvin < 5000
                                 ? planckianRadiator(cct.kelvin)
                                 : cieDaylight(cct.kelvin, DaylightInterpolation::kLinear);
  const colorimetry::UV test = colorimetry::cie1960(tristimulus(spectrum, cie::cmf1931_2deg));
  const colorimetry::UV ref = colorimetry::cie1960(tristimulus(reference, cie::cmf1931_2deg));
  const auto underTest = sampleColours(spectrum);
  const auto underReference = sampleColours(reference);

  ColourRenderingIndex result{};
  const auto uvOf = [](const Tristimulus &t) { return colorimetry::cie1960(t); };
  colorimetry::specialRenderingIndices(underReference.data(), underTest.data(),
                                       kCieTestColourSamples, ref, test, uvOf,
                                       result.special.data());
  result.ra = colorimetry::generalRenderingIndex(result.special.data());
  result.referenceDistance = std::hypot(test.u - ref.u, test.v - ref.v);
  return result;
}

} // namespace lightquality
