#include "test_support.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace drvinst::test {

namespace stdfs = std::filesystem;

ScratchFolder::ScratchFolder() {
  std::string pattern = (stdfs::temp_directory_path() / "drvinst-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a scratch folder");
  }
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  stdfs::remove_all(path_, ignored);
}

ScopedEnvironment::ScopedEnvironment(const char *name, const char *value) : name_(name) {
  if (const char *earlier = std::getenv(name)) {
    earlier_ = earlier;
  }
  if (value != nullptr) {
    ::setenv(name, value, 1);
  } else {
    ::unsetenv(name);
  }
  ::tzset();
}

ScopedEnvironment::~ScopedEnvironment() {
  if (earlier_) {
    ::setenv(name_.c_str(), earlier_->c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
  ::tzset();
}

void writeFile(const std::string &path, const std::string &content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string readFile(const std::string &path) {
  std::ifstream input(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
}

bool fileExists(const std::string &path) {
  return stdfs::exists(path);
}

std::vector<std::string> treeOf(const std::string &folder) {
  std::vector<std::string> names;
  for (const auto &entry : stdfs::recursive_directory_iterator(folder)) {
    names.push_back(stdfs::relative(entry.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> unpackFolders(const std::string &temporaryFolder) {
  std::vector<std::string> folders;
  for (const auto &entry : stdfs::directory_iterator(temporaryFolder)) {
    if (entry.is_directory() && entry.path().filename().string().rfind("drvinst-", 0) == 0) {
      folders.push_back(entry.path().string());
    }
  }
  return folders;
}

void writeZip(const std::string &path, const std::vector<ZipEntry> &entries) {
  zipFile archive = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  if (archive == nullptr) {
    throw std::runtime_error("cannot create " + path);
  }
  for (const ZipEntry &entry : entries) {
    zip_fileinfo info{};
    info.dosDate = entry.dosDateTime;
    info.external_fa = entry.externalAttributes;
    const auto extraSize = static_cast<uInt>(entry.extraField.size());
    const void *extra = extraSize > 0 ? entry.extraField.data() : nullptr;
    zipOpenNewFileInZip4(archive, entry.name.c_str(), &info, extra, extraSize, extra, extraSize,
                         nullptr, entry.stored ? 0 : Z_DEFLATED,
                         entry.stored ? 0 : Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                         Z_DEFAULT_STRATEGY, nullptr, 0, entry.versionMadeBy, 0);
    zipWriteInFileInZip(archive, entry.content.data(), static_cast<unsigned>(entry.content.size()));
    zipCloseFileInZip(archive);
  }
  zipClose(archive, nullptr);
}

void declareUncompressedSizes(std::string &zip, std::uint32_t size) {
  const auto patch = [&zip, size](const char *signature, std::size_t sizeOffset) {
    for (std::size_t at = zip.find(signature, 0, 4); at != std::string::npos;
         at = zip.find(signature, at + 4, 4)) {
      for (std::size_t i = 0; i < 4; ++i) {
        zip[at + sizeOffset + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
      }
    }
  };
  patch("PK\x03\x04", 22); // local headers
  patch("PK\x01\x02", 24); // central directory
}

std::string extendedTimestamp(std::uint8_t flags, const std::vector<std::uint32_t> &unixTimes) {
  const std::size_t size = 1 + 4 * unixTimes.size();
  std::string block = {'U', 'T', static_cast<char>(size & 0xFF), static_cast<char>(size >> 8),
                       static_cast<char>(flags)};
  for (std::uint32_t time : unixTimes) {
    for (int shift = 0; shift < 32; shift += 8) {
      block += static_cast<char>((time >> shift) & 0xFF);
    }
  }
  return block;
}

void writeProgram(const std::string &path, std::size_t imageSize, const std::string &archive) {
  writeFile(path, std::string(imageSize, '\0') + archive);
}

} // namespace drvinst::test
