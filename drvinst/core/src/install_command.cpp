#include "drvinst/install_command.h"

#include "drvinst/failure.h"
#include "drvinst/file_system.h"

#include <utility>

namespace drvinst {

InstallCommand::InstallCommand(DriverInstaller &installer, std::string programPath,
                               FolderChooser chooseFolder)
    : installer_(installer), programPath_(std::move(programPath)),
      chooseFolder_(std::move(chooseFolder)) {}

InstallResult InstallCommand::run(std::string *error) {
  if (!firstRun_) {
    return InstallResult::NoFolder;
  }
  firstRun_ = false;
  std::string unpackError;
  const std::string freshFolder = fs::createFreshFolder(&unpackError);
  const UnpackStatus unpacked = freshFolder.empty()
                                    ? UnpackStatus::NoArchiveCopy
                                    : unpackAppendedPackage(programPath_, freshFolder, &unpackError);
  if (unpacked != UnpackStatus::NoArchiveCopy) {
    return installUnpacked(freshFolder, unpacked, unpackError, error);
  }
  if (!freshFolder.empty()) {
    fs::removeFolderTree(freshFolder); // nothing of the package is in it
  }
  const std::string chosenFolder = chooseFolder_();
  if (chosenFolder.empty()) {
    fail(error, unpackError);
    return InstallResult::NoFolder;
  }
  return installFrom(chosenFolder, error);
}

InstallResult InstallCommand::installFrom(const std::string &folder, std::string *error) {
  return installer_.installFolder(folder, error) ? InstallResult::Installed
                                                 : InstallResult::Failed;
}

InstallResult InstallCommand::installUnpacked(const std::string &folder, UnpackStatus unpacked,
                                              const std::string &unpackError,
                                              std::string *error) {
  std::string installError;
  if (installFrom(folder, &installError) == InstallResult::Installed) {
    // The unpacked files stay; only the archive copy goes.
    fs::removeFile(archiveCopyPath(folder));
    return InstallResult::Installed;
  }
  fs::removeFolderTree(folder);
  // A damaged package explains a failed installation better than its
  // consequence, such as a missing INF file.
  fail(error, unpacked == UnpackStatus::ExtractionFailed ? unpackError : installError);
  return InstallResult::Failed;
}

const char *resultMessage(InstallResult result, Language language) {
  const InstallMessages &messages = installMessages(language);
  switch (result) {
  case InstallResult::Installed:
    return messages.success;
  case InstallResult::Failed:
    return messages.failure;
  case InstallResult::NoFolder:
    break;
  }
  return nullptr;
}

} // namespace drvinst
