#pragma once

#include "command_frame.h"
#include "device_state.h"

#include <cstdint>

namespace tesselusb {

// Every command frame the spectrometer understands.
const CommandTable<SpectrometerState> &spectrometerCommands();

// The special command that reads the device identifier: writes the
// kDeviceIdLength characters into reply; false for any other command.
bool runSpecialCommand(const SpectrometerState &spectrometer, std::uint32_t command,
                       std::uint8_t *reply);

} // namespace tesselusb
