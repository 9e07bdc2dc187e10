#pragma once

#include "drvinst/device_manager.h"

#include <memory>

namespace drvinst {

// The device manager of the system the program runs on.
std::unique_ptr<DeviceManager> systemDeviceManager();

} // namespace drvinst
