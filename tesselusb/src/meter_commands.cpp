#include "meter_commands.h"

#include "common_commands.h"
#include "wire_format.h"

#include "devlink/meter_number.h"
#include "devlink/meter_records.h"

#include <algorithm>

namespace tesselusb {

namespace {

namespace protocol = devlink::meter;
using devlink::encodeMeterNumbers;

constexpr std::uint32_t kMeterNumberBytes = devlink::kMeterNumberBytes;
constexpr std::uint32_t kLastRawBlock = protocol::kRawBlocks - 1;

bool acknowledge(MeterState &, const Frame &) {
  return true;
}

bool readRawBlock(MeterState &meter, const Frame &frame) {
  const auto block = static_cast<int>(frame.loc);
  devlink::meter::encodeRawBlock(meter.rawCounts.data() + block * protocol::kRawBlockCounts, block,
                                 frame.data);
  return true;
}

bool writeWavelengthCoefficients(MeterState &meter, const Frame &frame) {
  return decodeStorableMeterNumbers(frame.data, kMeterWavelengthCoefficients,
                                    meter.wavelengthCoefficients.data());
}

bool readWavelengthCoefficients(MeterState &meter, const Frame &frame) {
  return encodeMeterNumbers(meter.wavelengthCoefficients.data(), kMeterWavelengthCoefficients,
                            frame.data);
}

bool writeIntensityBlock(MeterState &meter, const Frame &frame) {
  const std::size_t first = frame.loc * protocol::kIntensityWriteBlockNumbers;
  return decodeStorableMeterNumbers(frame.data, protocol::kIntensityWriteBlockNumbers,
                                    meter.intensityCoefficients.data() + first);
}

bool readIntensityBlock(MeterState &meter, const Frame &frame) {
  const std::size_t first = frame.loc * protocol::kIntensityReadBlockNumbers;
  return encodeMeterNumbers(meter.intensityCoefficients.data() + first,
                            protocol::kIntensityReadBlockNumbers, frame.data);
}

bool writeIlluminanceCoefficient(MeterState &meter, const Frame &frame) {
  return decodeStorableMeterNumbers(frame.data, 1, &meter.illuminanceCoefficient);
}

bool readIlluminanceCoefficient(MeterState &meter, const Frame &frame) {
  return encodeMeterNumbers(&meter.illuminanceCoefficient, 1, frame.data);
}

bool startTest(MeterState &meter, const Frame &) {
  ++meter.testsStarted;
  meter.pollsSinceStart = 0;
  return true;
}

// 0 until a test was started and readyAfterPolls polls have answered 0
// since; then 1 until the next start.
bool readReadyFlag(MeterState &meter, const Frame &frame) {
  const bool started = meter.testsStarted > 0;
  const bool ready = started && meter.pollsSinceStart >= meter.readyAfterPolls;
  if (started && !ready) {
    ++meter.pollsSinceStart;
  }
  frame.data[0] = ready ? 1 : 0;
  return true;
}

// The result of the latest started test (the first before any): started
// test n takes result n, and past the end of the list the last one.
const TestResult &latestTestResult(const MeterState &meter) {
  const std::size_t latest = meter.testsStarted > 0 ? meter.testsStarted - 1 : 0;
  return meter.testResults[std::min(latest, meter.testResults.size() - 1)];
}

bool readTestResult(MeterState &meter, const Frame &frame) {
  return devlink::meter::encodeTestResult(latestTestResult(meter), frame.data);
}

// An ordinal past the last record answers with year 65535 and no content.
bool readStoredRecord(MeterState &meter, const Frame &frame) {
  if (frame.loc >= meter.records.size()) {
    devlink::meter::encodeNoRecord(frame.data);
    return true;
  }
  devlink::meter::encodeStoredRecord(meter.records[frame.loc], frame.data);
  return true;
}

} // namespace

const CommandTable<MeterState> &meterCommands() {
  using E = CommandEntry;
  static const CommandTable<MeterState> table = {
      {protocol::kSetIntegrationTime, E::Write, 0, 0, protocol::kIntegrationTimeBytes,
       &writeIntegrationTime<MeterState>},
      {protocol::kReadIntegrationTime, E::Read, 0, 0, protocol::kIntegrationTimeBytes,
       &readIntegrationTime<MeterState>},
      {protocol::kSaveIntegrationTime, E::Cmd, protocol::kSaveIntegrationTimeLoc,
       protocol::kSaveIntegrationTimeLoc, 0, &acknowledge},
      {protocol::kReadRawBlock, E::Read, 0, kLastRawBlock - 1, 2 * protocol::kRawBlockCounts,
       &readRawBlock},
      {protocol::kReadRawBlock, E::Read, kLastRawBlock, kLastRawBlock,
       2 * protocol::rawCountsInBlock(kLastRawBlock), &readRawBlock},
      {protocol::kStopRawData, E::Cmd, 0, 0, 0, &acknowledge},
      {protocol::kWriteWavelengthCoefficients, E::Write, 0, 0,
       kMeterWavelengthCoefficients * kMeterNumberBytes, &writeWavelengthCoefficients},
      {protocol::kReadWavelengthCoefficients, E::Read, 0, 0,
       kMeterWavelengthCoefficients * kMeterNumberBytes, &readWavelengthCoefficients},
      {protocol::kWriteIntensityBlock, E::Write, 0, protocol::kIntensityWriteBlocks - 1,
       protocol::kIntensityWriteBlockNumbers * kMeterNumberBytes, &writeIntensityBlock},
      {protocol::kReadIntensityBlock, E::Read, 0, protocol::kIntensityReadBlocks - 1,
       protocol::kIntensityReadBlockNumbers * kMeterNumberBytes, &readIntensityBlock},
      {protocol::kWriteIlluminanceCoefficient, E::Write, 0, 0, kMeterNumberBytes,
       &writeIlluminanceCoefficient},
      {protocol::kReadIlluminanceCoefficient, E::Read, 0, 0, kMeterNumberBytes,
       &readIlluminanceCoefficient},
      {protocol::kStartTest, E::Cmd, 0, kAnyLoc, 0, &startTest},
      {protocol::kReadReadyFlag, E::Read, 0, 0, 1, &readReadyFlag},
      {protocol::kReadTestResult, E::Read, 0, kAnyLoc, protocol::kTestResultBytes, &readTestResult},
      {protocol::kReadStoredRecord, E::Read, 0, kAnyLoc, protocol::kRecordBytes, &readStoredRecord},
  };
  return table;
}

} // namespace tesselusb
