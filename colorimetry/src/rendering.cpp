#include "colorimetry/rendering.h"

#include "cie/tables.h"

#include <array>
#include <cmath>

namespace colorimetry {
namespace {

// Spectral radiance factors of the fifteen samples, 380–780 nm at 5 nm.
class TestColourSamples {
public:
  TestColourSamples() : cie14_(cie::tcs1to14.row(380)), fifteenth_(cie::tcs15.row(380)) {}

  double factor(int sample, int row5nm) const {
    return sample < kCieSamples ? cie14_[row5nm * kCieSamples + sample] : fifteenth_[row5nm];
  }

private:
  static constexpr int kCieSamples = 14;
  const double *cie14_;
  const double *fifteenth_;
};

// CIE 13.3-1995 §5.2: c = (4 − u − 10v) / v, d = (1.708v + 0.404 − 1.481u) / v.
double adaptationC(UV p) {
  return (4 - p.u - 10 * p.v) / p.v;
}
double adaptationD(UV p) {
  return (1.708 * p.v + 0.404 - 1.481 * p.u) / p.v;
}

} // namespace

template <typename Value>
void sampleTristimulus(const Value *spectrum, const SpectralPairing &pairing, int sampleCount,
                       Tristimulus *out) {
  const double *cmf = cie::cmf1931_2deg.row(380);
  const TestColourSamples samples;
  const double deltaLambda = pairing.stepNm;

  double whiteY = 0;
  std::array<Tristimulus, kTestColourSamples> sums{};
  for (int j = 0; j < pairing.count; ++j) {
    const int offsetNm = j * pairing.stepNm;
    const int row5nm = offsetNm / 5;
    const double *cmfRow = cmf + 3 * (pairing.cmfHeldOn5nm ? 5 * row5nm : offsetNm);
    const double s = spectrum[j];
    whiteY += s * cmfRow[1] * deltaLambda;
    for (int i = 0; i < sampleCount; ++i) {
      const double r = samples.factor(i, row5nm);
      sums[i].X += s * r * cmfRow[0] * deltaLambda;
      sums[i].Y += s * r * cmfRow[1] * deltaLambda;
      sums[i].Z += s * r * cmfRow[2] * deltaLambda;
    }
  }
  const double k = 100 / whiteY;
  for (int i = 0; i < sampleCount; ++i) {
    out[i] = {k * sums[i].X, k * sums[i].Y, k * sums[i].Z};
  }
}

template void sampleTristimulus<float>(const float *, const SpectralPairing &, int, Tristimulus *);
template void sampleTristimulus<double>(const double *, const SpectralPairing &, int,
                                        Tristimulus *);

SampleUVW adaptedUVW(const SampleColour &sample, UV source, UV reference) {
  const double cRatio = adaptationC(reference) / adaptationC(source);
  const double dRatio = adaptationD(reference) / adaptationD(source);
  const double c = adaptationC(sample.uv);
  const double d = adaptationD(sample.uv);
  const double denominator = 16.518 + 1.481 * cRatio * c - dRatio * d;
  const double u = (10.872 + 0.404 * cRatio * c - 4 * dRatio * d) / denominator;
  const double v = 5.520 / denominator;
  const double w = 25 * std::cbrt(sample.Y) - 17;
  return {w, 13 * w * (u - reference.u), 13 * w * (v - reference.v)};
}

double specialRenderingIndex(const SampleColour &underReference, const SampleColour &underTest,
                             UV reference, UV test) {
  const SampleUVW r = adaptedUVW(underReference, reference, reference);
  const SampleUVW t = adaptedUVW(underTest, test, reference);
  const double dU = r.U - t.U;
  const double dV = r.V - t.V;
  const double dW = r.W - t.W;
  return 100 - 4.6 * std::sqrt(dU * dU + dV * dV + dW * dW);
}

double generalRenderingIndex(const double *specialIndices) {
  double sum = 0;
  for (int i = 0; i < kGeneralIndexSamples; ++i) {
    sum += specialIndices[i];
  }
  return sum * 0.125;
}

} // namespace colorimetry
