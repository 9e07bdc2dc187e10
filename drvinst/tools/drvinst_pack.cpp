// Build tool that makes drvinst's appended driver package:
//   drvinst_pack zip ARCHIVE FOLDER
//     writes every file at the top level of FOLDER into a new ZIP archive
//     (deflate, entries at the archive's top level, names in sorted order);
//   drvinst_pack append IMAGE ARCHIVE OUTPUT
//     writes IMAGE padded with zero bytes to the package offset, followed by
//     ARCHIVE. Fails when IMAGE is larger than the offset.

#include "drvinst/package.h"

#include <zip.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace stdfs = std::filesystem;

bool readFile(const std::string &path, std::vector<char> &bytes) {
  std::ifstream input(path, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
  return !input.bad() && input.is_open();
}

zip_fileinfo entryInfo(const stdfs::path &file) {
  zip_fileinfo info{};
  struct stat status {};
  if (::stat(file.string().c_str(), &status) == 0) {
    const std::time_t modified = status.st_mtime;
    if (const std::tm *local = std::localtime(&modified)) {
      info.tmz_date.tm_sec = static_cast<uInt>(local->tm_sec);
      info.tmz_date.tm_min = static_cast<uInt>(local->tm_min);
      info.tmz_date.tm_hour = static_cast<uInt>(local->tm_hour);
      info.tmz_date.tm_mday = static_cast<uInt>(local->tm_mday);
      info.tmz_date.tm_mon = static_cast<uInt>(local->tm_mon);
      info.tmz_date.tm_year = static_cast<uInt>(local->tm_year + 1900);
    }
  }
  info.external_fa = 0x20; // MS-DOS "archive" attribute, as Windows sets it
  return info;
}

bool addFile(zipFile archive, const stdfs::path &file) {
  std::vector<char> bytes;
  if (!readFile(file.string(), bytes)) {
    std::cerr << "drvinst_pack: cannot read " << file << "\n";
    return false;
  }
  const zip_fileinfo info = entryInfo(file);
  const std::string name = file.filename().string();
  return zipOpenNewFileInZip64(archive, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                               Z_DEFLATED, Z_BEST_COMPRESSION, 0) == ZIP_OK &&
         zipWriteInFileInZip(archive, bytes.data(), static_cast<unsigned>(bytes.size())) ==
             ZIP_OK &&
         zipCloseFileInZip(archive) == ZIP_OK;
}

int zipFolder(const std::string &archivePath, const std::string &folder) {
  std::vector<stdfs::path> files;
  std::error_code error;
  for (const auto &entry : stdfs::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) {
      files.push_back(entry.path());
    }
  }
  if (error || files.empty()) {
    std::cerr << "drvinst_pack: no package files in " << folder << "\n";
    return 1;
  }
  std::sort(files.begin(), files.end());
  zipFile archive = zipOpen64(archivePath.c_str(), APPEND_STATUS_CREATE);
  if (archive == nullptr) {
    std::cerr << "drvinst_pack: cannot create " << archivePath << "\n";
    return 1;
  }
  bool ok = std::all_of(files.begin(), files.end(),
                        [&](const stdfs::path &file) { return addFile(archive, file); });
  ok = zipClose(archive, nullptr) == ZIP_OK && ok;
  if (!ok) {
    std::cerr << "drvinst_pack: writing " << archivePath << " failed\n";
  }
  return ok ? 0 : 1;
}

int appendPackage(const std::string &imagePath, const std::string &archivePath,
                  const std::string &outputPath) {
  std::vector<char> image;
  std::vector<char> archive;
  if (!readFile(imagePath, image) || !readFile(archivePath, archive)) {
    std::cerr << "drvinst_pack: cannot read " << imagePath << " or " << archivePath << "\n";
    return 1;
  }
  if (image.size() > drvinst::kPackageOffset) {
    std::cerr << "drvinst_pack: the program image " << imagePath << " is " << image.size()
              << " bytes, larger than the " << drvinst::kPackageOffset
              << " bytes that precede the driver package\n";
    return 1;
  }
  image.resize(drvinst::kPackageOffset, '\0');
  std::ofstream output(outputPath, std::ios::binary | std::ios::trunc);
  output.write(image.data(), static_cast<std::streamsize>(image.size()));
  output.write(archive.data(), static_cast<std::streamsize>(archive.size()));
  output.close();
  if (!output) {
    std::cerr << "drvinst_pack: cannot write " << outputPath << "\n";
    return 1;
  }
  // The packaged program stays as executable as the image was.
  std::error_code ignored;
  stdfs::permissions(outputPath, stdfs::status(imagePath, ignored).permissions(), ignored);
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc == 4 && std::strcmp(argv[1], "zip") == 0) {
    return zipFolder(argv[2], argv[3]);
  }
  if (argc == 5 && std::strcmp(argv[1], "append") == 0) {
    return appendPackage(argv[2], argv[3], argv[4]);
  }
  std::cerr << "usage: drvinst_pack zip ARCHIVE FOLDER\n"
               "       drvinst_pack append IMAGE ARCHIVE OUTPUT\n";
  return 2;
}
