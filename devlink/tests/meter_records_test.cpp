#include "devlink/meter_records.h"

#include "devlink/endian.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace meter = devlink::meter;

TEST(MeterRecords, StoredRecordFieldsSitAtTheirOffsets) {
  std::vector<std::uint8_t> reply(meter::kRecordBytes, 0);
  const std::uint8_t clock[] = {0xDF, 0x07, 0x06, 0x1E, 0x17, 0x3B, 0x3A};
  std::copy(std::begin(clock), std::end(clock), reply.begin());
  devlink::writeF64le(reply.data() + 7, 1520.5);
  reply[15] = 0x34; // sample 0 = 0x1234
  reply[16] = 0x12;
  reply[815] = 0xFF; // sample 400 = 0xFFFF
  reply[816] = 0xFF;
  devlink::writeF64le(reply.data() + 817, 0.978);

  ASSERT_TRUE(meter::recordExists(reply.data()));
  const meter::StoredRecord record = meter::decodeStoredRecord(reply.data());
  EXPECT_EQ(record.time.year, 2015);
  EXPECT_EQ(record.time.month, 6);
  EXPECT_EQ(record.time.day, 30);
  EXPECT_EQ(record.time.hour, 23);
  EXPECT_EQ(record.time.minute, 59);
  EXPECT_EQ(record.time.second, 58);
  EXPECT_EQ(record.illuminance, 1520.5);
  EXPECT_EQ(record.samples[0], 0x1234);
  EXPECT_EQ(record.samples[400], 0xFFFF);
  EXPECT_EQ(record.ratio, 0.978);

  std::vector<std::uint8_t> encoded(meter::kRecordBytes, 0xA5);
  meter::encodeStoredRecord(record, encoded.data());
  EXPECT_EQ(encoded, reply);

  meter::encodeNoRecord(encoded.data());
  EXPECT_FALSE(meter::recordExists(encoded.data()));
  EXPECT_EQ(encoded[2], 0);
}

TEST(MeterRecords, TestResultAndRawBlocks) {
  meter::TestResult result;
  result.illuminance = 1.5;
  result.samples[400] = 0xBEEF;
  std::vector<std::uint8_t> reply(meter::kTestResultBytes);
  ASSERT_TRUE(meter::encodeTestResult(result, reply.data()));
  EXPECT_EQ(reply[3], 0x40); // 1.5 = 00 00 00 40 01 00
  EXPECT_EQ(reply[6 + 800], 0xEF);
  const meter::TestResult back = meter::decodeTestResult(reply.data());
  EXPECT_EQ(back.illuminance, 1.5);
  EXPECT_EQ(back.samples, result.samples);

  result.illuminance = 1e300; // exponent 300 does not fit the meter number
  EXPECT_FALSE(meter::encodeTestResult(result, reply.data()));

  std::vector<std::uint16_t> counts(300, 0);
  counts[299] = 0x0102;
  std::vector<std::uint8_t> block(600);
  meter::encodeRawBlock(counts.data(), 6, block.data());
  EXPECT_EQ(block[598], 0x02);
  std::vector<std::uint16_t> decoded(300);
  meter::decodeRawBlock(block.data(), 6, decoded.data());
  EXPECT_EQ(decoded, counts);
}

} // namespace
