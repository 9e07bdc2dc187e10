#include "processing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace specsdk {

namespace {

namespace protocol = devlink::spectrometer;

constexpr int kFftBits = 11;
static_assert(1 << kFftBits == kFftPoints);
constexpr int kHalfPoints = kFftPoints / 2;
constexpr float kInversePoints = 1.0f / kFftPoints;

// Bins removed by the two fixed pipelines.
constexpr int kAcquisitionFirstRemoved = 224;
constexpr int kAcquisitionLastRemoved = 1823;
constexpr int kOrgFirstRemoved = 124;
constexpr int kOrgLastRemoved = 1923;

// Grids of the pipelines.
constexpr int kAcquisitionFirstNm = 380;
constexpr int kAcquisitionLastNm = 780;
constexpr int kAcquisitionPoints = kIntensityCoefficients; // 380..779 nm reported
constexpr int kAcquisitionSmoothingWidth = 5;
constexpr float kAcquisitionScale = 10000.0f;
constexpr int kIntensityFirstNm = 300;
constexpr int kIntensityLastNm = 1000;
constexpr float kDarkMeanFactor = 0.0625f; // 1/16, the dark counts' mean

struct Twiddles {
  std::array<float, kHalfPoints> re;
  std::array<float, kHalfPoints> im;
};

// w_k = w_(k-1) · (cos θ, sin θ) with θ = sign · 2π/2048, each product
// rounded to float: the factors carry the recurrence's rounding, which the
// results depend on, so they are not taken from cos/sin directly.
Twiddles makeTwiddles(int sign) {
  const double pi = 4.0 * std::atan(1.0);
  const double theta = sign * 2.0 * pi / kFftPoints;
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  Twiddles t{};
  float wr = 1.0f;
  float wi = 0.0f;
  for (int k = 0; k < kHalfPoints; ++k) {
    t.re[k] = wr;
    t.im[k] = wi;
    const auto nextRe = static_cast<float>(wr * c - wi * s);
    const auto nextIm = static_cast<float>(wr * s + wi * c);
    wr = nextRe;
    wi = nextIm;
  }
  return t;
}

// The same factors laid out stage by stage: the stage whose butterflies
// span `half` points uses w_(k·2048/(2·half)), k < half, from entry half − 1
// on. Read in order, they let the compiler do several butterflies at once
// with the same operations on each.
struct StagedTwiddles {
  std::array<float, kFftPoints - 1> re;
  std::array<float, kFftPoints - 1> im;
};

StagedTwiddles stagedTwiddles(const Twiddles &w) {
  StagedTwiddles staged{};
  for (int half = 1; half < kFftPoints; half *= 2) {
    const int step = kHalfPoints / half;
    for (int k = 0; k < half; ++k) {
      staged.re[half - 1 + k] = w.re[k * step];
      staged.im[half - 1 + k] = w.im[k * step];
    }
  }
  return staged;
}

const StagedTwiddles &forwardTwiddles() {
  static const StagedTwiddles twiddles = stagedTwiddles(makeTwiddles(-1));
  return twiddles;
}

const StagedTwiddles &inverseTwiddles() {
  static const StagedTwiddles twiddles = stagedTwiddles(makeTwiddles(+1));
  return twiddles;
}

int reverseBits(int i) {
  int reversed = 0;
  for (int bit = 0; bit < kFftBits; ++bit) {
    reversed = (reversed << 1) | ((i >> bit) & 1);
  }
  return reversed;
}

using BitReversal = std::array<std::uint16_t, kFftPoints>;

BitReversal makeBitReversal() {
  BitReversal table{};
  for (int i = 0; i < kFftPoints; ++i) {
    table[i] = static_cast<std::uint16_t>(reverseBits(i));
  }
  return table;
}

void permute(Signal &re, Signal &im, const BitReversal &reversed) {
  for (int i = 0; i < kFftPoints; ++i) {
    const int j = reversed[i];
    if (i < j) {
      std::swap(re[i], re[j]);
      std::swap(im[i], im[j]);
    }
  }
}

// One butterfly (or four, on Float4); both forms do exactly these
// operations.
template <typename T> void butterfly(T wr, T wi, T &ra, T &ia, T &rb, T &ib) {
  const T tr = wr * rb - wi * ib;
  const T ti = wr * ib + wi * rb;
  rb = ra - tr;
  ib = ia - ti;
  ra = ra + tr;
  ia = ia + ti;
}

// Four floats processed by one instruction (SSE on x86); each lane gets
// the same IEEE operations as the scalar code, so the results are equal.
using Float4 = float __attribute__((vector_size(16)));

Float4 load4(const float *p) {
  Float4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

void store4(float *p, Float4 v) {
  std::memcpy(p, &v, sizeof v);
}

// Butterflies k to k + 3 of a block.
void butterflies4(const float *wr, const float *wi, float *ra, float *ia, float *rb, float *ib) {
  Float4 r = load4(ra), i = load4(ia), rB = load4(rb), iB = load4(ib);
  butterfly(load4(wr), load4(wi), r, i, rB, iB);
  store4(ra, r);
  store4(ia, i);
  store4(rb, rB);
  store4(ib, iB);
}

// The transform below with the factors in stage order, four butterflies at
// a time from the stage of 4-point halves on.
void transform(Signal &re, Signal &im, const StagedTwiddles &w, const BitReversal &reversed) {
  permute(re, im, reversed);
  for (int half = 1; half < kFftPoints; half *= 2) {
    const float *wr = w.re.data() + half - 1;
    const float *wi = w.im.data() + half - 1;
    for (int block = 0; block < kFftPoints; block += 2 * half) {
      float *ra = re.data() + block;
      float *ia = im.data() + block;
      float *rb = ra + half;
      float *ib = ia + half;
      if (half < 4) {
        for (int k = 0; k < half; ++k) {
          butterfly(wr[k], wi[k], ra[k], ia[k], rb[k], ib[k]);
        }
        continue;
      }
      for (int k = 0; k < half; k += 4) {
        butterflies4(wr + k, wi + k, ra + k, ia + k, rb + k, ib + k);
      }
    }
  }
}

// Unscaled radix-2 decimation-in-time transform in place.
void transform(Signal &re, Signal &im, const Twiddles &w, const BitReversal &reversed) {
  permute(re, im, reversed);
  for (int size = 2; size <= kFftPoints; size *= 2) {
    const int half = size / 2;
    const int step = kFftPoints / size;
    for (int block = 0; block < kFftPoints; block += size) {
      for (int k = 0; k < half; ++k) {
        const float wr = w.re[k * step];
        const float wi = w.im[k * step];
        const int a = block + k;
        const int b = a + half;
        butterfly(wr, wi, re[a], im[a], re[b], im[b]);
      }
    }
  }
}

// The fast form keeps the twiddle factors and the index permutation from
// the first use; the straightforward form makes them for every transform.
void transform(Signal &re, Signal &im, int sign, Method method) {
  if (method == Method::Fast) {
    static const BitReversal reversed = makeBitReversal();
    transform(re, im, sign < 0 ? forwardTwiddles() : inverseTwiddles(), reversed);
  } else {
    transform(re, im, makeTwiddles(sign), makeBitReversal());
  }
}

// Index of the first sample at or above `low` when x is ascending; the
// straightforward scan (and any x that is not ascending) starts at 0.
class WindowStart {
public:
  WindowStart(const float *x, int count, Method method)
      : x_(x), count_(count), skip_(method == Method::Fast && isAscending(x, count)) {}

  int firstAtOrAbove(float low) {
    while (skip_ && first_ < count_ && x_[first_] < low) {
      ++first_;
    }
    return first_;
  }

private:
  // NaN anywhere makes the comparison fail, so such input is scanned fully.
  static bool isAscending(const float *x, int count) {
    for (int j = 1; j < count; ++j) {
      if (!(x[j - 1] <= x[j])) {
        return false;
      }
    }
    return true;
  }

  const float *x_;
  int count_;
  bool skip_;
  int first_ = 0;
};

float windowValue(Window window, int l, int length) {
  // A single tap sits at the window's centre, where every window is 1.
  const float phase =
      length > 1 ? 6.2831852f * static_cast<float>(l) / static_cast<float>(length - 1) : 0.0f;
  switch (window) {
  case Window::Rectangular:
    return 1.0f;
  case Window::Hanning:
    return 0.5f + 0.5f * std::cos(phase);
  case Window::Hamming:
    return 0.54f + 0.46f * std::cos(phase);
  case Window::Blackman:
    return 0.42f + 0.5f * std::cos(phase) + 0.08f * std::cos(2.0f * phase);
  }
  return 1.0f;
}

float lengthFactor(Window window) {
  switch (window) {
  case Window::Rectangular:
    return 0.91f;
  case Window::Hanning:
    return 3.32f;
  case Window::Hamming:
    return 3.44f;
  case Window::Blackman:
    return 5.98f;
  }
  return 0.91f;
}

// Windowed ideal low-pass response h(l), l = -(N-1)/2 .. (N-1)/2.
std::vector<float> lowPassTaps(float fs, float fc, Window window, int length) {
  const float pi = 3.1415926f;
  const float omega = 6.2831852f * fc / fs;
  const int middle = (length - 1) / 2;
  std::vector<float> taps(static_cast<std::size_t>(length));
  for (int j = 0; j < length; ++j) {
    const int l = j - middle;
    const float ideal =
        l == 0 ? omega / pi
               : std::sin(omega * static_cast<float>(l)) / (pi * static_cast<float>(l));
    taps[static_cast<std::size_t>(j)] = windowValue(window, l, length) * ideal;
  }
  return taps;
}

} // namespace

void fftFilter(Signal &signal, int firstRemoved, int lastRemoved, Method method) {
  Signal im{};
  transform(signal, im, -1, method);
  const int first = std::max(firstRemoved, 0);
  const int last = std::min(lastRemoved, kFftPoints - 1);
  for (int bin = first; bin <= last; ++bin) {
    signal[bin] = 0.0f;
    im[bin] = 0.0f;
  }
  transform(signal, im, +1, method);
  for (float &value : signal) {
    value = value * kInversePoints;
    if (value < 0.0f) {
      value = 0.0f;
    }
  }
}

void pixelWavelengths(const float (&coefficients)[kPolynomialTerms], float *wavelengths) {
  for (int i = 0; i < kPixels; ++i) {
    const long double p = i;
    long double power = 1.0L;
    long double sum = 0.0L;
    for (float c : coefficients) {
      sum += c * power;
      power *= p;
    }
    wavelengths[i] = static_cast<float>(sum);
  }
}

namespace {

// The fast form keeps the wavelengths of the last coefficients this thread
// saw: a device keeps its coefficients, so every frame after the first
// reuses them. The straightforward form evaluates the polynomial each time.
void wavelengthsOfPixels(const float (&coefficients)[kPolynomialTerms], Signal &wavelengths,
                         Method method) {
  if (method != Method::Fast) {
    pixelWavelengths(coefficients, wavelengths.data());
    return;
  }
  thread_local bool made = false;
  thread_local std::array<float, kPolynomialTerms> lastCoefficients;
  thread_local Signal lastWavelengths;
  if (!made || std::memcmp(lastCoefficients.data(), coefficients, sizeof coefficients) != 0) {
    pixelWavelengths(coefficients, lastWavelengths.data());
    std::memcpy(lastCoefficients.data(), coefficients, sizeof coefficients);
    made = true;
  }
  wavelengths = lastWavelengths;
}

} // namespace

bool boxcarResample(int start, int end, int width, int count, const float *x, const float *y,
                    float *outX, float *outY, Method method) {
  if (end < start || width < 0 || !x || !y || !outX || !outY) {
    return false;
  }
  if (width == 0) {
    std::copy(x, x + std::max(count, 0), outX);
    std::copy(y, y + std::max(count, 0), outY);
    return true;
  }
  const auto w = static_cast<float>(width);
  const float half = w * 0.5f;
  WindowStart windowStart(x, count, method);
  for (long long i = start; i <= end; ++i) {
    const auto centre = static_cast<float>(i);
    const float low = centre - half;
    const float high = centre + half;
    float weightSum = 0.0f;
    float weightedSum = 0.0f;
    for (int j = windowStart.firstAtOrAbove(low); j < count && !(x[j] > high); ++j) {
      if (x[j] >= low) {
        const float weight = (w - std::fabs(x[j] - centre)) / w;
        weightSum = weightSum + weight;
        weightedSum = weightedSum + weight * y[j];
      }
    }
    if (weightSum != 0.0f) {
      outY[i - start] = weightedSum / weightSum;
    }
  }
  for (int j = 0; j < count; ++j) {
    outX[j] = static_cast<float>(static_cast<long long>(start) + j);
  }
  return true;
}

Window windowFor(int attenuation) {
  if (attenuation < 32) {
    return Window::Rectangular;
  }
  if (attenuation < 45) {
    return Window::Hanning;
  }
  if (attenuation < 65) {
    return Window::Hamming;
  }
  return Window::Blackman;
}

int lowPassLength(float fs, float df, int attenuation) {
  const float length = lengthFactor(windowFor(attenuation)) * fs / df + 0.5f;
  if (!(std::fabs(length) <= static_cast<float>(kMaxLowPassTaps))) {
    return 0;
  }
  const int n = static_cast<int>(length);
  return n % 2 == 0 ? n - 1 : n;
}

bool lowPass(float fs, float df, float fp, int attenuation, const float *in, float *out,
             int count) {
  const int length = lowPassLength(fs, df, attenuation);
  if (length == 0) {
    return false;
  }
  const float fc = fp + df * 0.5f;
  const std::vector<float> taps =
      length > 0 ? lowPassTaps(fs, fc, windowFor(attenuation), length) : std::vector<float>();
  const int middle = (length - 1) / 2;
  for (int i = 0; i < count; ++i) {
    float sum = 0.0f;
    for (int j = 0; j < length; ++j) {
      const long long k = static_cast<long long>(i) + middle - j;
      if (k >= 0 && k < count) {
        sum = sum + taps[static_cast<std::size_t>(j)] * in[k];
      }
    }
    out[i] = sum;
  }
  return true;
}

int truncateToInt(float value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= 2147483648.0f) {
    return INT_MAX;
  }
  if (value <= -2147483648.0f) {
    return INT_MIN;
  }
  return static_cast<int>(value);
}

