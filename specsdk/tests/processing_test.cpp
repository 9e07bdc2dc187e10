// The processing functions behind the exports, with known answers: the FFT
// filter, the boxcar resampler and the low-pass filter; and the fast forms
// against the straightforward ones, which must agree bit for bit.

#include "processing.h"
#include "specsdk.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

using specsdk::Method;
using specsdk::Signal;

const double kPi = 4.0 * std::atan(1.0);

Signal tone(double offset, double amplitude, int bin) {
  Signal s;
  for (int i = 0; i < specsdk::kFftPoints; ++i) {
    s[i] = static_cast<float>(offset + amplitude * std::cos(2.0 * kPi * bin * i / 2048.0));
  }
  return s;
}

double maxDeviation(const Signal &s, double value) {
  double worst = 0;
  for (float v : s) {
    worst = std::max(worst, std::fabs(v - value));
  }
  return worst;
}

bool sameBits(const void *a, const void *b, std::size_t bytes) {
  return std::memcmp(a, b, bytes) == 0;
}

TEST(FftFilter, WithNoBinRemovedReturnsItsInputWithinFloatRounding) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> counts(0.0f, 60000.0f);
  Signal input;
  for (float &v : input) {
    v = counts(random);
  }
  Signal output = input;
  specsdk::fftFilter(output, 1, 0);
  for (int i = 0; i < specsdk::kFftPoints; ++i) {
    EXPECT_NEAR(output[i], input[i], 60000.0 * 2e-5) << i;
  }
}

TEST(FftFilter, PassesAConstantAndRemovesATonePastTheCutOff) {
  Signal constant = tone(1234.0, 0.0, 0);
  specsdk::fftFilter(constant, 224, 1823);
  EXPECT_LT(maxDeviation(constant, 1234.0), 0.05);

  // Bins 224..1823 removed. A real tone at bin k lies in bins k and
  // 2048 - k: at 225 both go, at 224 its partner 1824 stays (half the
  // amplitude remains), at 223 both stay.
  Signal removed = tone(1000.0, 100.0, 225);
  specsdk::fftFilter(removed, 224, 1823);
  EXPECT_LT(maxDeviation(removed, 1000.0), 0.05);
  Signal halved = tone(1000.0, 100.0, 224);
  specsdk::fftFilter(halved, 224, 1823);
  EXPECT_NEAR(maxDeviation(halved, 1000.0), 50.0, 0.05);
  Signal kept = tone(1000.0, 100.0, 223);
  const Signal original = kept;
  specsdk::fftFilter(kept, 224, 1823);
  for (int i = 0; i < specsdk::kFftPoints; ++i) {
    ASSERT_NEAR(kept[i], original[i], 0.05) << i;
  }
}

TEST(FftFilter, SetsNegativeResultsToZeroAndClampsTheBand) {
  Signal s = tone(0.0, 100.0, 5);
  specsdk::fftFilter(s, 1, 0);
  for (float v : s) {
    EXPECT_GE(v, 0.0f);
  }
  Signal all = tone(500.0, 100.0, 3);
  specsdk::fftFilter(all, -5000, 5000);
  EXPECT_EQ(maxDeviation(all, 0.0), 0.0);
}

TEST(Boxcar, WidthZeroCopiesAndAnInvertedRangeOrNegativeWidthWritesNothing) {
  const float x[] = {1, 2, 3};
  const float y[] = {4, 5, 6};
  float outX[3] = {};
  float outY[3] = {};
  ASSERT_TRUE(CalceBoxcar(10, 12, 0, 3, x, y, outX, outY));
  EXPECT_EQ(std::vector<float>(outX, outX + 3), std::vector<float>(x, x + 3));
  EXPECT_EQ(std::vector<float>(outY, outY + 3), std::vector<float>(y, y + 3));

  float untouched[3] = {-1, -1, -1};
  EXPECT_FALSE(CalceBoxcar(12, 11, 1, 3, x, y, untouched, untouched));
  EXPECT_FALSE(CalceBoxcar(10, 12, -1, 3, x, y, untouched, untouched));
  EXPECT_FALSE(CalceBoxcar(10, 12, 1, 3, nullptr, y, untouched, untouched));
  EXPECT_EQ(untouched[0], -1);
}

