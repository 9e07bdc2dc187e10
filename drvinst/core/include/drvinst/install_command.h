#pragma once

// The installer's one command: unpack the package appended to the program
// into a fresh folder, install every INF found there, delete the archive
// copy, and tell the result. The dialog and the command line both run it.
// A failed installation removes the fresh folder with everything in it.

#include "drvinst/driver_installer.h"
#include "drvinst/package.h"
#include "drvinst/product.h"

#include <functional>
#include <string>

namespace drvinst {

enum class InstallResult {
  Installed,
  Failed,
  NoFolder, // nothing was unpacked and no folder was chosen: close without a message
};

class InstallCommand {
public:
  // Asked for a folder when the package cannot be unpacked; an empty
  // answer means the user chose none.
  using FolderChooser = std::function<std::string()>;

  InstallCommand(DriverInstaller &installer, std::string programPath, FolderChooser chooseFolder);

  // Only the first run unpacks; a later run has no folder to install from.
  // `error` (may be null) receives why a run failed, or why the package
  // could not be unpacked when no folder was chosen instead: one sentence
  // as described in drvinst/failure.h.
  InstallResult run(std::string *error);

private:
  InstallResult installFrom(const std::string &folder, std::string *error);
  InstallResult installUnpacked(const std::string &folder, UnpackStatus unpacked,
                                const std::string &unpackError, std::string *error);

  DriverInstaller &installer_;
  std::string programPath_;
  FolderChooser chooseFolder_;
  bool firstRun_ = true;
};

// The message text for a result; null for NoFolder, which shows none.
const char *resultMessage(InstallResult result, Language language);

} // namespace drvinst