void acquisitionSpectrum(const protocol::RawFrame &frame,
                         const float (&coefficients)[kPolynomialTerms],
                         const double (&intensityCoefficients)[kIntensityCoefficients],
                         int *wavelengths, int *intensities, Method method) {
  int darkSum = 0;
  for (std::uint16_t count : frame.dark) {
    darkSum += count;
  }
  const int darkLevel = darkSum / kDarkCounts;
  Signal filtered;
  for (int i = 0; i < kPixels; ++i) {
    filtered[i] = static_cast<float>(std::max(frame.pixels[i] - darkLevel, 0));
  }
  Signal lambda;
  wavelengthsOfPixels(coefficients, lambda, method);
  fftFilter(filtered, kAcquisitionFirstRemoved, kAcquisitionLastRemoved, method);

  // Grid points no pixel reaches keep the filtered count of the same index.
  Signal grid = filtered;
  Signal gridX;
  boxcarResample(kAcquisitionFirstNm, kAcquisitionLastNm, 1, kPixels, lambda.data(),
                 filtered.data(), gridX.data(), grid.data(), method);

  std::array<float, kAcquisitionPoints> corrected;
  std::array<float, kAcquisitionPoints> correctedX;
  for (int i = 0; i < kAcquisitionPoints; ++i) {
    corrected[i] = static_cast<float>(grid[i] / intensityCoefficients[i]);
    correctedX[i] = static_cast<float>(kAcquisitionFirstNm + i);
  }
  // Every point of 380..780 nm has samples within its 5 nm window.
  std::array<float, kAcquisitionLastNm - kAcquisitionFirstNm + 1> smoothed{};
  std::array<float, kAcquisitionPoints> smoothedX;
  boxcarResample(kAcquisitionFirstNm, kAcquisitionLastNm, kAcquisitionSmoothingWidth,
                 kAcquisitionPoints, correctedX.data(), corrected.data(), smoothedX.data(),
                 smoothed.data(), method);

  for (int i = 0; i < kAcquisitionPoints; ++i) {
    wavelengths[i] = kAcquisitionFirstNm + i;
    intensities[i] = truncateToInt(smoothed[i] * kAcquisitionScale);
  }
}

