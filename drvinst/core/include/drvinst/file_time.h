#pragma once

// File times in the form Windows stores them: 100-ns intervals since
// 1601-01-01 UTC. Archive entries carry MS-DOS local times and Unix times;
// both are converted to this one form.

#include <cstdint>

namespace drvinst {

using FileTime = std::uint64_t;

struct FileTimes {
  FileTime creation = 0;
  FileTime lastAccess = 0;
  FileTime lastWrite = 0;
};

// Seconds between 1601-01-01 and 1970-01-01.
inline constexpr std::int64_t kUnixEpochInFileTimeSeconds = 11644473600;
inline constexpr std::int64_t kFileTimeTicksPerSecond = 10000000;

FileTime fileTimeFromUnix(std::int64_t secondsSince1970);

// Whole seconds since 1970 and the remaining nanoseconds of a file time.
struct UnixTime {
  std::int64_t seconds;
  long nanoseconds;
};
UnixTime unixTimeFromFileTime(FileTime time);

// An MS-DOS date (high 16 bits) and time (low 16 bits), read as local time.
FileTime fileTimeFromLocalDosDateTime(std::uint32_t dosDateTime);

} // namespace drvinst
