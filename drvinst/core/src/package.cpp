#include "drvinst/package.h"

#include "drvinst/archive_entry.h"
#include "drvinst/failure.h"
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

// Copies `input` from its current position to its end into `output`.
bool copyRest(std::FILE *input, const std::string &inputPath, fs::OutputFile &output,
              std::string *error) {
  std::vector<char> chunk(kChunkSize);
  std::size_t read = 0;
  while ((read = std::fread(chunk.data(), 1, chunk.size(), input)) > 0) {
    if (!output.write(chunk.data(), read, error)) {
      return false;
    }
  }
  return std::ferror(input) == 0 || failWithSystemError(error, "cannot read the file", inputPath);
}

// Copies everything from kPackageOffset to the end of the program file into
// the new file `target`. Fails when the program holds nothing there; a
// partly written copy is removed.
bool copyPackage(const std::string &programPath, const std::string &target, std::string *error) {
  File input(std::fopen(programPath.c_str(), "rb"));
  if (!input || std::fseek(input.get(), 0, SEEK_END) != 0) {
    return failWithSystemError(error, "cannot read the program file", programPath);
  }
  const long length = std::ftell(input.get());
  if (length < 0 || static_cast<std::uint64_t>(length) <= kPackageOffset) {
    return fail(error, {"no driver package in the program file: ", quoted(programPath),
                        ": it holds nothing from offset ", decimal(kPackageOffset), " on"});
  }
  if (std::fseek(input.get(), static_cast<long>(kPackageOffset), SEEK_SET) != 0) {
    return failWithSystemError(error, "cannot read the program file", programPath);
  }
  fs::OutputFile output;
  if (!output.create(target, {}, fs::ExistingFile::Refuse, error)) {
    return false;
  }
  if (copyRest(input.get(), programPath, output, error) && output.finish(nullptr, error)) {
    return true;
  }
  output.close();
  fs::removeFile(target);
  return false;
}

