#include "drvinst/package.h"

#include "drvinst/archive_entry.h"
#include "drvinst/file_system.h"
#include "drvinst/text.h"

#include <unzip.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace drvinst {
namespace {

constexpr std::size_t kChunkSize = 16384;

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct ArchiveCloser {
  void operator()(void *archive) const { unzClose(archive); }
};
using Archive = std::unique_ptr<void, ArchiveCloser>;

// Copies everything from `offset` to the end of `source` into `target`.
// Fails when `source` holds nothing past `offset`.
bool copyTail(const std::string &source, std::uint64_t offset, const std::string &target) {
  File input(std::fopen(source.c_str(), "rb"));
  if (!input || std::fseek(input.get(), 0, SEEK_END) != 0) {
    return false;
  }
  const long length = std::ftell(input.get());
  if (length < 0 || static_cast<std::uint64_t>(length) <= offset ||
      std::fseek(input.get(), static_cast<long>(offset), SEEK_SET) != 0) {
    return false;
  }
  File output(std::fopen(target.c_str(), "wb"));
  if (!output) {
    return false;
  }
  std::vector<char> chunk(kChunkSize);
  std::size_t read = 0;
  while ((read = std::fread(chunk.data(), 1, chunk.size(), input.get())) > 0) {
    if (std::fwrite(chunk.data(), 1, read, output.get()) != read) {
      return false;
    }
  }
  return std::ferror(input.get()) == 0 && std::fclose(output.release()) == 0;
}

bool isReadable(const std::string &path) {
  return File(std::fopen(path.c_str(), "rb")) != nullptr;
}

struct EntryInfo {
  unz_file_info64 info{};
  std::string storedName;
  std::vector<std::uint8_t> extraField;
};

bool readCurrentEntryInfo(void *archive, EntryInfo &entry) {
  if (unzGetCurrentFileInfo64(archive, &entry.info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return false;
  }
  entry.storedName.assign(entry.info.size_filename, '\0');
  entry.extraField.assign(entry.info.size_file_extra, 0);
  return unzGetCurrentFileInfo64(archive, &entry.info, entry.storedName.data(),
                                 static_cast<uLong>(entry.storedName.size()),
                                 entry.extraField.data(),
                                 static_cast<uLong>(entry.extraField.size()), nullptr, 0) == UNZ_OK;
}

// Inflates the open entry into `file` in chunks; true when exactly
// `expectedSize` bytes came out and were written. The size check catches a
// deflate stream that ends early, which the CRC check does not see; a
// stream that runs on past the size is cut off at the first chunk beyond
// it, so an entry never writes more than it declares.
bool inflateInto(void *archive, fs::OutputFile &file, std::uint64_t expectedSize) {
  std::vector<char> chunk(kChunkSize);
  std::uint64_t total = 0;
  int read = 0;
  while ((read = unzReadCurrentFile(archive, chunk.data(), static_cast<unsigned>(chunk.size()))) >
         0) {
    total += static_cast<std::uint64_t>(read);
    if (total > expectedSize || !file.write(chunk.data(), static_cast<std::size_t>(read))) {
      return false;
    }
  }
  return read == 0 && total == expectedSize;
}

// Writes the open entry to a new file at `path`. A partly written file is
// removed so that a damaged entry never passes for a whole one.
bool writeOpenEntry(void *archive, const EntryInfo &entry, const std::string &path,
                    const FileAttributes &attributes) {
  fs::OutputFile file;
  if (!file.create(path, attributes)) {
    return false;
  }
  const bool inflated = inflateInto(archive, file, entry.info.uncompressed_size);
  // Closing the entry reports a CRC mismatch once all its data was read.
  const bool intact = unzCloseCurrentFile(archive) == UNZ_OK && inflated;
  const FileTimes times = entryTimes(static_cast<std::uint32_t>(entry.info.dosDate),
                                     entry.extraField.data(), entry.extraField.size());
  if (intact && file.finish(times)) {
    return true;
  }
  file.close();
  fs::removeFile(path);
  return false;
}

// Byte range of an entry's compressed data in the archive.
struct DataRange {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
  bool overlaps(const DataRange &other) const { return begin < other.end && other.begin < end; }
};

// One unzip: where it writes, what the archive has used of the limits so
// far, and why it stopped.
class Extraction {
public:
  Extraction(void *archive, std::string destination)
      : archive_(archive), destination_(std::move(destination)) {}

  bool extractEntry(std::uint64_t index) {
    entryLabel_ = "entry " + decimal(index + 1);
    EntryInfo entry;
    if (!readCurrentEntryInfo(archive_, entry)) {
      return refuse("cannot be read");
    }
    const std::optional<std::string> name = relativeEntryName(entry.storedName);
    if (!name) {
      return refuse("has a name that leads out of the folder");
    }
    const FileAttributes attributes =
        entryAttributes(static_cast<std::uint16_t>(entry.info.version),
                        static_cast<std::uint32_t>(entry.info.external_fa));
    if (!nameIsAcceptable(*name, attributes.folder)) {
      return false;
    }
    if (attributes.folder) {
      return createFolderWithParents(joinPath(destination_, *name)) ||
             refuse("names a folder that cannot be created");
    }
    return extractFile(entry, *name, attributes);
  }

  const std::string &reason() const { return reason_; }

private:
  bool refuse(const std::string &why) {
    reason_ = entryLabel_ + " " + why;
    return false;
  }

  bool nameIsAcceptable(const std::string &name, bool isFolder) {
    if (name.size() > kMaxEntryNameLength) {
      return refuse("has a name of " + decimal(name.size()) + " characters, more than " +
                    decimal(kMaxEntryNameLength));
    }
    if (folderDepth(name, isFolder) > kMaxFolderDepth) {
      return refuse("lies more than " + decimal(kMaxFolderDepth) + " folders deep");
    }
    if (resolvesTo(name, kArchiveCopyName)) {
      return refuse(std::string("would overwrite the archive copy ") + kArchiveCopyName);
    }
    return true;
  }

  bool sizeIsAcceptable(std::uint64_t size) {
    if (size > kMaxEntryBytes) {
      return refuse("declares " + decimal(size) + " bytes, more than the " +
                    decimal(kMaxEntryBytes) + " an entry may hold");
    }
    if (size > kMaxUnpackedBytes - bytesWritten_) {
      return refuse("would bring the package beyond " + decimal(kMaxUnpackedBytes) +
                    " bytes");
    }
    return true;
  }

  // Opens the entry's data, which must not be shared with an earlier entry:
  // several entries over one compressed stream multiply its output.
  bool openData(const EntryInfo &entry) {
    if (unzOpenCurrentFile(archive_) != UNZ_OK) {
      return refuse("is damaged");
    }
    const std::uint64_t begin = unzGetCurrentFileZStreamPos64(archive_);
    const DataRange range{begin, begin + entry.info.compressed_size};
    for (const DataRange &earlier : dataRanges_) {
      if (range.overlaps(earlier)) {
        unzCloseCurrentFile(archive_);
        return refuse("shares its compressed data with an earlier entry");
      }
    }
    dataRanges_.push_back(range);
    return true;
  }

  bool extractFile(const EntryInfo &entry, const std::string &name,
                   const FileAttributes &attributes) {
    const std::uint64_t size = entry.info.uncompressed_size;
    if (!sizeIsAcceptable(size)) {
      return false;
    }
    const std::size_t separator = name.find_last_of("\\/");
    if (separator != std::string::npos &&
        !createFolderWithParents(joinPath(destination_, name.substr(0, separator)))) {
      return refuse("names a folder that cannot be created");
    }
    if (!openData(entry)) {
      return false;
    }
    if (!writeOpenEntry(archive_, entry, joinPath(destination_, name), attributes)) {
      return refuse("is damaged or cannot be written");
    }
    bytesWritten_ += size;
    return true;
  }

  void *archive_;
  std::string destination_;
  std::string entryLabel_;
  std::string reason_;
  std::uint64_t bytesWritten_ = 0;
  std::vector<DataRange> dataRanges_;
};

bool fail(std::string *whyNot, const std::string &reason) {
  if (whyNot != nullptr) {
    *whyNot = reason;
  }
  return false;
}

} // namespace

bool createFolderWithParents(const std::string &path) {
  // Lengths of the missing folders' paths, deepest first: one copy of the
  // path at a time, however deep it goes.
  std::vector<std::size_t> missing;
  for (std::string folder = path; !folder.empty() && !fs::isFolder(folder);
       folder = parentFolder(folder)) {
    missing.push_back(folder.size());
  }
  for (auto length = missing.rbegin(); length != missing.rend(); ++length) {
    if (!fs::createFolder(path.substr(0, *length))) {
      return false;
    }
  }
  return true;
}

bool unzipIntoFolder(const std::string &archivePath, const std::string &destination,
                     std::string *whyNot) {
  if (archivePath.empty() || destination.empty() || !fs::pathExists(archivePath)) {
    return fail(whyNot, "the archive is missing");
  }
  if (!createFolderWithParents(destination)) {
    return fail(whyNot, "the folder " + destination + " cannot be created");
  }
  Archive archive(unzOpen64(archivePath.c_str()));
  unz_global_info64 global{};
  if (!archive || unzGetGlobalInfo64(archive.get(), &global) != UNZ_OK) {
    return fail(whyNot, "not a ZIP archive");
  }
  if (global.number_entry > kMaxEntries) {
    return fail(whyNot, "the archive holds " + decimal(global.number_entry) +
                            " entries, more than " + decimal(kMaxEntries));
  }
  Extraction extraction(archive.get(), destination);
  for (ZPOS64_T index = 0; index < global.number_entry; ++index) {
    const int moved = index == 0 ? unzGoToFirstFile(archive.get()) : unzGoToNextFile(archive.get());
    if (moved != UNZ_OK) {
      return fail(whyNot, "the archive's directory is damaged");
    }
    if (!extraction.extractEntry(index)) {
      return fail(whyNot, extraction.reason());
    }
  }
  return true;
}

UnpackStatus unpackAppendedPackage(const std::string &programPath, const std::string &folder,
                                   std::string *whyNot) {
  const std::string copyPath = archiveCopyPath(folder);
  if (!createFolderWithParents(folder) || !copyTail(programPath, kPackageOffset, copyPath) ||
      !isReadable(copyPath)) {
    return UnpackStatus::NoArchiveCopy;
  }
  return unzipIntoFolder(copyPath, folder, whyNot) ? UnpackStatus::Extracted
                                                   : UnpackStatus::ExtractionFailed;
}

std::string archiveCopyPath(const std::string &folder) {
  return joinPath(folder, kArchiveCopyName);
}

} // namespace drvinst
