#pragma once

// The simulated instrument's test controls for the Qt tests: the library a
// TSFoundation loaded is the same one resolved here, with states and state
// texts as Qt byte arrays.

#include "tesselusb/sim_loader.h"

#include <QByteArray>

class Simulator : public simtest::SimControls {
public:
  Simulator() { cmdWrite = library.resolve<devlink::CommandEntry>("CmdWrite"); }

  bool load(const QByteArray &json) { return loadState(json.constData()) == 1; }
  QByteArray state() const { return QByteArray::fromStdString(stateJson()); }

  devlink::CommandEntry cmdWrite = nullptr;
};

inline QByteArray bytesOf(const TsimExchange &e) {
  return QByteArray(reinterpret_cast<const char *>(e.data), static_cast<int>(e.dataSize));
}
