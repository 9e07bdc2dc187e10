// The meter's stored-record decoding: any 825 bytes give a record whose
// fields are the stored bytes, or no record exactly when the year is 65535.

#include "fuzz_check.h"
#include "devlink/endian.h"
#include "devlink/meter_records.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace protocol = devlink::meter;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // Replies always have the full length; shorter inputs are padded.
  std::vector<std::uint8_t> reply(protocol::kRecordBytes, 0);
  std::memcpy(reply.data(), data, std::min(size, reply.size()));
  const bool noRecord = devlink::readU16le(reply.data()) == protocol::kNoRecordYear;
  FUZZ_CHECK(protocol::recordExists(reply.data()) != noRecord);
  if (noRecord) {
    return 0;
  }
  const protocol::StoredRecord record = protocol::decodeStoredRecord(reply.data());
  FUZZ_CHECK(record.time.month == reply[2] && record.time.second == reply[6]);
  FUZZ_CHECK(std::memcmp(&record.ratio, reply.data() + protocol::kRecordRatioOffset, 8) == 0);
  FUZZ_CHECK(record.samples[400] == reply[815] + 256 * reply[816]);
  // Every byte is a field, so encoding the decoded record gives the reply back.
  std::vector<std::uint8_t> again(protocol::kRecordBytes, 0);
  protocol::encodeStoredRecord(record, again.data());
  FUZZ_CHECK(again == reply);
  return 0;
}
