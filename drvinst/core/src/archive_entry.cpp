#include "drvinst/archive_entry.h"

#include "drvinst/text.h"

#include <algorithm>

namespace drvinst {
namespace {

// The non-empty components of `name` other than ".".
std::vector<std::string_view> meaningfulComponents(std::string_view name) {
  std::vector<std::string_view> components;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = start;
    while (end < name.size() && !isPathSeparator(name[end])) {
      ++end;
    }
    const std::string_view component = name.substr(start, end - start);
    if (!component.empty() && component != ".") {
      components.push_back(component);
    }
    start = end + 1;
  }
  return components;
}

bool startsWithParentStep(std::string_view name) {
  return name.size() >= 3 && name[0] == '.' && name[1] == '.' && isPathSeparator(name[2]);
}

// Position just past the first "<sep>..<sep>" in `name`, or npos.
std::size_t endOfFirstInnerParentStep(std::string_view name) {
  for (std::size_t i = 0; i + 4 <= name.size(); ++i) {
    if (isPathSeparator(name[i]) && name[i + 1] == '.' && name[i + 2] == '.' &&
        isPathSeparator(name[i + 3])) {
      return i + 4;
    }
  }
  return std::string_view::npos;
}

// Removes one leading element that could lead out of the folder; false when
// none is left.
bool stripOneUnsafePrefix(std::string_view &name) {
  if (name.size() >= 2 && name[1] == ':') {
    name.remove_prefix(2);
  } else if (!name.empty() && isPathSeparator(name[0])) {
    name.remove_prefix(1);
  } else if (startsWithParentStep(name)) {
    name.remove_prefix(3);
  } else if (const std::size_t end = endOfFirstInnerParentStep(name);
             end != std::string_view::npos) {
    name.remove_prefix(end);
  } else {
    return false;
  }
  return true;
}

bool hasParentComponent(std::string_view name) {
  const std::vector<std::string_view> components = meaningfulComponents(name);
  return std::find(components.begin(), components.end(), "..") != components.end();
}

enum HostSystem : std::uint8_t { kMsDos = 0, kMacintosh = 7, kNtfs = 11, kVfat = 14 };

bool storesDosAttributes(std::uint8_t host) {
  return host == kMsDos || host == kMacintosh || host == kNtfs || host == kVfat;
}

std::uint32_t readLittleEndian32(const std::uint8_t *bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint16_t readLittleEndian16(const std::uint8_t *bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

constexpr std::uint16_t kExtendedTimestampId = 0x5455; // "UT"

// Applies the times of a "UT" block's data: a flags byte, then a 4-byte
// Unix time for each flag set. Central-directory copies usually carry only
// the modification time while keeping all flags, so a time is used only
// when the block really holds it.
void applyExtendedTimestamp(const std::uint8_t *data, std::size_t size, FileTimes &times) {
  if (size < 1) {
    return;
  }
  const std::uint8_t flags = data[0];
  FileTime *const targets[] = {&times.lastWrite, &times.lastAccess, &times.creation};
  std::size_t offset = 1;
  for (int bit = 0; bit < 3; ++bit) {
    if ((flags & (1u << bit)) == 0) {
      continue;
    }
    if (offset + 4 > size) {
      return;
    }
    const auto seconds = static_cast<std::int32_t>(readLittleEndian32(data + offset));
    *targets[bit] = fileTimeFromUnix(seconds);
    offset += 4;
  }
}

} // namespace

std::optional<std::string> relativeEntryName(std::string_view storedName) {
  std::string_view name = storedName;
  while (stripOneUnsafePrefix(name)) {
  }
  if (hasParentComponent(name) || name.find(':') != std::string_view::npos) {
    return std::nullopt;
  }
  return std::string(name);
}

std::size_t folderDepth(std::string_view relativeName, bool isFolder) {
  const std::size_t components = meaningfulComponents(relativeName).size();
  return isFolder || components == 0 ? components : components - 1;
}

bool resolvesTo(std::string_view relativeName, std::string_view fileName) {
  const std::vector<std::string_view> components = meaningfulComponents(relativeName);
  if (components.size() != 1) {
    return false;
  }
  std::string_view name = components.front();
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    name.remove_suffix(1);
  }
  return equalsIgnoringCase(name, fileName);
}

FileAttributes entryAttributes(std::uint16_t versionMadeBy, std::uint32_t externalAttributes) {
  FileAttributes attributes;
  const auto host = static_cast<std::uint8_t>(versionMadeBy >> 8);
  if (storesDosAttributes(host)) {
    attributes.readOnly = (externalAttributes & 0x01u) != 0;
    attributes.hidden = (externalAttributes & 0x02u) != 0;
    attributes.system = (externalAttributes & 0x04u) != 0;
    attributes.folder = (externalAttributes & 0x10u) != 0;
    attributes.archive = (externalAttributes & 0x20u) != 0;
  } else {
    const std::uint32_t unixMode = externalAttributes >> 16;
    attributes.folder = (unixMode & 0x4000u) != 0;
    attributes.readOnly = (unixMode & 0x0080u) == 0;
    attributes.archive = true;
  }
  return attributes;
}

FileTimes entryTimes(std::uint32_t dosDateTime, const std::uint8_t *extraField,
                     std::size_t extraFieldSize) {
  const FileTime dosTime = fileTimeFromLocalDosDateTime(dosDateTime);
  FileTimes times{dosTime, dosTime, dosTime};
  std::size_t offset = 0;
  while (offset + 4 <= extraFieldSize) {
    const std::uint16_t id = readLittleEndian16(extraField + offset);
    const std::size_t size = readLittleEndian16(extraField + offset + 2);
    const std::uint8_t *data = extraField + offset + 4;
    if (offset + 4 + size > extraFieldSize) {
      break;
    }
    if (id == kExtendedTimestampId) {
      applyExtendedTimestamp(data, size, times);
      break;
    }
    offset += 4 + size;
  }
  return times;
}

} // namespace drvinst
