#include "drvinst/device_manager.h"

namespace drvinst {

std::unique_ptr<InfFile> DeviceManager::openInf(const std::string &path) const {
  return readInfFile(path);
}

} // namespace drvinst
