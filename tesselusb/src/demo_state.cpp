#include "demo_state.h"

#include "cie/tables.h"
#include "colorimetry/planck.h"
#include "colorimetry/tristimulus.h"
#include "devlink/meter_records.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tesselusb {

namespace {

// Relative spectral power at a wavelength in nm.
using SpectralShape = std::function<double(double nm)>;

double gaussian(double nm, double centreNm, double fwhmNm) {
  const double sigma = fwhmNm / 2.3548200450309493; // FWHM = 2 sqrt(2 ln 2) sigma
  const double z = (nm - centreNm) / sigma;
  return std::exp(-0.5 * z * z);
}

// A table column at any wavelength, linear between grid rows.
SpectralShape tableShape(const cie::Table &table, int column) {
  return [&table, column](double nm) {
    const double position = (nm - table.firstNm) / table.stepNm;
    const int below = std::clamp(static_cast<int>(std::floor(position)), 0, table.rows - 2);
    const double t = position - below;
    const double *values = table.values;
    return values[below * table.columns + column] * (1 - t) +
           values[(below + 1) * table.columns + column] * t;
  };
}

// A phosphor-converted white LED: the blue emitter plus a broad phosphor band.
SpectralShape whiteLed(double blueWeight, double phosphorNm, double phosphorFwhmNm) {
  return [=](double nm) {
    return blueWeight * gaussian(nm, 450, 20) + gaussian(nm, phosphorNm, phosphorFwhmNm);
  };
}

// Relative sensitivity of a silicon detector behind its optics; it shapes
// the raw counts the instruments see.
double detectorResponse(double nm) {
  return 0.15 + 0.85 * gaussian(nm, 620, 420);
}

std::uint16_t toCount(double value) {
  return static_cast<std::uint16_t>(std::clamp(std::lround(value), 0L, 65535L));
}

Samples spectrumWithPeak(const SpectralShape &shape, double peakCount) {
  std::array<double, kSpectrumSamples> power{};
  for (std::size_t i = 0; i < kSpectrumSamples; ++i) {
    power[i] = shape(kSpectrumFirstNm + static_cast<double>(i));
  }
  const double peak = *std::max_element(power.begin(), power.end());
  Samples spectrum{};
  for (std::size_t i = 0; i < kSpectrumSamples; ++i) {
    spectrum[i] = toCount(power[i] / peak * peakCount);
  }
  return spectrum;
}

// Wavelength of pixel p: the polynomial c0 + c1 p + c2 p^2 + ...
using PixelWavelength = std::function<double(std::size_t pixel)>;

template <std::size_t N> PixelWavelength pixelWavelength(const std::array<double, N> &c) {
  return [c](std::size_t pixel) {
    double value = 0;
    for (std::size_t i = N; i-- > 0;) {
      value = value * static_cast<double>(pixel) + c[i];
    }
    return value;
  };
}

// Counts of a detector whose pixel p sees wavelength(p): a dark offset with a
// fixed pattern plus the light scaled to peakCount.
template <std::size_t N>
std::array<std::uint16_t, N> detectorFrame(const PixelWavelength &wavelength,
                                           const SpectralShape &light, double darkLevel,
                                           double peakCount) {
  std::array<double, N> signal{};
  for (std::size_t p = 0; p < N; ++p) {
    const double nm = wavelength(p);
    signal[p] = light(nm) * detectorResponse(nm);
  }
  const double peak = *std::max_element(signal.begin(), signal.end());
  std::array<std::uint16_t, N> counts{};
  for (std::size_t p = 0; p < N; ++p) {
    const double pattern = static_cast<double>((p * 7) % 11) - 5;
    counts[p] = toCount(darkLevel + pattern + signal[p] / peak * peakCount);
  }
  return counts;
}

struct DemoRecord {
  RecordTime time;
  double illuminance;
  double peakCount;
  SpectralShape shape;
};

// The ratio a calibrated meter stores with counts taken at an illuminance:
// the record's reported Y is that illuminance.
double calibratedRatio(const Samples &counts, double illuminance) {
  const std::vector<double> values(counts.begin(), counts.end());
  const colorimetry::Tristimulus sums =
      colorimetry::plainSums(values.data(), static_cast<int>(values.size()), 1, cie::cmf1931_2deg);
  return devlink::meter::ratioForIlluminance(illuminance, sums.Y);
}

std::vector<StoredRecord> demoRecords() {
  constexpr int kF2 = 1, kF7 = 6, kF11 = 10; // columns of the F1 to F12 table
  const DemoRecord demo[] = {
      {{2019, 5, 21, 14, 3, 9}, 412.6, 58000, tableShape(cie::illuminantA, 0)},
      {{2019, 5, 21, 14, 7, 42}, 1035.2, 41000, tableShape(cie::illuminantD65, 0)},
      {{2019, 5, 22, 9, 15, 30}, 523.8, 52000, tableShape(cie::illuminantsF1toF12, kF2)},
      {{2019, 5, 22, 9, 21, 4}, 748.1, 47000, tableShape(cie::illuminantsF1toF12, kF7)},
      {{2019, 5, 23, 16, 45, 51}, 612.4, 56000, tableShape(cie::illuminantsF1toF12, kF11)},
      // About 3000 K and 6000 K.
      {{2019, 6, 2, 10, 12, 17}, 318.9, 36000, whiteLed(0.35, 600, 150)},
      {{2019, 6, 2, 10, 18, 55}, 1520.3, 44000, whiteLed(1.67, 560, 130)},
      {{2019, 6, 3, 20, 31, 8}, 184.7, 24000, [](double nm) { return gaussian(nm, 525, 30); }},
  };
  std::vector<StoredRecord> records;
  for (const DemoRecord &record : demo) {
    const Samples counts = spectrumWithPeak(record.shape, record.peakCount);
    records.push_back(
        {record.time, record.illuminance, counts, calibratedRatio(counts, record.illuminance)});
  }
  return records;
}

// A halogen lamp switched on cold: its filament approaches the working
// temperature exponentially, so CCT and illuminance rise steeply over the
// first readings and then settle.
struct WarmUp {
  static constexpr int kReadings = 10;
  static constexpr double kColdKelvin = 2350;
  static constexpr double kWarmKelvin = 2950;
  static constexpr double kTimeConstantReadings = 2.0;
  static constexpr double kWarmIlluminance = 820; // lx
  static constexpr double kWarmPeakCount = 52000; // at 780 nm, the hot end of the range

