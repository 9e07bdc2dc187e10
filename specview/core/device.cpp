#include "device.h"

#include "messages.h"

#include <specsdk.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

namespace specview {
namespace {

constexpr int kIdBytes = 14;
constexpr int kInfoTexts = 5;
constexpr int kInfoTextBytes = 16;
constexpr int kInfoTableValues = 60;
// The processed intensity's 1 nm grid.
constexpr int kGridFirstNm = 300;
constexpr int kGridLastNm = 1000;
constexpr int kGridPoints = kGridLastNm - kGridFirstNm + 1;

// A failed exchange, or a device that went away meanwhile.
QString failureReason(const QString &what) {
  if (QSP_SpectrometerOpen(0) != 0) {
    return tr("%1 failed: the spectrometer is no longer available.").arg(what);
  }
  return tr("%1 failed: the spectrometer did not answer.").arg(what);
}

bool readInfo(DeviceInfo *info) {
  std::array<std::array<char, kInfoTextBytes>, kInfoTexts> texts{};
  unsigned int value1 = 0;
  unsigned int value2 = 0;
  // The 16-bit fields are never negative: a -1 left in place means no reply.
  std::array<int, 5> shorts;
  shorts.fill(-1);
  QVector<int> table(kInfoTableValues);
  ReadSpectroInfo(texts[0].data(), texts[1].data(), texts[2].data(), texts[3].data(),
                  texts[4].data(), &value1, &value2, &shorts[0], &shorts[1], &shorts[2],
                  &shorts[3], &shorts[4], table.data());
  if (shorts[0] < 0) {
    return false;
  }
  info->texts.clear();
  for (const auto &text : texts) {
    const auto end = std::find(text.begin(), text.end(), '\0');
    info->texts << QString::fromLatin1(text.data(), static_cast<int>(end - text.begin()));
  }
  info->pixelCount = value1;
  info->serialNumber = value2;
  info->firstNm = shorts[0];
  info->lastNm = shorts[1];
  info->darkPixels = shorts[2];
  info->adcBits = shorts[3];
  info->minIntegrationTime = shorts[4];
  info->temperatureTable = table;
  return true;
}

bool readId(QString *id) {
  std::array<char, kIdBytes + 1> buffer{};
  if (GetDeviceId(buffer.data()) != 1) {
    return false;
  }
  *id = QString::fromLatin1(buffer.data(), kIdBytes);
  return true;
}

// The window-method FIR filter of specsdk over the processed intensity.
bool lowPass(const LowPassSettings &settings, QVector<double> *values, QString *error) {
  const std::vector<float> in(values->begin(), values->end());
  std::vector<float> out(in.size());
  if (LowPassIntensity(static_cast<float>(settings.sampleRate),
                       static_cast<float>(settings.transition),
                       static_cast<float>(settings.passBand), settings.attenuation, in.data(),
                       out.data(), static_cast<int>(in.size())) != 0) {
    fail(error, tr("The low-pass filter refused its parameters (the filter would be too long)."));
    return false;
  }
  std::copy(out.begin(), out.end(), values->begin());
  return true;
}

// The boxcar onto 1 nm from 300 to 1000 nm, as GetIntensity would resample,
// but a grid point no pixel reaches stays out instead of keeping whatever
// the buffer held there.
bool resampleOntoGrid(int boxcar, const std::vector<float> &pixelNm,
                      const std::vector<float> &counts, Frame *frame, QString *error) {
  std::vector<float> gridNm(kPixels);
  std::vector<float> values(kGridPoints, std::numeric_limits<float>::quiet_NaN());
  if (!CalceBoxcar(kGridFirstNm, kGridLastNm, boxcar, kPixels, pixelNm.data(), counts.data(),
                   gridNm.data(), values.data())) {
    fail(error, tr("The boxcar width %1 was refused.").arg(boxcar));
    return false;
  }
  frame->wavelengths.clear();
  frame->intensity.clear();
  for (int i = 0; i < kGridPoints; ++i) {
    const float value = values[static_cast<std::size_t>(i)];
    if (!std::isnan(value)) {
      frame->wavelengths.append(kGridFirstNm + i);
      frame->intensity.append(value);
    }
  }
  return true;
}

// GetIntensity averages the frames, takes off the dark level and filters;
// with width 0 it hands back the counts at the pixel wavelengths.
bool readProcessed(const AcquisitionSettings &settings, Frame *frame, QString *error) {
  std::vector<float> counts(kPixels);
  std::vector<float> pixelNm(kPixels);
  if (GetIntensity(counts.data(), pixelNm.data(), settings.scans, 0, 0, 0, 0, 0) != 0) {
    fail(error, failureReason(tr("Reading the averaged intensity")));
    return false;
  }
  if (settings.boxcar == 0) {
    frame->wavelengths = QVector<double>(pixelNm.begin(), pixelNm.end());
    frame->intensity = QVector<double>(counts.begin(), counts.end());
  } else if (!resampleOntoGrid(settings.boxcar, pixelNm, counts, frame, error)) {
    return false;
  }
  return !settings.lowPass.enabled || lowPass(settings.lowPass, &frame->intensity, error);
}

// The delivered spectrum in its own units.
QVector<double> scaledSpectrum(const QVector<int> &delivered) {
  QVector<double> values(delivered.size());
  std::transform(delivered.begin(), delivered.end(), values.begin(),
                 [](int v) { return v / kSpectrumScale; });
  return values;
}

bool readSpectrum(QVector<int> *spectrum, QString *error) {
  std::array<int, kSpectrumPoints> wavelengths{};
  spectrum->resize(kSpectrumPoints);
  if (QSP_SpectrometerDataAcquire(wavelengths.data(), spectrum->data()) != 0) {
    fail(error, failureReason(tr("Acquiring the calibrated spectrum")));
    return false;
  }
  return true;
}

} // namespace

int DeviceInfo::fullScale() const {
  const int bits = std::clamp(adcBits, 1, 16);
  return (1 << bits) - 1;
}

int DeviceInfo::shortestIntegrationTime() const {
  return std::clamp(minIntegrationTime, 1, kMaxIntegrationTime);
}

QVector<double> Frame::spectrumValues() const {
  if (scanSpectra.isEmpty()) {
    return scaledSpectrum(spectrum);
  }
  QVector<double> mean(scanSpectra.front().size());
  for (const QVector<double> &scan : scanSpectra) {
    for (int i = 0; i < mean.size(); ++i) {
      mean[i] += scan[i] / scanSpectra.size();
    }
  }
  return mean;
}

int Frame::peakCount() const {
  return pixels.isEmpty() ? 0 : *std::max_element(pixels.begin(), pixels.end());
}

int Frame::darkLevel() const {
  return dark.isEmpty() ? 0 : std::accumulate(dark.begin(), dark.end(), 0) / dark.size();
}

int deviceCount() {
  return QSP_GetDeviceList();
}

bool connectDevice(int index, DeviceInfo *info, QString *error) {
  const int count = deviceCount();
  if (count < 0) {
    fail(error, tr("The USB access library is missing or incomplete, so no spectrometer can be "
                   "reached."));
    return false;
  }
  if (count == 0) {
    fail(error, tr("No spectrometer is connected."));
    return false;
  }
  if (QSP_SpectrometerOpen(index) != 0) {
    fail(error, tr("Spectrometer %1 could not be opened.").arg(index));
    return false;
  }
  DeviceInfo read;
  if (!readInfo(&read)) {
    fail(error, tr("The attached device is a light meter, not a spectrometer: it does not answer "
                   "as a spectrometer. The hand-held meter is read with Solvane."));
    return false;
  }
  if (!readId(&read.id)) {
    fail(error, failureReason(tr("Reading the device identifier")));
    return false;
  }
  *info = read;
  return true;
}

bool setIntegrationTime(int time, QString *error) {
  if (time < 0 || time > kMaxIntegrationTime) {
    fail(error, tr("The integration time %1 lies outside 0 to %2.")
                    .arg(millisecondsText(time), millisecondsText(kMaxIntegrationTime)));
    return false;
  }
  if (QSP_SetIntegrationTime(time) != 0) {
    fail(error, failureReason(tr("Setting the integration time to %1").arg(millisecondsText(time))));
    return false;
  }
  return true;
}

bool acquireFrame(const AcquisitionSettings &settings, Frame *frame, QString *error) {
  if (QSP_GetIntegrationTime() != settings.integrationTime &&
      !setIntegrationTime(settings.integrationTime, error)) {
    return false;
  }
  Frame read;
  read.time = QDateTime::currentDateTime();
  read.integrationTime = settings.integrationTime;
  read.pixels.resize(kPixels);
  read.dark.resize(kDarkPixels);
  if (GetOrgIntesnsity(read.pixels.data(), read.dark.data()) != 0) {
    fail(error, failureReason(tr("Reading a detector frame")));
    return false;
  }
  if (!readProcessed(settings, &read, error)) {
    return false;
  }
  const int spectra = settings.keepScans ? std::max(settings.scans, 1) : 1;
  for (int scan = 0; scan < spectra; ++scan) {
    if (!readSpectrum(&read.spectrum, error)) {
      return false;
    }
    if (settings.keepScans) {
      read.scanSpectra.append(scaledSpectrum(read.spectrum));
    }
  }
  *frame = read;
  return true;
}

} // namespace specview
