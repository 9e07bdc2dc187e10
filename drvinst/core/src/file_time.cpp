#include "drvinst/file_time.h"

#include <ctime>

namespace drvinst {

FileTime fileTimeFromUnix(std::int64_t secondsSince1970) {
  return static_cast<FileTime>((secondsSince1970 + kUnixEpochInFileTimeSeconds) *
                               kFileTimeTicksPerSecond);
}

UnixTime unixTimeFromFileTime(FileTime time) {
  const auto ticks = static_cast<std::int64_t>(time);
  return {ticks / kFileTimeTicksPerSecond - kUnixEpochInFileTimeSeconds,
          static_cast<long>(ticks % kFileTimeTicksPerSecond) * 100};
}

FileTime fileTimeFromLocalDosDateTime(std::uint32_t dosDateTime) {
  const std::uint32_t date = dosDateTime >> 16;
  const std::uint32_t time = dosDateTime & 0xFFFFu;
  std::tm local{};
  local.tm_year = static_cast<int>((date >> 9) & 0x7Fu) + 80;
  local.tm_mon = static_cast<int>((date >> 5) & 0x0Fu) - 1;
  local.tm_mday = static_cast<int>(date & 0x1Fu);
  local.tm_hour = static_cast<int>(time >> 11);
  local.tm_min = static_cast<int>((time >> 5) & 0x3Fu);
  local.tm_sec = static_cast<int>(time & 0x1Fu) * 2;
  local.tm_isdst = -1; // let the C library apply the daylight rule of that date
  return fileTimeFromUnix(static_cast<std::int64_t>(std::mktime(&local)));
}

} // namespace drvinst
