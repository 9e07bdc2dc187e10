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

// The wizard belongs to another process. A plain SendMessage would wait
// for as long as that process does not answer, and the dialog waits for
// this thread without limit when it closes: a hung wizard would hang the
// installer. Each click is therefore given up after a while.
constexpr UINT kClickTimeout = 200; // ms

void cancelWizard(const std::wstring &title) {
  HWND wizard = FindWindowW(nullptr, title.c_str());
  if (wizard == nullptr) {
    return;
  }
  HWND cancel = GetDlgItem(wizard, kCancelButton);
  DWORD_PTR ignored = 0;
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
    SendMessageTimeoutW(cancel, message, 0, 0, SMTO_ABORTIFHUNG, kClickTimeout, &ignored);
  }
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
