#pragma once

// What an archive entry's stored metadata means on disk: its name relative
// to the extraction folder, its attributes and its file times.

#include "drvinst/file_system.h"
#include "drvinst/file_time.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drvinst {

// The stored name relative to the extraction folder. Drive prefixes,
// leading separators, leading parent steps and everything up to a parent
// step inside the name are removed, so "..\..\Windows\x.inf" becomes
// "Windows\x.inf" and "a/../b.inf" becomes "b.inf". Names that would still
// leave the folder (a ".." component remains) or that hold a ":" (on
// Windows an alternate data stream of another file) are refused with
// nullopt. Both "\" and "/" separate components; the result keeps the
// stored ones.
std::optional<std::string> relativeEntryName(std::string_view storedName);

// Folders that an entry needs below the extraction folder: every component
// of a folder entry's name, all but the last of a file entry's.
std::size_t folderDepth(std::string_view relativeName, bool isFolder);

// True when `relativeName` resolves to the file `fileName` directly in the
// extraction folder: "." components, repeated separators, case and the
// trailing dots and blanks that Windows drops do not make another file.
bool resolvesTo(std::string_view relativeName, std::string_view fileName);

// Attributes from the host system in the high byte of the version-made-by
// field: MS-DOS, Macintosh, NTFS and VFAT hosts store MS-DOS attribute bits,
// every other host a Unix mode in the high 16 bits.
FileAttributes entryAttributes(std::uint16_t versionMadeBy, std::uint32_t externalAttributes);

// Creation, access and write times all start as the MS-DOS time, read as
// local time. The first extended-timestamp ("UT") block of the extra field
// replaces those whose Unix times it carries.
FileTimes entryTimes(std::uint32_t dosDateTime, const std::uint8_t *extraField,
                     std::size_t extraFieldSize);

} // namespace drvinst
