#include "meter_commands.h"

#include "common_commands.h"
#include "wire_format.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"

#include <algorithm>

namespace tesselusb {

namespace {

constexpr std::uint32_t kRawBlockCounts = 450;
constexpr std::uint32_t kLastRawBlock = 6;
constexpr std::uint32_t kIntensityWriteBlockNumbers = 6;
constexpr std::uint32_t kIntensityReadBlockNumbers = 105;
constexpr std::uint32_t kMeterNumberBytes = devlink::kMeterNumberBytes;

// Stored record layout.
constexpr std::uint32_t kRecordBytes = 825;
constexpr std::size_t kRecordIlluminanceOffset = 7;
constexpr std::size_t kRecordSamplesOffset = 15;
constexpr std::size_t kRecordRatioOffset = 817;
constexpr std::uint16_t kNoRecordYear = 0xFFFF;

// Test result layout: illuminance as a meter number, then the samples.
constexpr std::uint32_t kTestResultBytes = 808;

bool acknowledge(MeterState&, const Frame&) { return true; }

bool readRawBlock(MeterState& meter, const Frame& frame) {
  const std::size_t first = frame.loc * kRawBlockCounts;
  writeCounts(meter.rawCounts.data() + first, frame.count / 2, frame.data);
  return true;
}

bool writeWavelengthCoefficients(MeterState& meter, const Frame& frame) {
  return decodeStorableMeterNumbers(frame.data, kMeterWavelengthCoefficients,
                                    meter.wavelengthCoefficients.data());
}

bool readWavelengthCoefficients(MeterState& meter, const Frame& frame) {
  return encodeMeterNumbers(meter.wavelengthCoefficients.data(), kMeterWavelengthCoefficients,
                            frame.data);
}

bool writeIntensityBlock(MeterState& meter, const Frame& frame) {
  const std::size_t first = frame.loc * kIntensityWriteBlockNumbers;
  return decodeStorableMeterNumbers(frame.data, kIntensityWriteBlockNumbers,
                                    meter.intensityCoefficients.data() + first);
}

bool readIntensityBlock(MeterState& meter, const Frame& frame) {
  const std::size_t first = frame.loc * kIntensityReadBlockNumbers;
  return encodeMeterNumbers(meter.intensityCoefficients.data() + first,
                            kIntensityReadBlockNumbers, frame.data);
}

bool writeIlluminanceCoefficient(MeterState& meter, const Frame& frame) {
  return decodeStorableMeterNumbers(frame.data, 1, &meter.illuminanceCoefficient);
}

bool readIlluminanceCoefficient(MeterState& meter, const Frame& frame) {
  return encodeMeterNumbers(&meter.illuminanceCoefficient, 1, frame.data);
}

bool startTest(MeterState& meter, const Frame&) {
  meter.testStarted = true;
  return true;
}

bool readReadyFlag(MeterState& meter, const Frame& frame) {
  frame.data[0] = meter.testStarted ? 1 : 0;
  return true;
}

bool readTestResult(MeterState& meter, const Frame& frame) {
  if (!encodeMeterNumbers(&meter.testResult.illuminance, 1, frame.data)) {
    return false;
  }
  writeCounts(meter.testResult.spectrum.data(), kSpectrumSamples, frame.data + kMeterNumberBytes);
  return true;
}

void encodeRecord(const MeterRecord& record, std::uint8_t* out) {
  devlink::writeU16le(out, static_cast<std::uint16_t>(record.time.year));
  const int clock[] = {record.time.month, record.time.day, record.time.hour, record.time.minute,
                       record.time.second};
  for (std::size_t i = 0; i < std::size(clock); ++i) {
    out[2 + i] = static_cast<std::uint8_t>(clock[i]);
  }
  devlink::writeF64le(out + kRecordIlluminanceOffset, record.illuminance);
  writeCounts(record.spectrum.data(), kSpectrumSamples, out + kRecordSamplesOffset);
  devlink::writeF64le(out + kRecordRatioOffset, record.ratio);
}

// An ordinal past the last record answers with year 65535 and no content.
bool readStoredRecord(MeterState& meter, const Frame& frame) {
  if (frame.loc < meter.records.size()) {
    encodeRecord(meter.records[frame.loc], frame.data);
  } else {
    std::fill(frame.data, frame.data + kRecordBytes, 0);
    devlink::writeU16le(frame.data, kNoRecordYear);
  }
  return true;
}

} // namespace

const CommandTable<MeterState>& meterCommands() {
  using E = CommandEntry;
  static const CommandTable<MeterState> table = {
      {0, E::Write, 0, 0, 2, &writeIntegrationTime<MeterState>},
      {1, E::Read, 0, 0, 2, &readIntegrationTime<MeterState>},
      {2, E::Cmd, 2, 2, 0, &acknowledge}, // save the integration time
      {3, E::Read, 0, kLastRawBlock - 1, 2 * kRawBlockCounts, &readRawBlock},
      {3, E::Read, kLastRawBlock, kLastRawBlock,
       2 * (kRawCounts - kLastRawBlock * kRawBlockCounts), &readRawBlock},
      {4, E::Cmd, 0, 0, 0, &acknowledge}, // stop raw acquisition
      {5, E::Write, 0, 0, kMeterWavelengthCoefficients * kMeterNumberBytes,
       &writeWavelengthCoefficients},
      {6, E::Read, 0, 0, kMeterWavelengthCoefficients * kMeterNumberBytes,
       &readWavelengthCoefficients},
      {7, E::Write, 0, kMeterIntensityCoefficients / kIntensityWriteBlockNumbers - 1,
       kIntensityWriteBlockNumbers * kMeterNumberBytes, &writeIntensityBlock},
      {8, E::Read, 0, kMeterIntensityCoefficients / kIntensityReadBlockNumbers - 1,
       kIntensityReadBlockNumbers * kMeterNumberBytes, &readIntensityBlock},
      {9, E::Write, 0, 0, kMeterNumberBytes, &writeIlluminanceCoefficient},
      {10, E::Read, 0, 0, kMeterNumberBytes, &readIlluminanceCoefficient},
      {11, E::Cmd, 0, kAnyLoc, 0, &startTest},
      {12, E::Read, 0, 0, 1, &readReadyFlag},
      {13, E::Read, 0, kAnyLoc, kTestResultBytes, &readTestResult},
      {17, E::Read, 0, kAnyLoc, kRecordBytes, &readStoredRecord},
  };
  return table;
}

} // namespace tesselusb
