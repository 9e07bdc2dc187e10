#include "drvinst/file_system.h"

namespace drvinst {

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!joined.empty() && !isPathSeparator(joined.back())) {
    joined += kPathSeparator;
  }
  for (char c : name) {
    joined += isPathSeparator(c) ? kPathSeparator : c;
  }
  return joined;
}

std::string parentFolder(std::string_view path) {
  std::size_t end = path.size();
  while (end > 0 && isPathSeparator(path[end - 1])) {
    --end;
  }
  while (end > 0 && !isPathSeparator(path[end - 1])) {
    --end;
  }
  // Keep a lone leading separator: the parent of "/tmp" is "/".
  while (end > 1 && isPathSeparator(path[end - 1])) {
    --end;
  }
  return std::string(path.substr(0, end));
}

} // namespace drvinst
