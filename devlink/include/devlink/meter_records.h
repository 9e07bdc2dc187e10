#pragma once

// The meter's reply layouts as pure functions: stored records, test results
// and raw-data blocks. The program's meter layer decodes with them and the
// simulated meter encodes with them, so both follow one layout.

#include "devlink/meter_protocol.h"

#include <array>
#include <cstdint>

namespace devlink::meter {

using Samples = std::array<std::uint16_t, kSpectrumSamples>;

struct RecordTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// A record's colour-matching sums are plain sums over its counts; times the
// record's ratio and this scale they are in the meter's absolute units.
inline constexpr double kTristimulusScale = 47080 / 13.785;

// The ratio under which counts whose plain 2° Y sum is `plainY` report a Y
// equal to `illuminance`: how a calibrated meter ties its spectrum to its
// photometer. 1 when the counts have no luminous part, so nothing divides
// by zero.
double ratioForIlluminance(double illuminance, double plainY);

// Reply to kReadStoredRecord.
struct StoredRecord {
  RecordTime time;
  double illuminance = 0;
  Samples samples{};
  double ratio = 1;
};

// False when the reply says that no record exists at the ordinal.
bool recordExists(const std::uint8_t *reply);
StoredRecord decodeStoredRecord(const std::uint8_t *reply);
void encodeStoredRecord(const StoredRecord &record, std::uint8_t *reply);
// The reply past the last record: year 65535, everything else 0.
void encodeNoRecord(std::uint8_t *reply);

// Reply to kReadTestResult.
struct TestResult {
  double illuminance = 0;
  Samples samples{};
};

TestResult decodeTestResult(const std::uint8_t *reply);
// False when the illuminance cannot be encoded as a meter number.
bool encodeTestResult(const TestResult &result, std::uint8_t *reply);

// Reply to kReadRawBlock for `block`: rawCountsInBlock(block) counts.
void decodeRawBlock(const std::uint8_t *reply, int block, std::uint16_t *counts);
void encodeRawBlock(const std::uint16_t *counts, int block, std::uint8_t *reply);

} // namespace devlink::meter
