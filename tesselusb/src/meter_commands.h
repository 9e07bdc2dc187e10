#pragma once

#include "command_frame.h"
#include "device_state.h"

namespace tesselusb {

// Every command the meter understands: entry point, loc range, byte count
// and handler.
const CommandTable<MeterState> &meterCommands();

} // namespace tesselusb
