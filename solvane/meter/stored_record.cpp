#include "stored_record.h"

#include "devlink/endian.h"

namespace protocol = devlink::meter;

std::optional<StoredRecord> decodeStoredRecord(const std::uint8_t *bytes) {
  const std::uint8_t *time = bytes + protocol::kRecordTimeOffset;
  const std::uint16_t year = devlink::readU16le(time);
  if (year == protocol::kNoRecordYear) {
    return std::nullopt;
  }
  StoredRecord record;
  record.year = year;
  record.month = time[2];
  record.day = time[3];
  record.hour = time[4];
  record.minute = time[5];
  record.second = time[6];
  record.illuminance = devlink::readF64le(bytes + protocol::kRecordIlluminanceOffset);
  record.ratio = devlink::readF64le(bytes + protocol::kRecordRatioOffset);
  for (std::size_t i = 0; i < record.intensity.size(); ++i) {
    record.intensity[i] = devlink::readU16le(bytes + protocol::kRecordSamplesOffset + 2 * i);
  }
  return record;
}