  static double kelvinAt(int reading) {
    return kWarmKelvin - (kWarmKelvin - kColdKelvin) * std::exp(-reading / kTimeConstantReadings);
  }
};

// The filament as a Planck radiator: relative exitance at a wavelength.
SpectralShape filament(double kelvin) {
  return [kelvin](double nm) {
    return colorimetry::planckExitance(colorimetry::kReferencePlanck, nm * 1e-9, kelvin);
  };
}

// What the eye makes of a spectral shape over 380 to 780 nm: the ȳ-weighted sum.
double luminousSum(const SpectralShape &shape) {
  constexpr int kYBar = 1;
  double sum = 0;
  for (std::size_t i = 0; i < kSpectrumSamples; ++i) {
    const int nm = kSpectrumFirstNm + static_cast<int>(i);
    sum += shape(nm) * cie::cmf1931_2deg.at(nm, kYBar);
  }
  return sum;
}

// The same filament at every reading, so counts and illuminance both scale
// with its light against the warm lamp's.
std::vector<TestResult> halogenWarmUp() {
  const SpectralShape warm = filament(WarmUp::kWarmKelvin);
  const double warmPeak = warm(kSpectrumFirstNm + kSpectrumSamples - 1.0);
  const double warmLuminous = luminousSum(warm);
  std::vector<TestResult> series;
  for (int reading = 0; reading < WarmUp::kReadings; ++reading) {
    const SpectralShape lamp = filament(WarmUp::kelvinAt(reading));
    const double lux = WarmUp::kWarmIlluminance * luminousSum(lamp) / warmLuminous;
    TestResult result;
    result.illuminance = std::round(lux * 10) / 10;
    for (std::size_t i = 0; i < kSpectrumSamples; ++i) {
      const double nm = kSpectrumFirstNm + static_cast<double>(i);
      result.samples[i] = toCount(lamp(nm) / warmPeak * WarmUp::kWarmPeakCount);
    }
    series.push_back(result);
  }
  return series;
}

} // namespace

