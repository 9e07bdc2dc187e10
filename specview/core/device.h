#pragma once

// The spectrometer as specview uses it, through specsdk's public C API only:
// connecting (device list, open, identifier, information block), the
// integration time, and one frame of every view the program shows.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace specview {

inline constexpr int kPixels = 2048;
inline constexpr int kDarkPixels = 16;
inline constexpr int kSpectrumPoints = 400; // 380 to 779 nm at 1 nm
inline constexpr int kSpectrumFirstNm = 380;
inline constexpr int kMaxIntegrationTime = 6553; // ms; the device holds ten times it in 16 bits

// An integration time as the program shows it: "100 ms".
inline QString millisecondsText(int milliseconds) {
  return QStringLiteral("%1 ms").arg(milliseconds);
}
inline constexpr double kSpectrumScale = 10000;  // the acquisition's intensities carry ×10000

// The instrument information block and identifier.
struct DeviceInfo {
  QString id;                   // 14 characters
  QStringList texts;            // model, serial, firmware, detector, calibration date
  quint32 pixelCount = 0;
  quint32 serialNumber = 0;
  int firstNm = 0;
  int lastNm = 0;
  int darkPixels = 0;
  int adcBits = 16;
  int minIntegrationTime = 1;
  QVector<int> temperatureTable; // 60 values

  // The largest count the detector's converter gives.
  int fullScale() const;
  // The shortest integration time the device takes, at least 1.
  int shortestIntegrationTime() const;
};

struct LowPassSettings {
  bool enabled = false;
  double sampleRate = 1;   // samples per nm on the 1 nm grid
  double passBand = 0.04;  // cycles per nm that pass
  double transition = 0.04;
  int attenuation = 50;    // dB; chooses the window
};

struct AcquisitionSettings {
  int integrationTime = 100;
  int scans = 1;
  int boxcar = 1; // 0: the filtered counts at the pixel wavelengths, unresampled
  LowPassSettings lowPass;
  // Read `scans` calibrated spectra, one per scan, and keep each: their
  // spread gives the uncertainty of the figures.
  bool keepScans = false;
};

// One frame of every view.
struct Frame {
  QDateTime time;
  int integrationTime = 0;
  QVector<int> pixels; // 2048 raw counts
  QVector<int> dark;   // the 16 dark counts
  // The processed intensity (GetIntensity, CalceBoxcar, then the low-pass
  // filter when on): the 1 nm grid from 300 to 1000 nm as far as the pixels
  // reach, or the 2048 pixel wavelengths with boxcar 0.
  QVector<double> wavelengths;
  QVector<double> intensity;
  // The calibrated spectrum of QSP_SpectrometerDataAcquire, 380 to 779 nm, as
  // it delivers it (×10000); the last scan's when scans are kept.
  QVector<int> spectrum;
  // With the scans kept: each scan's calibrated spectrum in its own units.
  QVector<QVector<double>> scanSpectra;

  bool isValid() const { return pixels.size() == kPixels; }
  // The spectrum in its own units (the delivered values / 10000); the mean
  // of the scans when they are kept.
  QVector<double> spectrumValues() const;
  int peakCount() const;
  // The integer mean of the 16 dark counts.
  int darkLevel() const;
};

// The count the USB library lists; -1 when it is missing or cannot list.
int deviceCount();

// Opens device `index`, reads the identifier and the information block.
// False with a sentence in `error` when there is no USB library, no device,
// or the device does not answer as a spectrometer.
bool connectDevice(int index, DeviceInfo *info, QString *error);

// Sends the time; false with why when the device refuses it.
bool setIntegrationTime(int time, QString *error);

// Sets the integration time when it differs from the device's, then reads
// one frame of each view. False with why in `error` when any read fails;
// `frame` is then untouched.
bool acquireFrame(const AcquisitionSettings &settings, Frame *frame, QString *error);

} // namespace specview
