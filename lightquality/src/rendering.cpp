#include "lightquality/rendering.h"

#include "lightquality/reference.h"
#include "figure_mark.h"
#include "sample_sums.h"
#include "sprague.h"

#include "cie/tables.h"
#include "colorimetry/rendering.h"

#include <cmath>
#include <limits>

namespace lightquality {
namespace {

using colorimetry::Tristimulus;

// The 14 samples at 1 nm from 380 to 780 nm, a row per nm; the table runs
// from 360 to 830 nm, so every interval of 380–780 nm has the rows
// Sprague's method needs on both sides.
using SampleRows = std::array<std::array<double, kCieTestColourSamples>, kSpectrumValues>;

const SampleRows &samplesAt1nm() {
  static const auto rows = [] {
    SampleRows s{};
    const cie::Table &table = cie::tcs1to14;
    for (int i = 0; i < kCieTestColourSamples; ++i) {
      const auto sample = spragueTo1nm<Spectrum>(table.firstNm, table.stepNm, [&](int row) {
        return table.values[row * table.columns + i];
      });
      for (int j = 0; j < kSpectrumValues; ++j) {
        s[j][i] = sample[j];
      }
    }
    return s;
  }();
  return rows;
}

// X, Y, Z of each sample lit by a spectrum (CIE 1931 2°): the X of all
// samples, then their Y, then their Z, then the spectrum's own (the
// white's) X, Y, Z.
constexpr int kSumColumns = 3 * kCieTestColourSamples + 3;
constexpr int kWhite = 3 * kCieTestColourSamples;
using SampleSums = std::array<double, kSumColumns>;

LIGHTQUALITY_WIDE_SUMS void sampleSums(const Spectrum &spectrum, double *sums) {
  double *x = sums, *y = x + kCieTestColourSamples, *z = y + kCieTestColourSamples;
  sampleTristimulus<kCieTestColourSamples>(spectrum, samplesAt1nm()[0].data(),
                                           kCieTestColourSamples, cie::cmf1931_2deg.row(kFirstNm),
                                           x, y, z);
  const Tristimulus white = tristimulus(spectrum, cie::cmf1931_2deg);
  sums[kWhite] = white.X;
  sums[kWhite + 1] = white.Y;
  sums[kWhite + 2] = white.Z;
}

// The same sums of the reference at T: Planckian below 5000 K, CIE daylight
// (linearly interpolated) from 5000 K.
SampleSums referenceSumsAt(double kelvin) {
  static const ReferenceSums tables(kSumColumns, sampleSums, DaylightInterpolation::kLinear);
  SampleSums sums;
  if (kelvin < 5000) {
    tables.planckian(kelvin, sums.data());
  } else {
    tables.daylight(kelvin, sums.data());
  }
  return sums;
}

Tristimulus white(const SampleSums &sums) {
  return {sums[kWhite], sums[kWhite + 1], sums[kWhite + 2]};
}

// The samples' X, Y, Z with Y = 100 for the perfect white (CIE 13.3-1995
// §5.1).
std::array<Tristimulus, kCieTestColourSamples> sampleColours(const SampleSums &sums) {
  const double k = 100 / sums[kWhite + 1];
  std::array<Tristimulus, kCieTestColourSamples> colours{};
  for (int i = 0; i < kCieTestColourSamples; ++i) {
    colours[i] = {k * sums[i], k * sums[kCieTestColourSamples + i],
                  k * sums[2 * kCieTestColourSamples + i]};
  }
  return colours;
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
  if (!cct.defined()) {
    return undefinedRendering("no correlated colour temperature: " + cct.reason);
  }
  if (cct.kelvin > 25000) {
    return undefinedRendering(
        FIGURE("the CCT lies above 25000 K, where CIE daylight is not defined"));
  }
  SampleSums testSums;
  sampleSums(spectrum, testSums.data());
  const SampleSums referenceSums = referenceSumsAt(cct.kelvin);
  const colorimetry::UV test = colorimetry::cie1960(white(testSums));
  const colorimetry::UV ref = colorimetry::cie1960(white(referenceSums));
  const auto underTest = sampleColours(testSums);
  const auto underReference = sampleColours(referenceSums);

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
