#include "drvinst/install_command.h"

#include "drvinst/file_system.h"
#include "drvinst/package.h"

#include <utility>

namespace drvinst {

InstallCommand::InstallCommand(DriverInstaller &installer, std::string programPath,
                               FolderChooser chooseFolder)
    : installer_(installer), programPath_(std::move(programPath)),
      chooseFolder_(std::move(chooseFolder)) {}

InstallResult InstallCommand::run() {
  std::string installFolder;
  bool unpacked = false;
  if (firstRun_) {
    firstRun_ = false;
    const std::string freshFolder = fs::createFreshFolder();
    unpacked = !freshFolder.empty() &&
               unpackAppendedPackage(programPath_, freshFolder) != UnpackStatus::NoArchiveCopy;
    installFolder = unpacked ? freshFolder : chooseFolder_();
  }
  if (installFolder.empty()) {
    return InstallResult::NoFolder;
  }
  const bool installed = installer_.installFolder(installFolder);
  if (unpacked) {
    // The unpacked files stay; only the archive copy goes.
    fs::removeFile(archiveCopyPath(installFolder));
  }
  return installed ? InstallResult::Installed : InstallResult::Failed;
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
