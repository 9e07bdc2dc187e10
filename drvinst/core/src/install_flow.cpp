#include "drvinst/install_flow.h"

#include <utility>

namespace drvinst {

InstallFlow::InstallFlow(DriverInstaller &installer, std::string programPath, Language language,
                         InstallerView &view)
    : view_(view), language_(language), command_(installer, std::move(programPath), [&view] {
        return view.browseForFolder(kBrowseFolderTitle);
      }) {}

void InstallFlow::onInstallClicked() {
  std::string reason; // stays empty on success
  const InstallResult result = command_.run(&reason);
  // A cancelled folder browser closes the dialog without a word.
  if (const char *text = resultMessage(result, language_)) {
    view_.showMessage(installMessages(language_).caption, text, reason);
  }
  view_.close();
}

} // namespace drvinst
