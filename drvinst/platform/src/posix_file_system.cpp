#include "drvinst/file_system.h"

#include "drvinst/failure.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drvinst::fs {

bool pathExists(const std::string &path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

bool isFolder(const std::string &path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool createFolder(const std::string &path, std::string *error) {
  return ::mkdir(path.c_str(), 0777) == 0 ||
         failWithSystemError(error, "cannot create the folder", path);
}

bool removeFile(const std::string &path) {
  return ::unlink(path.c_str()) == 0;
}

void removeFolderTree(const std::string &path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) {
    return;
  }
  if (!S_ISDIR(status.st_mode)) {
    ::unlink(path.c_str());
    return;
  }
  if (DIR *directory = ::opendir(path.c_str())) {
    std::vector<std::string> names;
    while (const dirent *entry = ::readdir(directory)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") {
        names.push_back(name);
      }
    }
    ::closedir(directory);
    // The depth is that of an unpacked package, which the extraction bounds.
    for (const std::string &name : names) {
      removeFolderTree(joinPath(path, name));
    }
  }
  ::rmdir(path.c_str());
}

std::optional<std::vector<FolderEntry>> listFolder(const std::string &folder,
                                                   const std::string &pattern, std::string *error) {
  std::vector<FolderEntry> entries;
  DIR *directory = ::opendir(folder.c_str());
  if (directory == nullptr) {
    failWithSystemError(error, "cannot read the folder", folder);
    return std::nullopt;
  }
  while (const dirent *entry = ::readdir(directory)) {
    const std::string name = entry->d_name;
    if (name == "." || name == ".." ||
        ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0) {
      continue;
    }
    // stat follows symbolic links, which sysfs uses for its device entries.
    entries.push_back({name, isFolder(joinPath(folder, name))});
  }
  ::closedir(directory);
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry &a, const FolderEntry &b) { return a.name < b.name; });
  return entries;
}

std::string ownProgramPath() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

std::string createFreshFolder(std::string *error) {
  const char *temporary = std::getenv("TMPDIR");
  const std::string pattern =
      joinPath(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp", "drvinst-XXXXXX");
  // mkdtemp draws a new name until it creates a folder no one else has.
  std::string path = pattern;
  if (::mkdtemp(path.data()) == nullptr) {
    failWithSystemError(error, "cannot create a temporary folder", pattern);
    return {};
  }
  return path;
}

OutputFile::~OutputFile() {
  close();
}

bool OutputFile::create(const std::string &path, const FileAttributes &attributes,
                        ExistingFile existing, std::string *error) {
  close();
  const int ifExists = existing == ExistingFile::Replace ? O_TRUNC : O_EXCL;
  descriptor_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | ifExists, 0666);
  path_ = path;
  readOnly_ = attributes.readOnly;
  return descriptor_ >= 0 || failWithSystemError(error, "cannot create the file", path);
}

bool OutputFile::write(const void *data, std::size_t size, std::string *error) {
  const auto *bytes = static_cast<const char *>(data);
  while (size > 0) {
    const ssize_t written = ::write(descriptor_, bytes, size);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return failWithSystemError(error, "cannot write the file", path_);
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool OutputFile::finish(const FileTimes *times, std::string *error) {
  bool ok = true;
  if (times != nullptr) {
    const UnixTime access = unixTimeFromFileTime(times->lastAccess);
    const UnixTime modification = unixTimeFromFileTime(times->lastWrite);
    const timespec stamps[2] = {
        {static_cast<time_t>(access.seconds), access.nanoseconds},
        {static_cast<time_t>(modification.seconds), modification.nanoseconds}};
    ok = ::futimens(descriptor_, stamps) == 0 ||
         failWithSystemError(error, "cannot set the times of the file", path_);
  }
  // Clearing the write bits comes last: the file was still being written.
  struct stat status {};
  if (ok && readOnly_) {
    ok = (::fstat(descriptor_, &status) == 0 &&
          ::fchmod(descriptor_, status.st_mode & ~static_cast<mode_t>(0222)) == 0) ||
         failWithSystemError(error, "cannot make the file read-only", path_);
  }
  // close reports a write that the disk could not take after all.
  ok = (::close(descriptor_) == 0 || failWithSystemError(error, "cannot write the file", path_)) &&
       ok;
  descriptor_ = -1;
  return ok;
}

void OutputFile::close() {
  if (descriptor_ >= 0) {
    ::close(descriptor_);
    descriptor_ = -1;
  }
}

} // namespace drvinst::fs
