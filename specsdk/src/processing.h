#pragma once

// Spectrum processing behind the exports: the 2048-point FFT filter, pixel
// wavelengths, the weighted boxcar resampler, the window-method low-pass
// filter, and the two frame pipelines (acquisition and GetIntensity). Pure
// functions of their arguments; the device side is in device.h.

#include "devlink/spectrometer_frames.h"

#include <array>

namespace specsdk {

inline constexpr int kFftPoints = devlink::spectrometer::kPixels;
inline constexpr int kPixels = devlink::spectrometer::kPixels;
inline constexpr int kDarkCounts = devlink::spectrometer::kDarkCounts;
inline constexpr int kPolynomialTerms = devlink::spectrometer::kWavelengthCoefficients;
inline constexpr int kIntensityCoefficients = devlink::spectrometer::kIntensityCoefficients;

// How the frame pipelines get their results. Both ways give bit-identical
// output; the straightforward one exists to prove that and to measure the
// gain (tests and benchmark).
enum class Method {
  Fast,           // twiddle factors made once, resampler skips samples before each window
  Straightforward // twiddle factors made per transform, resampler scans every sample
};

using Signal = std::array<float, kFftPoints>;

// FFT low-pass/band-stop filter in single precision: forward transform,
// bins firstRemoved..lastRemoved (inclusive, clamped to 0..2047; none when
// firstRemoved > lastRemoved) set to zero, inverse transform scaled by
// 1/2048, negative results set to 0.
void fftFilter(Signal &signal, int firstRemoved, int lastRemoved, Method method = Method::Fast);

// λ(i) = c0 + c1·i + c2·i² + c3·i³ + c4·i⁴ in extended precision, stored as float.
void pixelWavelengths(const float (&coefficients)[kPolynomialTerms], float *wavelengths);

// Weighted boxcar resampling of (x, y), x ascending, onto the integer
// wavelengths start..end: a sample within ±width/2 of i gets weight
// (width - |x - i|) / width, all in single precision. A target with no
// sample in its window keeps its value; outX[j] = start + j for j < count.
// width 0 copies x and y. False (nothing written) when end < start,
// width < 0, or a pointer is null.
bool boxcarResample(int start, int end, int width, int count, const float *x, const float *y,
                    float *outX, float *outY, Method method = Method::Fast);

// Window of the low-pass filter, chosen by the stop-band attenuation (dB).
enum class Window { Rectangular, Hanning, Hamming, Blackman };
Window windowFor(int attenuation);
// Filter length N (odd, or below 1 for no taps) for sampling rate fs and
// transition width df; 0 when that length is not a finite number of at
// most kMaxLowPassTaps.
inline constexpr int kMaxLowPassTaps = 1 << 20;
int lowPassLength(float fs, float df, int attenuation);
// FIR low-pass (cut-off fp + df/2) by direct convolution; the signal is
// zero outside in[0..count-1]. False, out untouched, when the length is
// out of range (see lowPassLength).
bool lowPass(float fs, float df, float fp, int attenuation, const float *in, float *out, int count);

// Acquisition pipeline: integer dark level, FFT filter keeping bins 0-223
// and 1824-2047, 1 nm resampling from 380 nm, division by the intensity
// coefficients, 5 nm-wide smoothing; 400 wavelengths 380..779 nm and
// intensities × 10000 (truncated, saturated at the int range, NaN as 0).
void acquisitionSpectrum(const devlink::spectrometer::RawFrame &frame,
                         const float (&coefficients)[kPolynomialTerms],
                         const double (&intensityCoefficients)[kIntensityCoefficients],
                         int *wavelengths, int *intensities, Method method = Method::Fast);

// GetIntensity's pipeline on averaged counts: optional dark subtraction,
// FFT filter removing `halfBand` bins on each side of the Nyquist bin,
// resampling onto 300..1000 nm. intensity and wavelength hold 2048 values.
// False (nothing written) for a negative width.
struct IntensityOptions {
  int width = 1;
  int halfBand = 0;
  bool subtractDark = true;
};
bool intensitySpectrum(const Signal &pixels, const std::array<float, kDarkCounts> &dark,
                       const float (&coefficients)[kPolynomialTerms],
                       const IntensityOptions &options, float *intensity, float *wavelength,
                       Method method = Method::Fast);

// GetOrgIntesnsity2's pipeline: pixels less the mean dark count, negative
// results 0, FFT filter keeping bins 0-123 and 1924-2047, truncated.
void filteredCounts(const devlink::spectrometer::RawFrame &frame, int *pixels);

// float to int by truncation, saturating at the int range; NaN gives 0.
int truncateToInt(float value);

} // namespace specsdk