bool checkReadable(const std::string &path, std::string *error) {
  return File(std::fopen(path.c_str(), "rb")) != nullptr ||
         failWithSystemError(error, "cannot read the file", path);
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

// An entry whose name and declared size passed the checks.
struct CheckedEntry {
  std::string name; // relative to the extraction folder
  FileAttributes attributes;
};

// Byte range of an entry's compressed data in the archive.
struct DataRange {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
  bool overlaps(const DataRange &other) const { return begin < other.end && other.begin < end; }
};

// One unzip: where it writes, the archive's limits, and the failure
// sentence's subject ("cannot unpack the archive: PATH").
class Extraction {
public:
  Extraction(void *archive, std::string destination, std::string subject)
      : archive_(archive), destination_(std::move(destination)), subject_(std::move(subject)) {}

  // Walks the archive's directory and checks every entry's name and
  // declared size, so that an archive beyond the limits writes nothing.
  bool survey(std::uint64_t entries, std::string *error) {
    std::uint64_t declaredBytes = 0;
    EntryInfo entry;
    for (std::uint64_t index = 0; index < entries; ++index) {
      if (!readEntry(index, entry, error) || !check(index, entry, declaredBytes, error)) {
        return false;
      }
    }
    return true;
  }

  bool extractAll(std::uint64_t entries, std::string *error) {
    std::uint64_t declaredBytes = 0;
    EntryInfo entry;
    for (std::uint64_t index = 0; index < entries; ++index) {
      std::optional<CheckedEntry> checked;
      if (!readEntry(index, entry, error) ||
          !(checked = check(index, entry, declaredBytes, error)) ||
          !extract(index, entry, *checked, error)) {
        return false;
      }
    }
    return true;
  }

private:
  // Fails with "SUBJECT: entry N " followed by the pieces of `why`.
  bool refuse(std::uint64_t index, std::initializer_list<std::string_view> why,
              std::string *error) const {
    fail(error, {subject_, ": entry ", decimal(index + 1), " "});
    for (std::string_view piece : why) {
      if (error != nullptr) {
        error->append(piece);
      }
    }
    return false;
  }

  bool readEntry(std::uint64_t index, EntryInfo &entry, std::string *error) {
    const int moved = index == 0 ? unzGoToFirstFile(archive_) : unzGoToNextFile(archive_);
    if (moved != UNZ_OK) {
      return fail(error, {subject_, ": the archive's directory is damaged"});
    }
    return readCurrentEntryInfo(archive_, entry) || refuse(index, {"cannot be read"}, error);
  }

  // The entry's place and attributes when its name and size keep within
  // the limits; `declaredBytes` adds up the sizes of the entries so far.
  std::optional<CheckedEntry> check(std::uint64_t index, const EntryInfo &entry,
                                    std::uint64_t &declaredBytes, std::string *error) const {
    std::optional<std::string> name = relativeEntryName(entry.storedName);
    if (!name) {
      refuse(index, {"has a name that leads out of the folder"}, error);
      return std::nullopt;
    }
    const FileAttributes attributes =
        entryAttributes(static_cast<std::uint16_t>(entry.info.version),
                        static_cast<std::uint32_t>(entry.info.external_fa));
    const std::uint64_t size = attributes.folder ? 0 : entry.info.uncompressed_size;
    if (!nameIsAcceptable(index, *name, attributes.folder, error) ||
        !sizeIsAcceptable(index, size, declaredBytes, error)) {
      return std::nullopt;
    }
    declaredBytes += size;
    return CheckedEntry{std::move(*name), attributes};
  }

  bool nameIsAcceptable(std::uint64_t index, const std::string &name, bool isFolder,
                        std::string *error) const {
    if (name.size() > kMaxEntryNameLength) {
      return refuse(index,
                    {"has a name of ", decimal(name.size()), " characters, more than ",
                     decimal(kMaxEntryNameLength)},
                    error);
    }
    if (folderDepth(name, isFolder) > kMaxFolderDepth) {
      return refuse(index, {"lies more than ", decimal(kMaxFolderDepth), " folders deep"}, error);
    }
    if (resolvesTo(name, kArchiveCopyName)) {
      return refuse(index, {"would overwrite the archive copy ", kArchiveCopyName}, error);
    }
    return true;
  }

  bool sizeIsAcceptable(std::uint64_t index, std::uint64_t size, std::uint64_t declaredBytes,
                        std::string *error) const {
    if (size > kMaxEntryBytes) {
      return refuse(index,
                    {"declares ", decimal(size), " bytes, more than the ", decimal(kMaxEntryBytes),
                     " an entry may hold"},
                    error);
    }
    if (size > kMaxUnpackedBytes - declaredBytes) {
      return refuse(index, {"would bring the package beyond ", decimal(kMaxUnpackedBytes), " bytes"},
                    error);
    }
    return true;
  }

  bool extract(std::uint64_t index, const EntryInfo &entry, const CheckedEntry &checked,
               std::string *error) {
    if (checked.attributes.folder) {
      return createFolderWithParents(joinPath(destination_, checked.name), error);
    }
    const std::size_t separator = checked.name.find_last_of("\\/");
    if (separator != std::string::npos &&
        !createFolderWithParents(joinPath(destination_, checked.name.substr(0, separator)),
                                 error)) {
      return false;
    }
    return openData(index, entry, error) &&
           writeOpenEntry(index, entry, joinPath(destination_, checked.name), checked.attributes,
                          error);
  }

  // Opens the entry's data, which must not be shared with an earlier entry:
  // several entries over one compressed stream multiply its output.
  bool openData(std::uint64_t index, const EntryInfo &entry, std::string *error) {
    if (unzOpenCurrentFile(archive_) != UNZ_OK) {
      return refuse(index, {"is damaged"}, error);
    }
    const std::uint64_t begin = unzGetCurrentFileZStreamPos64(archive_);
    const DataRange range{begin, begin + entry.info.compressed_size};
    for (const DataRange &earlier : dataRanges_) {
      if (range.overlaps(earlier)) {
        unzCloseCurrentFile(archive_);
        return refuse(index, {"shares its compressed data with an earlier entry"}, error);
      }
    }
    dataRanges_.push_back(range);
    return true;
  }

  // Inflates the open entry into `file` in chunks; true when exactly
  // `expectedSize` bytes came out and were written. The size check catches
  // a deflate stream that ends early, which the CRC check does not see; a
  // stream that runs on past the size is cut off at the first chunk beyond
  // it, so an entry never writes more than it declares.
  bool inflateInto(std::uint64_t index, fs::OutputFile &file, std::uint64_t expectedSize,
                   std::string *error) {
    std::vector<char> chunk(kChunkSize);
    std::uint64_t total = 0;
    int read = 0;
    while ((read = unzReadCurrentFile(archive_, chunk.data(),
                                      static_cast<unsigned>(chunk.size()))) > 0) {
      total += static_cast<std::uint64_t>(read);
      if (total > expectedSize) {
        return refuse(index, {"is damaged"}, error);
      }
      if (!file.write(chunk.data(), static_cast<std::size_t>(read), error)) {
        return false;
      }
    }
    return (read == 0 && total == expectedSize) || refuse(index, {"is damaged"}, error);
  }

  // Writes the open entry to a new file at `path`. A partly written file is
  // removed so that a damaged entry never passes for a whole one.
  bool writeOpenEntry(std::uint64_t index, const EntryInfo &entry, const std::string &path,
                      const FileAttributes &attributes, std::string *error) {
    fs::OutputFile file;
    if (!file.create(path, attributes, fs::ExistingFile::Replace, error)) {
      unzCloseCurrentFile(archive_);
      return false;
    }
    const bool inflated = inflateInto(index, file, entry.info.uncompressed_size, error);
    // Closing the entry reports a CRC mismatch once all its data was read.
    const bool closed = unzCloseCurrentFile(archive_) == UNZ_OK;
    const bool intact = inflated && (closed || refuse(index, {"is damaged"}, error));
    const FileTimes times = entryTimes(static_cast<std::uint32_t>(entry.info.dosDate),
                                       entry.extraField.data(), entry.extraField.size());
    if (intact && file.finish(&times, error)) {
      return true;
    }
    file.close();
    fs::removeFile(path);
    return false;
  }

  void *archive_;
  std::string destination_;
  std::string subject_;
  std::vector<DataRange> dataRanges_;
};

// The unzip behind unzipIntoFolder, with the subject of its failure
// sentences.
bool unzip(const std::string &archivePath, const std::string &destination,
           const std::string &subject, std::string *error) {
  if (archivePath.empty() || destination.empty() || !fs::pathExists(archivePath)) {
    return fail(error, {subject, ": the archive is missing"});
  }
  Archive archive(unzOpen64(archivePath.c_str()));
  unz_global_info64 global{};
  if (!archive || unzGetGlobalInfo64(archive.get(), &global) != UNZ_OK) {
    return fail(error, {subject, ": it is not a ZIP archive"});
  }
  if (global.number_entry > kMaxEntries) {
    return fail(error, {subject, ": it holds ", decimal(global.number_entry),
                        " entries, more than ", decimal(kMaxEntries)});
  }
  Extraction extraction(archive.get(), destination, subject);
  return extraction.survey(global.number_entry, error) &&
         createFolderWithParents(destination, error) &&
         extraction.extractAll(global.number_entry, error);
}

} // namespace

