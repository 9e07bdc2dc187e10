#pragma once

// The installer's dialog on Linux, with Qt Widgets: the install button, the
// maker's web address and an About entry, in Chinese or English. Pressing
// the button runs the shared install flow, whose dialog this is.

#include "drvinst/install_flow.h"

#include <QDialog>

#include <string>

class QPushButton;

namespace drvinst::qt {

class InstallerWindow : public QDialog, public InstallerView {
public:
  InstallerWindow(Language language, DriverInstaller &installer, std::string programPath,
                  QWidget *parent = nullptr);

  QPushButton *installButton() const { return installButton_; }
  QPushButton *aboutButton() const { return aboutButton_; }

  std::string browseForFolder(const char *title) override;
  void showMessage(const char *caption, const char *text, const std::string &reason) override;
  void close() override;

  // The about box, not yet shown.
  QDialog *createAboutBox();

private:
  InstallFlow flow_;
  QPushButton *installButton_;
  QPushButton *aboutButton_;
};

} // namespace drvinst::qt
