#include "devlink/meter_records.h"

#include "devlink/endian.h"

#include <algorithm>
#include <cmath>

namespace devlink::meter {

namespace {

constexpr std::size_t kClockFields = 5; // month, day, hour, minute, second after the year

} // namespace

double ratioForIlluminance(double illuminance, double plainY) {
  if (!(plainY > 0) || !std::isfinite(plainY)) {
    return 1;
  }
  return illuminance / (plainY * kTristimulusScale);
}

bool recordExists(const std::uint8_t *reply) {
  return readU16le(reply + kRecordTimeOffset) != kNoRecordYear;
}

StoredRecord decodeStoredRecord(const std::uint8_t *reply) {
  const std::uint8_t *clock = reply + kRecordTimeOffset + 2;
  StoredRecord record;
  record.time = {
      readU16le(reply + kRecordTimeOffset), clock[0], clock[1], clock[2], clock[3], clock[4]};
  record.illuminance = readF64le(reply + kRecordIlluminanceOffset);
  decodeCounts(reply + kRecordSamplesOffset, kSpectrumSamples, record.samples.data());
  record.ratio = readF64le(reply + kRecordRatioOffset);
  return record;
}

void encodeStoredRecord(const StoredRecord &record, std::uint8_t *reply) {
  const RecordTime &t = record.time;
  writeU16le(reply + kRecordTimeOffset, static_cast<std::uint16_t>(t.year));
  const int clock[kClockFields] = {t.month, t.day, t.hour, t.minute, t.second};
  for (std::size_t i = 0; i < kClockFields; ++i) {
    reply[kRecordTimeOffset + 2 + i] = static_cast<std::uint8_t>(clock[i]);
  }
  writeF64le(reply + kRecordIlluminanceOffset, record.illuminance);
  encodeCounts(record.samples.data(), kSpectrumSamples, reply + kRecordSamplesOffset);
  writeF64le(reply + kRecordRatioOffset, record.ratio);
}

void encodeNoRecord(std::uint8_t *reply) {
  std::fill(reply, reply + kRecordBytes, 0);
  writeU16le(reply + kRecordTimeOffset, kNoRecordYear);
}

TestResult decodeTestResult(const std::uint8_t *reply) {
  TestResult result;
  result.illuminance = decodeMeterNumber(reply);
  decodeCounts(reply + kTestResultSamplesOffset, kSpectrumSamples, result.samples.data());
  return result;
}

bool encodeTestResult(const TestResult &result, std::uint8_t *reply) {
  if (!encodeMeterNumber(result.illuminance, reply)) {
    return false;
  }
  encodeCounts(result.samples.data(), kSpectrumSamples, reply + kTestResultSamplesOffset);
  return true;
}

void decodeRawBlock(const std::uint8_t *reply, int block, std::uint16_t *counts) {
  decodeCounts(reply, rawCountsInBlock(block), counts);
}

void encodeRawBlock(const std::uint16_t *counts, int block, std::uint8_t *reply) {
  encodeCounts(counts, rawCountsInBlock(block), reply);
}

} // namespace devlink::meter