TEST(Boxcar, WeighsNeighboursHalfAndKeepsEmptyWindows) {
  // x = 0, 1, 2, ...; width 2: samples i-1, i, i+1 weigh 0.5, 1, 0.5.
  const float x[] = {0, 1, 2, 3, 4};
  const float y[] = {0, 4, 8, 0, 12};
  float outX[5];
  float outY[4] = {-7, -7, -7, -7};
  ASSERT_TRUE(CalceBoxcar(1, 3, 2, 5, x, y, outX, outY));
  EXPECT_FLOAT_EQ(outY[0], (0.5f * 0 + 4 + 0.5f * 8) / 2);
  EXPECT_FLOAT_EQ(outY[1], (0.5f * 4 + 8 + 0.5f * 0) / 2);
  EXPECT_FLOAT_EQ(outY[2], (0.5f * 8 + 0 + 0.5f * 12) / 2);
  EXPECT_EQ(outY[3], -7); // past the range: not written
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(outX[j], 1 + j);
  }

  // No sample within ±0.5 of 10: that output keeps its value.
  const float sparse[] = {8, 12};
  float out[3] = {-3, -3, -3};
  float sparseX[2];
  ASSERT_TRUE(CalceBoxcar(9, 11, 1, 2, sparse, y, sparseX, out));
  EXPECT_EQ(out[1], -3);
}

TEST(Boxcar, SkippingSamplesGivesTheSameBitsAsScanningThemAll) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> step(0.0f, 0.8f);
  std::uniform_real_distribution<float> value(-100.0f, 60000.0f);
  std::vector<float> x(2048), y(2048);
  float position = 290.0f;
  for (std::size_t j = 0; j < x.size(); ++j) {
    position += step(random);
    x[j] = position;
    y[j] = value(random);
  }
  for (int width : {1, 2, 5, 17}) {
    std::vector<float> fastX(2048), slowX(2048), fast(701, -1.0f), slow(701, -1.0f);
    specsdk::boxcarResample(300, 1000, width, 2048, x.data(), y.data(), fastX.data(), fast.data(),
                            Method::Fast);
    specsdk::boxcarResample(300, 1000, width, 2048, x.data(), y.data(), slowX.data(), slow.data(),
                            Method::Straightforward);
    EXPECT_TRUE(sameBits(fast.data(), slow.data(), fast.size() * sizeof(float))) << width;
  }
  // Out of order: the fast form falls back to the full scan.
  std::swap(x[10], x[900]);
  std::vector<float> outX(2048), fast(701), slow(701);
  specsdk::boxcarResample(300, 1000, 3, 2048, x.data(), y.data(), outX.data(), fast.data());
  specsdk::boxcarResample(300, 1000, 3, 2048, x.data(), y.data(), outX.data(), slow.data(),
                          Method::Straightforward);
  EXPECT_TRUE(sameBits(fast.data(), slow.data(), fast.size() * sizeof(float)));
}

TEST(LowPass, WindowSwitchesAt32And45And65) {
  using specsdk::Window;
  EXPECT_EQ(specsdk::windowFor(31), Window::Rectangular);
  EXPECT_EQ(specsdk::windowFor(32), Window::Hanning);
  EXPECT_EQ(specsdk::windowFor(44), Window::Hanning);
  EXPECT_EQ(specsdk::windowFor(45), Window::Hamming);
  EXPECT_EQ(specsdk::windowFor(64), Window::Hamming);
  EXPECT_EQ(specsdk::windowFor(65), Window::Blackman);
}

TEST(LowPass, LengthIsRoundedAndMadeOdd) {
  // 3.44 * 100 / 10 = 34.4; + 0.5 truncates to 34, even, so 33.
  EXPECT_EQ(specsdk::lowPassLength(100.0f, 10.0f, 50), 33);
  EXPECT_EQ(specsdk::lowPassLength(100.0f, 10.0f, 20), 9);  // 9.1 + 0.5 -> 9
  EXPECT_EQ(specsdk::lowPassLength(1.0f, 1000.0f, 20), -1); // 0 -> -1
  EXPECT_EQ(specsdk::lowPassLength(100.0f, 0.0f, 50), 0);   // infinite: refused
}

