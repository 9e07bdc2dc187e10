#pragma once

// The driver package travels as a ZIP archive appended to the program file:
// the executable image is padded with zero bytes to kPackageOffset and the
// archive fills the rest of the file. There is no marker or length field.

#include <cstddef>
#include <cstdint>
#include <string>

namespace drvinst {

inline constexpr std::uint64_t kPackageOffset = 131072;
inline constexpr char kArchiveCopyName[] = "temp.zip";

// Bounds on what an archive may make the extraction do, far above the few
// megabytes of a real driver package, so that a hostile archive can fill
// neither the disk nor the memory nor take long.
inline constexpr std::uint64_t kMaxUnpackedBytes = 64u << 20; // all entries together
inline constexpr std::uint64_t kMaxEntryBytes = 32u << 20;    // one entry
inline constexpr std::uint64_t kMaxEntries = 1024;
// Windows' path limit (MAX_PATH less its terminator) for the name below
// the extraction folder.
inline constexpr std::size_t kMaxEntryNameLength = 259;
// Folders an entry may need below the extraction folder.
inline constexpr std::size_t kMaxFolderDepth = 32;

// Functions that can fail take a last `error` as described in
// drvinst/failure.h.

// Creates `path` and every missing parent folder, without recursion and
// with memory linear in the length of `path`.
bool createFolderWithParents(const std::string &path, std::string *error);

// Extracts every entry of the ZIP archive into `destination`, which is
// created when missing. The archive's directory is checked first: an entry
// name that leads out of the folder or breaks one of the limits above, or
// declared sizes beyond them, refuse the archive before anything is
// written. Then the entries are extracted in order until one fails (damaged
// data, a file that cannot be written); true only when all were extracted.
// Nothing is ever written outside `destination`, and a partly written file
// is removed.
bool unzipIntoFolder(const std::string &archivePath, const std::string &destination,
                     std::string *error = nullptr);

enum class UnpackStatus {
  NoArchiveCopy,    // no package, the program file unreadable, or the copy not written
  Extracted,        // the copy was written and every entry extracted
  ExtractionFailed, // the copy was written but the unzip failed
};

// Copies the archive appended to `programPath` to "temp.zip" in `folder`
// and unzips it there. The copy is made as a new file, never over an
// existing one, and left in place.
UnpackStatus unpackAppendedPackage(const std::string &programPath, const std::string &folder,
                                   std::string *error = nullptr);

// What "drvinst --unpack" does: unpacks the package appended to
// `programPath` into `folder` and deletes the archive copy. The folder must
// be new or empty, so that no file that was there before is overwritten or
// deleted.
bool unpackIntoNewFolder(const std::string &programPath, const std::string &folder,
                         std::string *error);

std::string archiveCopyPath(const std::string &folder);

} // namespace drvinst
