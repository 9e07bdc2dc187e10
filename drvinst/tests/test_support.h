#pragma once

// Helpers shared by the drvinst tests: scratch folders, files and ZIP
// archives written with minizip.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace drvinst::test {

// A new folder under the system's temporary folder, removed with its
// content when the object goes.
class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder &) = delete;
  ScratchFolder &operator=(const ScratchFolder &) = delete;

  const std::string &path() const { return path_; }
  std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
  std::string path_;
};

// Sets an environment variable (unsets it for nullptr) and restores the
// earlier value when the object goes.
class ScopedEnvironment {
public:
  ScopedEnvironment(const char *name, const char *value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment &) = delete;
  ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
  std::string name_;
  std::optional<std::string> earlier_;
};

// Local time eight hours ahead of UTC, without daylight saving.
inline constexpr char kUtcPlus8[] = "CST-8";

void writeFile(const std::string &path, const std::string &content);
std::string readFile(const std::string &path);
bool fileExists(const std::string &path);
// Names of the files and folders below `folder`, relative to it, sorted.
std::vector<std::string> treeOf(const std::string &folder);
// The folders that the install command made for unpacking in
// `temporaryFolder` (its TMPDIR).
std::vector<std::string> unpackFolders(const std::string &temporaryFolder);

// 2013-06-26 12:00:00 as an MS-DOS date and time.
inline constexpr std::uint32_t kDosNoonJune26 =
    (((2013u - 1980u) << 9 | 6u << 5 | 26u) << 16) | (12u << 11);

struct ZipEntry {
  ZipEntry(std::string entryName, std::string entryContent, std::uint16_t madeBy = 0,
           std::uint32_t external = 0x20, std::uint32_t dos = kDosNoonJune26,
           std::string extra = {}, bool storeOnly = false)
      : name(std::move(entryName)), content(std::move(entryContent)), versionMadeBy(madeBy),
        externalAttributes(external), dosDateTime(dos), extraField(std::move(extra)),
        stored(storeOnly) {}

  std::string name;
  std::string content;
  std::uint16_t versionMadeBy; // host system in the high byte
  std::uint32_t externalAttributes;
  std::uint32_t dosDateTime;
  std::string extraField; // written to both the local and the central header
  bool stored;            // no compression
};

void writeZip(const std::string &path, const std::vector<ZipEntry> &entries);

// Sets the uncompressed size of every entry of a ZIP archive written by
// writeZip, in its local and its central header, whatever its data holds.
void declareUncompressedSizes(std::string &zip, std::uint32_t size);

// An extended-timestamp ("UT") extra block with `flags` and these times.
std::string extendedTimestamp(std::uint8_t flags, const std::vector<std::uint32_t> &unixTimes);

// A program file: `imageSize` zero bytes followed by `archive`.
void writeProgram(const std::string &path, std::size_t imageSize, const std::string &archive);

} // namespace drvinst::test
