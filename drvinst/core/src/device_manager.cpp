#include "drvinst/device_manager.h"

#include <cstdio>

namespace drvinst {

std::unique_ptr<InfFile> DeviceManager::openInf(const std::string &path) const {
  std::string whyNot;
  std::unique_ptr<InfFile> inf = readInfFile(path, &whyNot);
  if (!inf) {
    // The installation reports only its overall result; this line says
    // which INF failed and why.
    std::fputs(("drvinst: " + path + " " + whyNot + "\n").c_str(), stderr);
  }
  return inf;
}

} // namespace drvinst
