// The meter's stored-record decoding: any 825 bytes give a record whose
// fields are the stored bytes, or no record exactly when the year is 65535.

#include "fuzz_check.h"
#include "stored_record.h"

#include "devlink/endian.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace protocol = devlink::meter;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // Replies always have the full length; shorter inputs are padded.
  std::vector<std::uint8_t> reply(protocol::kRecordBytes, 0);
  std::memcpy(reply.data(), data, std::min(size, reply.size()));
  const std::optional<StoredRecord> record = decodeStoredRecord(reply.data());
  const bool noRecord = devlink::readU16le(reply.data()) == protocol::kNoRecordYear;
  FUZZ_CHECK(record.has_value() != noRecord);
  if (!record) {
    return 0;
  }
  FUZZ_CHECK(record->month == reply[2] && record->second == reply[6]);
  FUZZ_CHECK(std::memcmp(&record->ratio, reply.data() + protocol::kRecordRatioOffset, 8) == 0);
  for (std::size_t i = 0; i < record->intensity.size(); ++i) {
    const double sample = record->intensity[i];
    FUZZ_CHECK(sample >= 0 && sample <= 65535 && sample == std::floor(sample));
  }
  FUZZ_CHECK(record->intensity[400] == reply[815] + 256 * reply[816]);
  return 0;
}
