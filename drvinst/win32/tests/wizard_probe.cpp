// Checks the Windows installer's wizard watcher end to end (run under wine
// on a virtual display by scripts/cross-drvinst.sh):
//   wizard_probe DRVINST_EXE
// opens a window titled like the English new-hardware wizard, with a
// Cancel button (ID 2), starts the installer's dialog, and waits for the
// watcher to press Cancel. Then it closes the installer's dialog, which
// must stop the watcher and end the program. Exit 0 when both happened.
// The wizard window stays open and stops answering meanwhile, as a hung
// wizard would: the watcher's clicks must not keep the installer alive.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr wchar_t kWizardTitle[] = L"Found New Hardware Wizard";
constexpr wchar_t kInstallerTitle[] = L"TESSEL USB driver install";
constexpr int kCancelButton = 2;
constexpr UINT kWaitLimit = 60000; // ms; wine may first set up its prefix

bool cancelPressed = false;

LRESULT CALLBACK wizardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kCancelButton && HIWORD(wParam) == BN_CLICKED) {
    cancelPressed = true;
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_TIMER) { // the limit passed
    PostQuitMessage(1);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND openWizard() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = wizardProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"WizardProbe";
  RegisterClassW(&windowClass);
  HWND wizard = CreateWindowExW(0, L"WizardProbe", kWizardTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
  CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 25,
                  wizard, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelButton)),
                  windowClass.hInstance, nullptr);
  return wizard;
}

bool startInstaller(const char *program, PROCESS_INFORMATION &process) {
  std::string commandLine = std::string("\"") + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  return CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process) != 0;
}

// Closes the installer's dialog as its close box does.
bool closeInstaller(HANDLE process) {
  HWND dialog = FindWindowW(nullptr, kInstallerTitle);
  if (dialog == nullptr) {
    return false;
  }
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process, kWaitLimit) == WAIT_OBJECT_0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fputs("usage: wizard_probe DRVINST_EXE\n", stderr);
    return 2;
  }
  HWND wizard = openWizard();
  PROCESS_INFORMATION process{};
  if (wizard == nullptr || !startInstaller(argv[1], process)) {
    std::fputs("wizard_probe: cannot open the wizard window or start the installer\n", stderr);
    return 1;
  }
  SetTimer(wizard, 1, kWaitLimit, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
  }
  const bool closed = cancelPressed && closeInstaller(process.hProcess);
  if (!cancelPressed) {
    std::fputs("wizard_probe: the installer did not cancel the wizard\n", stderr);
  } else if (!closed) {
    std::fputs("wizard_probe: the installer's dialog did not close\n", stderr);
  }
  TerminateProcess(process.hProcess, 1); // only if it still runs
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return cancelPressed && closed ? 0 : 1;
}
