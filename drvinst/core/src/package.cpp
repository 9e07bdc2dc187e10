#include "drvinst/package.h"

#include "drvinst/archive_entry.h"
#include "drvinst/file_system.h"

#include <unzip.h>

#include <cstdio>
#include <memory>
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
// deflate stream that ends early, which the CRC check does not see.
bool inflateInto(void *archive, fs::OutputFile &file, std::uint64_t expectedSize) {
  std::vector<char> chunk(kChunkSize);
  std::uint64_t total = 0;
  int read = 0;
  while ((read = unzReadCurrentFile(archive, chunk.data(), static_cast<unsigned>(chunk.size()))) >
         0) {
    if (!file.write(chunk.data(), static_cast<std::size_t>(read))) {
      return false;
    }
    total += static_cast<std::uint64_t>(read);
  }
  return read == 0 && total == expectedSize;
}

// Writes the current entry to a new file at `path`. A partly written file
// is removed so that a damaged entry never passes for a whole one.
bool writeCurrentEntry(void *archive, const EntryInfo &entry, const std::string &path,
                       const FileAttributes &attributes) {
  if (unzOpenCurrentFile(archive) != UNZ_OK) {
    return false;
  }
  fs::OutputFile file;
  if (!file.create(path, attributes)) {
    unzCloseCurrentFile(archive);
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

bool extractCurrentEntry(void *archive, const std::string &baseFolder) {
  EntryInfo entry;
  if (!readCurrentEntryInfo(archive, entry)) {
    return false;
  }
  const std::optional<std::string> name = relativeEntryName(entry.storedName);
  if (!name) {
    return false;
  }
  const FileAttributes attributes =
      entryAttributes(static_cast<std::uint16_t>(entry.info.version),
                      static_cast<std::uint32_t>(entry.info.external_fa));
  if (attributes.folder) {
    return createFolderWithParents(joinPath(baseFolder, *name));
  }
  const std::size_t separator = name->find_last_of("\\/");
  if (separator != std::string::npos &&
      !createFolderWithParents(joinPath(baseFolder, name->substr(0, separator)))) {
    return false;
  }
  return writeCurrentEntry(archive, entry, joinPath(baseFolder, *name), attributes);
}

} // namespace

bool createFolderWithParents(const std::string &path) {
  if (fs::isFolder(path)) {
    return true;
  }
  const std::string parent = parentFolder(path);
  if (!parent.empty() && !createFolderWithParents(parent)) {
    return false;
  }
  return fs::createFolder(path);
}

bool unzipIntoFolder(const std::string &archivePath, const std::string &destination) {
  if (archivePath.empty() || destination.empty() || !fs::pathExists(archivePath) ||
      !createFolderWithParents(destination)) {
    return false;
  }
  Archive archive(unzOpen64(archivePath.c_str()));
  unz_global_info64 global{};
  if (!archive || unzGetGlobalInfo64(archive.get(), &global) != UNZ_OK) {
    return false;
  }
  for (ZPOS64_T index = 0; index < global.number_entry; ++index) {
    const int moved = index == 0 ? unzGoToFirstFile(archive.get()) : unzGoToNextFile(archive.get());
    if (moved != UNZ_OK || !extractCurrentEntry(archive.get(), destination)) {
      return false;
    }
  }
  return true;
}

UnpackStatus unpackAppendedPackage(const std::string &programPath, const std::string &folder) {
  const std::string copyPath = archiveCopyPath(folder);
  if (!createFolderWithParents(folder) || !copyTail(programPath, kPackageOffset, copyPath) ||
      !isReadable(copyPath)) {
    return UnpackStatus::NoArchiveCopy;
  }
  return unzipIntoFolder(copyPath, folder) ? UnpackStatus::Extracted
                                           : UnpackStatus::ExtractionFailed;
}

std::string archiveCopyPath(const std::string &folder) {
  return joinPath(folder, kArchiveCopyName);
}

} // namespace drvinst
