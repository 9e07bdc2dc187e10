#include "drvinst/device_manager.h"

namespace drvinst {

std::unique_ptr<InfFile> DeviceManager::openInf(const std::string &path, std::string *error) const {
  return readInfFile(path, error);
}

} // namespace drvinst
