#include "drvinst/file_system.h"

#include "drvinst/failure.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>

namespace drvinst::fs {
namespace {

constexpr char kFreshFolderRoot[] = "c:\\temp\\";
constexpr int kFreshFolderDigits = 16;

FILETIME toFileTime(FileTime time) {
  return {static_cast<DWORD>(time & 0xFFFFFFFFu), static_cast<DWORD>(time >> 32)};
}

DWORD toWin32Attributes(const FileAttributes &attributes) {
  DWORD flags = 0;
  flags |= attributes.readOnly ? FILE_ATTRIBUTE_READONLY : 0;
  flags |= attributes.hidden ? FILE_ATTRIBUTE_HIDDEN : 0;
  flags |= attributes.system ? FILE_ATTRIBUTE_SYSTEM : 0;
  flags |= attributes.archive ? FILE_ATTRIBUTE_ARCHIVE : 0;
  return flags != 0 ? flags : FILE_ATTRIBUTE_NORMAL;
}

std::string drawFolderName() {
  std::string path = kFreshFolderRoot;
  for (int i = 0; i < kFreshFolderDigits; ++i) {
    path += "0123456789ABCDEF"[std::rand() % 16];
  }
  return path;
}

} // namespace

bool pathExists(const std::string &path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isFolder(const std::string &path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool createFolder(const std::string &path, std::string *error) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0 ||
         failWithSystemError(error, "cannot create the folder", path);
}

bool removeFile(const std::string &path) {
  return DeleteFileA(path.c_str()) != 0;
}

void removeFolderTree(const std::string &path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return;
  }
  // Unpacked files may be read-only, which DeleteFileA refuses.
  SetFileAttributesA(path.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  // A reparse point (a link) is removed itself, never followed.
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    DeleteFileA(path.c_str());
    return;
  }
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    for (const FolderEntry &entry : listFolder(path, "*", nullptr).value_or(std::vector<FolderEntry>())) {
      removeFolderTree(joinPath(path, entry.name));
    }
  }
  RemoveDirectoryA(path.c_str());
}

std::optional<std::vector<FolderEntry>> listFolder(const std::string &folder,
                                                   const std::string &pattern, std::string *error) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(joinPath(folder, pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // A readable folder without a match is no failure.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) {
      return entries;
    }
    failWithSystemError(error, "cannot read the folder", folder);
    return std::nullopt;
  }
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") {
      entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

std::string ownProgramPath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

std::string createFreshFolder(std::string *error) {
  static const bool seeded = [] {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return true;
  }();
  (void)seeded;
  if (!isFolder(kFreshFolderRoot) && !createFolder(kFreshFolderRoot, error)) {
    return {};
  }
  // A second run within the same second draws the same first name; an
  // existing folder belongs to another run, so draw again.
  for (;;) {
    std::string path = drawFolderName();
    if (CreateDirectoryA(path.c_str(), nullptr)) {
      return path;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      failWithSystemError(error, "cannot create a temporary folder", path);
      return {};
    }
  }
}

OutputFile::~OutputFile() {
  close();
}

bool OutputFile::create(const std::string &path, const FileAttributes &attributes,
                        ExistingFile existing, std::string *error) {
  close();
  path_ = path;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                            existing == ExistingFile::Replace ? CREATE_ALWAYS : CREATE_NEW,
                            toWin32Attributes(attributes), nullptr);
  handle_ = file == INVALID_HANDLE_VALUE ? nullptr : file;
  return handle_ != nullptr || failWithSystemError(error, "cannot create the file", path);
}

bool OutputFile::write(const void *data, std::size_t size, std::string *error) {
  DWORD written = 0;
  return (WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr) &&
          written == size) ||
         failWithSystemError(error, "cannot write the file", path_);
}

bool OutputFile::finish(const FileTimes *times, std::string *error) {
  bool ok = true;
  if (times != nullptr) {
    const FILETIME creation = toFileTime(times->creation);
    const FILETIME access = toFileTime(times->lastAccess);
    const FILETIME write = toFileTime(times->lastWrite);
    ok = SetFileTime(handle_, &creation, &access, &write) != 0 ||
         failWithSystemError(error, "cannot set the times of the file", path_);
  }
  close();
  return ok;
}

void OutputFile::close() {
  if (handle_ != nullptr) {
    CloseHandle(handle_);
    handle_ = nullptr;
  }
}

} // namespace drvinst::fs
