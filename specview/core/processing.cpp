#include "processing.h"

#include "analysis.h"

namespace specview {
namespace {

QVector<double> toDoubles(const QVector<int> &values) {
  return QVector<double>(values.begin(), values.end());
}

QVector<double> indices(int count, int first) {
  QVector<double> x(count);
  for (int i = 0; i < count; ++i) {
    x[i] = first + i;
  }
  return x;
}

} // namespace

bool Processing::storeDark(const Frame &frame) {
  if (!frame.isValid()) {
    return false;
  }
  dark_ = frame.intensity;
  darkTime_ = frame.integrationTime;
  return true;
}

bool Processing::storeReference(const Frame &frame) {
  if (!frame.isValid()) {
    return false;
  }
  reference_ = frame.intensity;
  referenceTime_ = frame.integrationTime;
  return true;
}

void Processing::clearDark() {
  dark_.clear();
}

void Processing::clearReference() {
  reference_.clear();
  mode_ = Intensity;
}

bool Processing::processingChanged() {
  const bool held = hasDark() || hasReference();
  clearDark();
  clearReference();
  return held;
}

bool Processing::setMode(Mode mode) {
  if (mode != Intensity && !hasReference()) {
    return false;
  }
  mode_ = mode;
  return true;
}

QVector<double> Processing::processedValues(const Frame &frame) const {
  const QVector<double> sample = hasDark() ? subtracted(frame.intensity, dark_) : frame.intensity;
  if (mode_ == Intensity || !hasReference()) {
    return sample;
  }
  const QVector<double> reference = hasDark() ? subtracted(reference_, dark_) : reference_;
  const QVector<double> transmission = transmissionPercent(sample, reference);
  return mode_ == Transmission ? transmission : absorbance(transmission);
}

Series Processing::shownSeries(const Frame &frame) const {
  if (!frame.isValid()) {
    return {};
  }
  switch (view_) {
  case RawCounts:
    return {indices(kPixels + kDarkPixels, 0), toDoubles(frame.pixels + frame.dark)};
  case ProcessedIntensity:
    return {frame.wavelengths, processedValues(frame)};
  case CalibratedSpectrum:
    break;
  }
  return calibratedSpectrum(frame);
}

Series calibratedSpectrum(const Frame &frame) {
  return {indices(kSpectrumPoints, kSpectrumFirstNm), frame.spectrumValues()};
}

} // namespace specview