bool createFolderWithParents(const std::string &path, std::string *error) {
  // Lengths of the missing folders' paths, deepest first: one copy of the
  // path at a time, however deep it goes.
  std::vector<std::size_t> missing;
  for (std::string folder = path; !folder.empty() && !fs::isFolder(folder);
       folder = parentFolder(folder)) {
    missing.push_back(folder.size());
  }
  for (auto length = missing.rbegin(); length != missing.rend(); ++length) {
    if (!fs::createFolder(path.substr(0, *length), error)) {
      return false;
    }
  }
  return true;
}

bool unzipIntoFolder(const std::string &archivePath, const std::string &destination,
                     std::string *error) {
  return unzip(archivePath, destination, "cannot unpack the archive: " + quoted(archivePath),
               error);
}

UnpackStatus unpackAppendedPackage(const std::string &programPath, const std::string &folder,
                                   std::string *error) {
  const std::string copyPath = archiveCopyPath(folder);
  if (!createFolderWithParents(folder, error) || !copyPackage(programPath, copyPath, error) ||
      !checkReadable(copyPath, error)) {
    return UnpackStatus::NoArchiveCopy;
  }
  return unzip(copyPath, folder, "cannot unpack the driver package: " + quoted(programPath), error)
             ? UnpackStatus::Extracted
             : UnpackStatus::ExtractionFailed;
}

bool unpackIntoNewFolder(const std::string &programPath, const std::string &folder,
                         std::string *error) {
  const std::string subject = "cannot unpack into the folder: " + quoted(folder);
  if (fs::pathExists(folder)) {
    if (!fs::isFolder(folder)) {
      return fail(error, {subject, ": it is not a folder"});
    }
    const std::optional<std::vector<FolderEntry>> entries = fs::listFolder(folder, "*", error);
    if (!entries) {
      return false;
    }
    if (!entries->empty()) {
      return fail(error, {subject, ": it already holds ", quoted(entries->front().name),
                          "; unpack into a new or empty folder"});
    }
  }
  const UnpackStatus status = unpackAppendedPackage(programPath, folder, error);
  if (status != UnpackStatus::NoArchiveCopy) {
    fs::removeFile(archiveCopyPath(folder));
  }
  return status == UnpackStatus::Extracted;
}

std::string archiveCopyPath(const std::string &folder) {
  return joinPath(folder, kArchiveCopyName);
}

} // namespace drvinst
