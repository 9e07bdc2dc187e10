// The exported spectrum-processing functions: device reads and argument
// checks around the pipelines of processing.h.

#include "specsdk.h"

#include "device.h"
#include "processing.h"

#include <algorithm>
#include <vector>

namespace {

namespace protocol = devlink::spectrometer;

constexpr int kFailed = -1;
constexpr int kAdjustedValues = 751;
constexpr int kLowByte = 0xFF;

// Opens the device and reads one frame.
bool acquireFrame(protocol::RawFrame &frame) {
  return specsdk::openDevice() && specsdk::readRawFrame(frame);
}

// Sums of `scans` frames divided by `scans`, in single precision.
struct AveragedFrame {
  specsdk::Signal pixels{};
  std::array<float, specsdk::kDarkCounts> dark{};
};

bool averageFrames(int scans, AveragedFrame &average) {
  protocol::RawFrame frame;
  for (int scan = 0; scan < scans; ++scan) {
    if (!acquireFrame(frame)) {
      return false;
    }
    for (int i = 0; i < specsdk::kPixels; ++i) {
      average.pixels[i] = average.pixels[i] + static_cast<float>(frame.pixels[i]);
    }
    for (int k = 0; k < specsdk::kDarkCounts; ++k) {
      average.dark[k] = average.dark[k] + static_cast<float>(frame.dark[k]);
    }
  }
  const auto divisor = static_cast<float>(scans);
  for (float &value : average.pixels) {
    value = value / divisor;
  }
  for (float &value : average.dark) {
    value = value / divisor;
  }
  return true;
}

} // namespace

extern "C" {

int SPECSDK_CALL GetOrgIntesnsity(int *pixels, int *dark) {
  protocol::RawFrame frame;
  if (!pixels || !dark || !acquireFrame(frame)) {
    return kFailed;
  }
  std::copy(frame.pixels.begin(), frame.pixels.end(), pixels);
  std::copy(frame.dark.begin(), frame.dark.end(), dark);
  return 0;
}

int SPECSDK_CALL GetOrgIntesnsity2(int *pixels) {
  protocol::RawFrame frame;
  if (!pixels || !acquireFrame(frame)) {
    return kFailed;
  }
  specsdk::filteredCounts(frame, pixels);
  return 0;
}

int SPECSDK_CALL GetIntensity(float *intensity, float *wavelength, int scans, int /*unused*/,
                              int width, int cutLow, int cutHigh, int keepDark) {
  if (!intensity || !wavelength || scans < 1 || width < 0) {
    return kFailed;
  }
  AveragedFrame average;
  if (!averageFrames(scans, average)) {
    return kFailed;
  }
  float coefficients[specsdk::kPolynomialTerms] = {};
  if (!specsdk::readWavelengthCoefficients(coefficients)) {
    return kFailed; // outputs untouched
  }
  specsdk::IntensityOptions options;
  options.width = width;
  // Half the difference of any two ints fits an int; the pipeline clamps it.
  options.halfBand = static_cast<int>((static_cast<long long>(cutHigh) - cutLow) / 2);
  options.subtractDark = (keepDark & kLowByte) == 0;
  specsdk::intensitySpectrum(average.pixels, average.dark, coefficients, options, intensity,
                             wavelength);
  return 0;
}

int SPECSDK_CALL GetLumbda(float *wavelength) {
  if (!wavelength || !specsdk::openDevice()) {
    return kFailed;
  }
  float coefficients[specsdk::kPolynomialTerms] = {};
  if (!specsdk::readWavelengthCoefficients(coefficients)) {
    return kFailed; // wavelength untouched
  }
  specsdk::pixelWavelengths(coefficients, wavelength);
  return 0;
}

int SPECSDK_CALL GetAdjustIntensity(double *spectrum) {
  std::vector<float> table(protocol::kQdValues);
  if (spectrum != nullptr && specsdk::readQdTable(table.data()) == protocol::kQdValues) {
    for (int i = 0; i < kAdjustedValues; ++i) {
      spectrum[i] = spectrum[i] / table[static_cast<std::size_t>(i)];
    }
  }
  return 1;
}

int SPECSDK_CALL LowPassIntensity(float fs, float df, float fp, int attenuation, const float *in,
                                  float *out, int count) {
  if (count > 0 && (!in || !out)) {
    return kFailed;
  }
  return specsdk::lowPass(fs, df, fp, attenuation, in, out, count) ? 0 : kFailed;
}

bool SPECSDK_CALL CalceBoxcar(int start, int end, int width, int count, const float *x,
                              const float *y, float *outX, float *outY) {
  return specsdk::boxcarResample(start, end, width, count, x, y, outX, outY);
}

} // extern "C"
