#pragma once

// Everything the simulated instrument holds: the stored data, settings and
// calibration of a meter or a spectrometer, plus the run-time flags that
// its commands change.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "devlink/meter_protocol.h"
#include "devlink/meter_records.h"
#include "devlink/spectrometer_protocol.h"
#include "devlink/usb_library.h"
#include "encoded_table.h"

namespace tesselusb {

// Meter sizes.
inline constexpr std::size_t kSpectrumSamples = devlink::meter::kSpectrumSamples;
inline constexpr int kSpectrumFirstNm = devlink::meter::kSpectrumFirstNm;
inline constexpr std::size_t kRawCounts = devlink::meter::kRawCounts;
inline constexpr std::size_t kMeterWavelengthCoefficients = devlink::meter::kWavelengthCoefficients;
inline constexpr std::size_t kMeterIntensityCoefficients = devlink::meter::kIntensityCoefficients;

// Spectrometer sizes.
inline constexpr std::size_t kPixels = devlink::spectrometer::kPixels;
inline constexpr std::size_t kDarkCounts = devlink::spectrometer::kDarkCounts;
inline constexpr std::size_t kSpectrometerWavelengthCoefficients =
    devlink::spectrometer::kWavelengthCoefficients;
inline constexpr std::size_t kSpectrometerIntensityCoefficients =
    devlink::spectrometer::kIntensityCoefficients;
inline constexpr std::size_t kQdValues = devlink::spectrometer::kQdValues;
inline constexpr std::size_t kInfoTexts = devlink::spectrometer::kInfoTexts;
inline constexpr std::size_t kInfoTextBytes = devlink::spectrometer::kInfoTextBytes;
inline constexpr std::size_t kInfoUint32Values = devlink::spectrometer::kInfoUint32Values;
inline constexpr std::size_t kInfoUint16Values = devlink::spectrometer::kInfoUint16Values;
inline constexpr std::size_t kInfoInt32Values = devlink::spectrometer::kInfoInt32Values;

inline constexpr std::size_t kDeviceIdLength = devlink::kDeviceIdBytes;

inline constexpr const char *kMeterKind = "meter";
inline constexpr const char *kSpectrometerKind = "spectrometer";

// The meter's stored records and test results, held as the types its replies encode.
using devlink::meter::RecordTime;
using devlink::meter::Samples;
using devlink::meter::StoredRecord;
using devlink::meter::TestResult;

// Settings both instruments have.
struct CommonSettings {
  // The wire value: ten times the integration time at the interface.
  std::uint16_t integrationTimeTenths = 1000;
  std::string deviceId; // kDeviceIdLength characters
};

struct MeterState : CommonSettings {
  std::vector<StoredRecord> records;
  double illuminanceCoefficient = 1;
  std::array<double, kMeterWavelengthCoefficients> wavelengthCoefficients{};
  std::array<double, kMeterIntensityCoefficients> intensityCoefficients{};
  // Served in turn: each started test takes the next result, the last one
  // repeats. Never empty.
  std::vector<TestResult> testResults;
  // Ready-flag polls that answer 0 after a test is started, before it is ready.
  std::uint32_t readyAfterPolls = 0;
  std::array<std::uint16_t, kRawCounts> rawCounts{};
  // Run time: tests started so far, and ready-flag polls since the last start.
  std::size_t testsStarted = 0;
  std::uint32_t pollsSinceStart = 0;
};

// The 338-byte instrument information block, field group by field group.
struct SpectrometerInfo {
  std::array<std::string, kInfoTexts> texts; // at most kInfoTextBytes each
  std::array<std::uint32_t, kInfoUint32Values> uint32Values{};
  std::array<std::uint16_t, kInfoUint16Values> uint16Values{};
  std::array<std::int32_t, kInfoInt32Values> int32Values{};
};

struct SpectrometerState : CommonSettings {
  std::array<std::uint16_t, kPixels> pixels{};
  std::array<std::uint16_t, kDarkCounts> dark{};
  std::array<double, kSpectrometerWavelengthCoefficients> wavelengthCoefficients{};
  std::array<double, kSpectrometerIntensityCoefficients> intensityCoefficients{};
  std::array<double, kQdValues> qd{};
  SpectrometerInfo info;
  // The integration time (wire value) at which `pixels` were taken. When
  // set, a frame at another time scales each pixel's signal above the dark
  // level with the time, up to the converter's full scale; unset, frames
  // are `pixels` whatever the time.
  std::optional<std::uint16_t> pixelsTimeTenths;
  // Run time: the two tables are read in consecutive parts; each cursor is
  // the next part and starts over when the device is opened.
  std::size_t intensityCursor = 0;
  std::size_t qdCursor = 0;
  // Run time: the coefficient replies, encoded once.
  EncodedTable<kSpectrometerWavelengthCoefficients> wavelengthEncoding;
  EncodedTable<kSpectrometerIntensityCoefficients> intensityEncoding;
  EncodedTable<kQdValues> qdEncoding;
};

// A command (and optionally one loc) whose every exchange fails.
struct Fault {
  std::uint32_t command = 0;
  std::optional<std::uint32_t> loc;
};

struct DeviceState {
  std::variant<MeterState, SpectrometerState> device;
  std::vector<Fault> faults;
  // Run time: set by OpenDevice, cleared by CloseDevice.
  bool open = false;

  const CommonSettings &settings() const {
    return std::visit([](const auto &d) -> const CommonSettings & { return d; }, device);
  }
  // The instrument's name in state files and device lists.
  const char *kindName() const {
    return std::holds_alternative<SpectrometerState>(device) ? kSpectrometerKind : kMeterKind;
  }
};

} // namespace tesselusb
