#pragma once

// The JSON state format (docs/simulator.md): reading it into a device
// state and writing a state back out.

#include "device_state.h"

#include <stdexcept>
#include <string>

namespace tesselusb {

// Why a state text cannot be used, in one line ("records[2].spectrum has
// 400 values, expected 401").
class StateError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Keys left out take the demo instrument's values. Throws StateError.
DeviceState parseState(const std::string &jsonText);

// The state in the same format; parseState reads it back to the same state
// (run-time flags excepted).
std::string stateToJson(const DeviceState &state);

} // namespace tesselusb