bool intensitySpectrum(const Signal &pixels, const std::array<float, kDarkCounts> &dark,
                       const float (&coefficients)[kPolynomialTerms],
                       const IntensityOptions &options, float *intensity, float *wavelength,
                       Method method) {
  if (options.width < 0) {
    return false;
  }
  Signal filtered = pixels;
  if (options.subtractDark) {
    float darkSum = 0.0f;
    for (float value : dark) {
      darkSum = darkSum + value;
    }
    const float darkMean = darkSum * kDarkMeanFactor;
    for (float &value : filtered) {
      value = std::max(value - darkMean, 0.0f);
    }
  }
  // No band for h <= 0, the whole transform at most (and no overflow).
  const int half = std::clamp(options.halfBand, 0, kHalfPoints);
  fftFilter(filtered, kHalfPoints - half, kHalfPoints + half - 1, method);

  Signal lambda;
  wavelengthsOfPixels(coefficients, lambda, method);
  std::copy(filtered.begin(), filtered.end(), intensity);
  return boxcarResample(kIntensityFirstNm, kIntensityLastNm, options.width, kPixels, lambda.data(),
                        filtered.data(), wavelength, intensity, method);
}

void filteredCounts(const protocol::RawFrame &frame, int *pixels) {
  int darkSum = 0;
  for (std::uint16_t count : frame.dark) {
    darkSum += count;
  }
  const float darkMean = static_cast<float>(darkSum) * kDarkMeanFactor;
  Signal filtered;
  for (int i = 0; i < kPixels; ++i) {
    filtered[i] = std::max(static_cast<float>(frame.pixels[i]) - darkMean, 0.0f);
  }
  fftFilter(filtered, kOrgFirstRemoved, kOrgLastRemoved);
  for (int i = 0; i < kPixels; ++i) {
    pixels[i] = truncateToInt(filtered[i]);
  }
}

} // namespace specsdk
