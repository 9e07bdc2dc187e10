#pragma once

// The driver package travels as a ZIP archive appended to the program file:
// the executable image is padded with zero bytes to kPackageOffset and the
// archive fills the rest of the file. There is no marker or length field.

#include <cstdint>
#include <string>

namespace drvinst {

inline constexpr std::uint64_t kPackageOffset = 131072;
inline constexpr char kArchiveCopyName[] = "temp.zip";

// Creates `path` and every missing parent folder.
bool createFolderWithParents(const std::string &path);

// Extracts every entry of the ZIP archive into `destination`, which is
// created when missing. Stops at the first entry that fails; true only when
// all were extracted. Nothing is ever written outside `destination`.
bool unzipIntoFolder(const std::string &archivePath, const std::string &destination);

enum class UnpackStatus {
  NoArchiveCopy,    // no package, the program file unreadable, or the copy not written
  Extracted,        // the copy was written and every entry extracted
  ExtractionFailed, // the copy was written but the unzip failed
};

// Copies the archive appended to `programPath` to "temp.zip" in `folder`
// and unzips it there. The copy is left in place.
UnpackStatus unpackAppendedPackage(const std::string &programPath, const std::string &folder);

std::string archiveCopyPath(const std::string &folder);

} // namespace drvinst
