#pragma once

// What the installer's dialog does when its install button is pressed,
// written once for every front end: run the install command (unpack, or
// ask for a folder when that fails; install; delete the archive copy), tell
// the result in a message box, with the reason of a failure below it, and
// close the dialog, in every case.

#include "drvinst/install_command.h"
#include "drvinst/product.h"

#include <string>

namespace drvinst {

// Title of the folder browser shown when the package cannot be unpacked.
inline constexpr char kBrowseFolderTitle[] = "Select driver install path";

// The dialog as the install flow sees it. Texts are UTF-8.
class InstallerView {
public:
  virtual ~InstallerView() = default;
  // Asks the user for a folder; empty when the user cancels.
  virtual std::string browseForFolder(const char *title) = 0;
  // A modal message box with an OK button only. `reason`, when not empty,
  // says why below the text; it is in the system's 8-bit encoding, as
  // paths and system error texts are.
  virtual void showMessage(const char *caption, const char *text, const std::string &reason) = 0;
  // Ends the dialog as OK does.
  virtual void close() = 0;
};

class InstallFlow {
public:
  InstallFlow(DriverInstaller &installer, std::string programPath, Language language,
              InstallerView &view);

  // The install button's handler.
  void onInstallClicked();

private:
  InstallerView &view_;
  Language language_;
  InstallCommand command_;
};

} // namespace drvinst
