#pragma once

// The simulated instrument's test controls as every test program reaches
// them: the library opened by file name and each tsim_ function resolved by
// name. By default the name is the bare one the programs load, so a test
// gets the very copy (and state) that the code under test uses.

#include "devlink/shared_library.h"
#include "devlink/usb_library.h"
#include "tesselusb/sim_control.h"

#include <string>
#include <vector>

namespace simtest {

struct SimControls {
  explicit SimControls(const std::string &fileName = devlink::kUsbLibraryName) {
    if (!library.open(fileName)) {
      return;
    }
    reset = library.resolve<decltype(reset)>("tsim_reset");
    loadState = library.resolve<decltype(loadState)>("tsim_load_state");
    loadStateFile = library.resolve<decltype(loadStateFile)>("tsim_load_state_file");
    stateErrorText = library.resolve<decltype(stateErrorText)>("tsim_state_error");
    logSize = library.resolve<decltype(logSize)>("tsim_log_size");
    logEntry = library.resolve<decltype(logEntry)>("tsim_log_entry");
    clearLog = library.resolve<decltype(clearLog)>("tsim_clear_log");
    stateJsonText = library.resolve<decltype(stateJsonText)>("tsim_state_json");
  }

  // True when the library loaded and every control resolved.
  bool ready() const {
    return reset && loadState && loadStateFile && stateErrorText && logSize && logEntry &&
           clearLog && stateJsonText;
  }

  // The exchanges received since the log was last cleared, oldest first.
  std::vector<TsimExchange> log() const {
    std::vector<TsimExchange> entries(static_cast<std::size_t>(logSize()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      logEntry(static_cast<int>(i), &entries[i]);
    }
    return entries;
  }

  std::string stateError() const { return text(stateErrorText); }
  std::string stateJson() const { return text(stateJsonText); }

  // A text control's whole text: sized by a first call without a buffer.
  static std::string text(int (*get)(char *, int)) {
    std::string text(static_cast<std::size_t>(get(nullptr, 0)) + 1, '\0');
    get(text.data(), static_cast<int>(text.size()));
    text.pop_back();
    return text;
  }

  devlink::SharedLibrary library;
  decltype(&tsim_reset) reset = nullptr;
  decltype(&tsim_load_state) loadState = nullptr;
  decltype(&tsim_load_state_file) loadStateFile = nullptr;
  decltype(&tsim_state_error) stateErrorText = nullptr;
  decltype(&tsim_log_size) logSize = nullptr;
  decltype(&tsim_log_entry) logEntry = nullptr;
  decltype(&tsim_clear_log) clearLog = nullptr;
  decltype(&tsim_state_json) stateJsonText = nullptr;
};

} // namespace simtest