TEST(LowPass, ZeroLengthGivesZerosAndAConstantPassesAtUnitGain) {
  const std::vector<float> in(200, 3.0f);
  std::vector<float> out(200, -1.0f);
  EXPECT_EQ(LowPassIntensity(1.0f, 1000.0f, 0.1f, 20, in.data(), out.data(), 200), 0);
  EXPECT_EQ(out, std::vector<float>(200, 0.0f));

  // Hamming, 33 taps, cut-off 10 Hz at 100 Hz: far from the edges a
  // constant comes out unchanged within the window's ripple.
  ASSERT_EQ(LowPassIntensity(100.0f, 10.0f, 5.0f, 50, in.data(), out.data(), 200), 0);
  EXPECT_NEAR(out[100], 3.0f, 3.0f * 0.01f);
  EXPECT_LT(out[0], out[100]); // half the taps see zeros before the start

  // A tone far above the cut-off is removed.
  std::vector<float> high(200);
  for (int i = 0; i < 200; ++i) {
    high[i] = static_cast<float>(std::cos(2.0 * kPi * 40.0 * i / 100.0));
  }
  ASSERT_EQ(LowPassIntensity(100.0f, 10.0f, 5.0f, 50, high.data(), out.data(), 200), 0);
  EXPECT_NEAR(out[100], 0.0f, 0.01f);
}

TEST(LowPass, OneTapFilterScalesByOmegaOverPi) {
  // Hanning: 3.32 * 1 / 2.2 + 0.5 truncates to 2, made odd: one tap, whose
  // window value is 1 (not 0/0), times h_d(0) = 2 * fc / fs = 2.2.
  ASSERT_EQ(specsdk::lowPassLength(1.0f, 2.2f, 40), 1);
  const float in[3] = {1.0f, 2.0f, 3.0f};
  float out[3];
  ASSERT_EQ(LowPassIntensity(1.0f, 2.2f, 0.0f, 40, in, out, 3), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(out[i], 2.2f * in[i], 1e-5f) << i;
  }
}

TEST(LowPass, RefusesNullBuffersAndEndlessFilters) {
  float out[4] = {7, 7, 7, 7};
  const float in[4] = {1, 1, 1, 1};
  EXPECT_EQ(LowPassIntensity(100.0f, 10.0f, 5.0f, 50, nullptr, out, 4), -1);
  EXPECT_EQ(LowPassIntensity(100.0f, 0.0f, 5.0f, 50, in, out, 4), -1);
  EXPECT_EQ(out[0], 7);
  EXPECT_EQ(LowPassIntensity(100.0f, 10.0f, 5.0f, 50, nullptr, nullptr, 0), 0);
}

TEST(Pipelines, FastAndStraightforwardFormsAgreeBitForBit) {
  devlink::spectrometer::RawFrame frame;
  std::mt19937 random(3);
  std::uniform_int_distribution<int> counts(400, 60000);
  for (auto &p : frame.pixels) {
    p = static_cast<std::uint16_t>(counts(random));
  }
  for (auto &d : frame.dark) {
    d = 500;
  }
  const float coefficients[5] = {300.0f, 0.35f, -5e-6f, 0, 0};
  double intensityCoefficients[400];
  for (int i = 0; i < 400; ++i) {
    intensityCoefficients[i] = 0.97 + 0.0001 * i;
  }
  int fastW[400], fastI[400], slowW[400], slowI[400];
  specsdk::acquisitionSpectrum(frame, coefficients, intensityCoefficients, fastW, fastI);
  specsdk::acquisitionSpectrum(frame, coefficients, intensityCoefficients, slowW, slowI,
                               Method::Straightforward);
  EXPECT_TRUE(sameBits(fastI, slowI, sizeof fastI));

  Signal pixels;
  std::array<float, 16> dark;
  dark.fill(500.0f);
  std::copy(frame.pixels.begin(), frame.pixels.end(), pixels.begin());
  std::vector<float> fast(2048), slow(2048), fastX(2048), slowX(2048);
  const specsdk::IntensityOptions options{3, 400, true};
  ASSERT_TRUE(
      specsdk::intensitySpectrum(pixels, dark, coefficients, options, fast.data(), fastX.data()));
  ASSERT_TRUE(specsdk::intensitySpectrum(pixels, dark, coefficients, options, slow.data(),
                                         slowX.data(), Method::Straightforward));
  EXPECT_TRUE(sameBits(fast.data(), slow.data(), fast.size() * sizeof(float)));
}

TEST(Pipelines, TruncationSaturatesAndMapsNanToZero) {
  EXPECT_EQ(specsdk::truncateToInt(-2.9f), -2);
  EXPECT_EQ(specsdk::truncateToInt(1e20f), INT_MAX);
  EXPECT_EQ(specsdk::truncateToInt(-1e20f), INT_MIN);
  EXPECT_EQ(specsdk::truncateToInt(std::nanf("")), 0);
}

} // namespace
