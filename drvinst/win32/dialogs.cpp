#include "dialogs.h"

#include "resource.h"
#include "wide_text.h"

#include <shlobj.h>

#include <utility>

namespace drvinst::win32 {

INT_PTR ModalDialog::DoModal(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                         dialogProcedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<ModalDialog *>(lParam)->window_ = window;
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) find no dialog object yet.
  auto *dialog = reinterpret_cast<ModalDialog *>(GetWindowLongPtrW(window, DWLP_USER));
  return dialog != nullptr ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

CAboutDlg::CAboutDlg() : ModalDialog(IDD_ABOUTBOX) {}

INT_PTR CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window(), LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

CDrvinstDlg::CDrvinstDlg(const InstallerSession &session, DriverInstaller &installer,
                         std::string programPath)
    : ModalDialog(session.language == Language::Chinese ? IDD_DRVINST_CHINESE
                                                        : IDD_DRVINST_ENGLISH),
      session_(session), flow_(installer, std::move(programPath), session.language, *this),
      watcher_(session.stopFlag),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

INT_PTR CDrvinstDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
  case WM_INITDIALOG:
    return OnInitDialog();
  case WM_SYSCOMMAND:
    return OnSysCommand(wParam);
  case WM_PAINT:
    return OnPaint();
  case WM_QUERYDRAGICON:
    return reinterpret_cast<INT_PTR>(icon_);
  case WM_COMMAND:
    if (LOWORD(wParam) == IDC_INSTALL && HIWORD(wParam) == BN_CLICKED) {
      flow_.onInstallClicked();
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      EndDialog(window(), IDCANCEL);
      return TRUE;
    }
    return FALSE;
  case WM_DESTROY:
    OnDestroy();
    return FALSE;
  default:
    // The device manager's refresh broadcast is answered with 0.
    return message == session_.refreshMessage ? TRUE : FALSE;
  }
}

BOOL CDrvinstDlg::OnInitDialog() {
  wchar_t aboutEntry[128] = {};
  HMENU systemMenu = GetSystemMenu(window(), FALSE);
  if (systemMenu != nullptr &&
      LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, aboutEntry, 128) > 0) {
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutEntry);
  }
  SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  watcher_.start();
  return TRUE; // the default button takes the focus
}

BOOL CDrvinstDlg::OnSysCommand(WPARAM command) {
  if ((command & 0xFFF0) != IDM_ABOUTBOX) {
    return FALSE;
  }
  CAboutDlg().DoModal(window());
  return TRUE;
}

BOOL CDrvinstDlg::OnPaint() {
  if (!IsIconic(window())) {
    return FALSE;
  }
  // Minimised: the icon, centred in the client area.
  PAINTSTRUCT paint;
  HDC context = BeginPaint(window(), &paint);
  SendMessageW(window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
  RECT client;
  GetClientRect(window(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(context, x, y, icon_);
  EndPaint(window(), &paint);
  return TRUE;
}

void CDrvinstDlg::OnDestroy() {
  watcher_.stopAndWait();
}

std::string CDrvinstDlg::browseForFolder(const char *title) {
  const std::wstring wideTitle = widen(title);
  BROWSEINFOW browse{};
  browse.hwndOwner = window();
  browse.lpszTitle = wideTitle.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) {
    return {};
  }
  wchar_t path[MAX_PATH] = {};
  const bool hasPath = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  return hasPath ? toAnsi(path) : std::string();
}

void CDrvinstDlg::showMessage(const char *caption, const char *text, const std::string &reason) {
  std::wstring message = widen(text);
  if (!reason.empty()) {
    message += L'\n' + widen(reason.c_str(), CP_ACP);
  }
  MessageBoxW(window(), message.c_str(), widen(caption).c_str(), MB_OK);
}

void CDrvinstDlg::close() {
  EndDialog(window(), IDOK);
}

} // namespace drvinst::win32
