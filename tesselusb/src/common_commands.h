#pragma once

// Command handlers that both instruments share.

#include "command_frame.h"
#include "device_state.h"

#include "devlink/endian.h"

namespace tesselusb {

template <typename Device> bool writeIntegrationTime(Device &device, const Frame &frame) {
  device.integrationTimeTenths = devlink::readU16le(frame.data);
  return true;
}

template <typename Device> bool readIntegrationTime(Device &device, const Frame &frame) {
  devlink::writeU16le(frame.data, device.integrationTimeTenths);
  return true;
}

} // namespace tesselusb
