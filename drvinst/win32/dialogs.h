#pragma once

// The installer's dialogs on the plain Win32 dialog API: a thin modal
// dialog base and the two dialogs built on it.

#include "wizard_watcher.h"

#include "drvinst/install_flow.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace drvinst::win32 {

// A modal dialog from a dialog template; the derived class handles its
// messages.
class ModalDialog {
public:
  explicit ModalDialog(int templateId) : templateId_(templateId) {}
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog &) = delete;
  ModalDialog &operator=(const ModalDialog &) = delete;

  INT_PTR DoModal(HWND owner);

protected:
  HWND window() const { return window_; }
  // A dialog procedure's answer: FALSE leaves the message to the default
  // handling.
  virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND window_ = nullptr;
};

class CAboutDlg final : public ModalDialog {
public:
  CAboutDlg();

protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Process-wide values set before the dialog runs.
struct InstallerSession {
  Language language;
  UINT refreshMessage;        // the registered "DevMgrRefreshOn<computer name>"
  std::atomic<int> &stopFlag; // shared with the wizard watcher
};

class CDrvinstDlg final : public ModalDialog, private InstallerView {
public:
  CDrvinstDlg(const InstallerSession &session, DriverInstaller &installer, std::string programPath);

protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  BOOL OnInitDialog();
  BOOL OnSysCommand(WPARAM command);
  BOOL OnPaint();
  void OnDestroy();

  std::string browseForFolder(const char *title) override;
  void showMessage(const char *caption, const char *text, const std::string &reason) override;
  void close() override;

  const InstallerSession &session_;
  InstallFlow flow_;
  WizardWatcher watcher_;
  HICON icon_;
};

} // namespace drvinst::win32
