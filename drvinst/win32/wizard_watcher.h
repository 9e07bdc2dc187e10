#pragma once

// The thread that keeps the system's new-hardware wizard away while the
// installer's dialog is open: it finds the wizard's window by its title and
// presses its Cancel button, every 10 ms, until the stop flag is set.

#include <atomic>

namespace drvinst::win32 {

class WizardWatcher {
public:
  explicit WizardWatcher(std::atomic<int> &stopFlag) : stopFlag_(stopFlag) {}
  ~WizardWatcher() { stopAndWait(); }
  WizardWatcher(const WizardWatcher &) = delete;
  WizardWatcher &operator=(const WizardWatcher &) = delete;

  bool start();
  // Sets the stop flag and waits, without limit, for the thread to end.
  void stopAndWait();

private:
  static unsigned long __stdcall run(void *stopFlag);

  std::atomic<int> &stopFlag_;
  void *thread_ = nullptr;
};

} // namespace drvinst::win32
