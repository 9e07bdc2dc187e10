#include "wizard_watcher.h"

#include "wide_text.h"

#include "drvinst/host.h"

#include <windows.h>

#include <string>

namespace drvinst::win32 {
namespace {

constexpr DWORD kPassInterval = 10; // ms
constexpr int kCancelButton = 2;    // IDCANCEL

// The wizard's title in the system's language, empty when not known. The
// Chinese titles are GBK bytes; compared as UTF-16 they match on systems
// whose ANSI code page is another one (Big5 on a Taiwanese system).
std::wstring wizardTitle() {
  const char *title = newHardwareWizardTitle(GetSystemDefaultLangID());
  return title != nullptr ? widen(title, kGbkCodePage) : std::wstring();
}

void cancelWizard(const std::wstring &title) {
  HWND wizard = FindWindowW(nullptr, title.c_str());
  if (wizard == nullptr) {
    return;
  }
  HWND cancel = GetDlgItem(wizard, kCancelButton);
  SendMessageW(cancel, WM_LBUTTONDOWN, 0, 0);
  SendMessageW(cancel, WM_LBUTTONUP, 0, 0);
}

} // namespace

bool WizardWatcher::start() {
  thread_ = CreateThread(nullptr, 0, run, &stopFlag_, 0, nullptr);
  return thread_ != nullptr;
}

void WizardWatcher::stopAndWait() {
  if (thread_ == nullptr) {
    return;
  }
  stopFlag_ = 1;
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

unsigned long __stdcall WizardWatcher::run(void *stopFlag) {
  const auto &stop = *static_cast<std::atomic<int> *>(stopFlag);
  const std::wstring title = wizardTitle();
  while (stop == 0) {
    if (!title.empty()) {
      cancelWizard(title);
    }
    Sleep(kPassInterval);
  }
  return 1;
}

} // namespace drvinst::win32