MeterState demoMeter() {
  MeterState meter;
  meter.deviceId = "LM0401-0000042";
  meter.integrationTimeTenths = 1000;
  meter.records = demoRecords();
  meter.illuminanceCoefficient = 1.0237;
  // Raw pixel p sees about 335 + 0.155 p nm.
  meter.wavelengthCoefficients = {335.12, 0.15508, -1.62e-7, 2.4e-12, 0, 0};
  // Coefficient k belongs to 370 + k nm and evens out the detector response.
  for (std::size_t k = 0; k < kMeterIntensityCoefficients; ++k) {
    meter.intensityCoefficients[k] = std::round(1e4 / detectorResponse(370.0 + k)) / 1e4;
  }
  meter.testResults = halogenWarmUp();
  meter.rawCounts = detectorFrame<kRawCounts>(pixelWavelength(meter.wavelengthCoefficients),
                                              tableShape(cie::illuminantD65, 0), 480, 30000);
  return meter;
}

SpectrometerState demoSpectrometer() {
  SpectrometerState spectrometer;
  spectrometer.deviceId = "SP2048-0000123";
  spectrometer.integrationTimeTenths = 1000;
  // Pixels 0 to 2047 span about 300 to 995 nm.
  spectrometer.wavelengthCoefficients = {300.0, 0.35, -5.0e-6, 0, 0};
  spectrometer.pixels = detectorFrame<kPixels>(pixelWavelength(spectrometer.wavelengthCoefficients),
                                               whiteLed(1.67, 560, 130), 500, 40000);
  for (std::size_t k = 0; k < kDarkCounts; ++k) {
    spectrometer.dark[k] = static_cast<std::uint16_t>(496 + (k * 5) % 9);
  }
  // The SDK divides by both correction tables, so each holds the detector
  // response at its wavelength and undoes it: intensity coefficient k
  // belongs to 380 + k nm (QSP_SpectrometerDataAcquire), qd value k to
  // 300 + k nm (GetAdjustIntensity over GetIntensity's 300 to 1000 nm).
  for (std::size_t k = 0; k < kSpectrometerIntensityCoefficients; ++k) {
    spectrometer.intensityCoefficients[k] = std::round(1e4 * detectorResponse(380.0 + k)) / 1e4;
  }
  for (std::size_t k = 0; k < kQdValues; ++k) {
    spectrometer.qd[k] = std::round(1e4 * detectorResponse(300.0 + k)) / 1e4;
  }
  SpectrometerInfo &info = spectrometer.info;
  info.texts = {"SP2048", "0000123", "FW 2.14", "CCD 2048 px", "2019-03-12"};
  info.uint32Values = {static_cast<std::uint32_t>(kPixels), 123};
  info.uint16Values = {300, 1000, static_cast<std::uint16_t>(kDarkCounts), 16, 1};
  // A temperature compensation table in thousandths, -0.120 to +0.116.
  for (std::size_t k = 0; k < kInfoInt32Values; ++k) {
    info.int32Values[k] = static_cast<std::int32_t>(4 * k) - 120;
  }
  return spectrometer;
}

} // namespace tesselusb
