#pragma once

// Access to the simulated instrument's test exports from a test process:
// the library a TSFoundation loaded is the same one resolved here.

#include "devlink/shared_library.h"
#include "devlink/usb_library.h"
#include "tesselusb/sim_control.h"

#include <QByteArray>
#include <QString>

#include <vector>

class Simulator {
public:
  Simulator() {
    library.open(devlink::kUsbLibraryName);
    reset = library.resolve<int (*)()>("tsim_reset");
    loadState = library.resolve<int (*)(const char *)>("tsim_load_state");
    logSize = library.resolve<int (*)()>("tsim_log_size");
    logEntry = library.resolve<int (*)(int, TsimExchange *)>("tsim_log_entry");
    clearLog = library.resolve<void (*)()>("tsim_clear_log");
    stateJson = library.resolve<int (*)(char *, int)>("tsim_state_json");
    cmdWrite = library.resolve<devlink::CommandEntry>("CmdWrite");
  }

  bool ready() const { return reset && loadState && logSize && logEntry && clearLog && stateJson; }

  bool load(const QByteArray &json) { return loadState(json.constData()) == 1; }

  std::vector<TsimExchange> log() const {
    std::vector<TsimExchange> entries(static_cast<std::size_t>(logSize()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      logEntry(static_cast<int>(i), &entries[i]);
    }
    return entries;
  }

  QByteArray state() const {
    const int size = stateJson(nullptr, 0);
    QByteArray text(size + 1, '\0');
    stateJson(text.data(), size + 1);
    text.chop(1);
    return text;
  }

  devlink::SharedLibrary library;
  int (*reset)() = nullptr;
  int (*loadState)(const char *) = nullptr;
  int (*logSize)() = nullptr;
  int (*logEntry)(int, TsimExchange *) = nullptr;
  void (*clearLog)() = nullptr;
  int (*stateJson)(char *, int) = nullptr;
  devlink::CommandEntry cmdWrite = nullptr;
};

inline QByteArray bytesOf(const TsimExchange &e) {
  return QByteArray(reinterpret_cast<const char *>(e.data), static_cast<int>(e.dataSize));
}
