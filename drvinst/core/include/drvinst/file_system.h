#pragma once

// Thin layer over the operating system's file calls. Windows implements it
// with the ANSI Win32 calls (CreateDirectoryA, CreateFileA, SetFileTime,
// FindFirstFileA, ...), other systems with POSIX calls.
//
// What POSIX cannot store is ignored there: the creation time, and the
// hidden, system and archive attributes. Read-only clears the write bits.

#include "drvinst/file_time.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drvinst {

#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

inline bool isPathSeparator(char c) {
  return c == '\\' || c == '/';
}

// `folder` and `name` joined by one separator; the separators inside `name`
// become the system's own.
std::string joinPath(std::string_view folder, std::string_view name);

// `path` without its last component and the separators before it; empty
// when nothing is left.
std::string parentFolder(std::string_view path);

struct FileAttributes {
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
  bool folder = false;
  bool archive = false;
};

struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

namespace fs {

// Functions that can fail take a last `error` as described in
// drvinst/failure.h; the sentence names the path and the system's reason.

bool pathExists(const std::string &path);
bool isFolder(const std::string &path);
// Creates one folder whose parent exists.
bool createFolder(const std::string &path, std::string *error);
bool removeFile(const std::string &path);
// Removes `path` with everything below it, read-only files too; symbolic
// links are removed, never followed. Best effort: what cannot be removed
// stays.
void removeFolderTree(const std::string &path);

// Entries of `folder` whose names match the wildcard `pattern` ('*', '?'),
// compared without regard to case. Windows keeps the order of its file
// search; elsewhere the names are sorted so that runs are repeatable.
// nullopt when the folder cannot be read.
std::optional<std::vector<FolderEntry>> listFolder(const std::string &folder,
                                                   const std::string &pattern, std::string *error);

// The full path of the running program's file.
std::string ownProgramPath();

// Creates a new, empty folder for one run and returns its path; empty on
// failure. An existing folder is never reused.
std::string createFreshFolder(std::string *error);

// What creating an output file does when the path already exists.
enum class ExistingFile { Replace, Refuse };

// A file created for writing only.
class OutputFile {
public:
  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile &) = delete;
  OutputFile &operator=(const OutputFile &) = delete;

  bool create(const std::string &path, const FileAttributes &attributes, ExistingFile existing,
              std::string *error);
  bool write(const void *data, std::size_t size, std::string *error);
  // Applies the times when given (and, where the system needs it last, the
  // attributes) and closes the file.
  bool finish(const FileTimes *times, std::string *error);
  // Closes the file as it is, for a caller that gives it up.
  void close();

private:
  std::string path_;
#if defined(_WIN32)
  void *handle_ = nullptr;
#else
  int descriptor_ = -1;
  bool readOnly_ = false;
#endif
};

} // namespace fs
} // namespace drvinst
