#pragma once

// The JSON state format (docs/simulator.md): reading it into a device
// state and writing a state back out.

#include "device_state.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tesselusb {

// Why a state text cannot be used, in one line ("records[2].spectrum has
// 400 values, expected 401").
class StateError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Bounds far above any real state (the examples are about 10 KB), so that a
// hostile text cannot take much memory or time: its size, and how deeply
// its arrays and objects nest (the format itself needs four levels).
inline constexpr std::size_t kMaxStateBytes = 4u << 20;
inline constexpr int kMaxStateDepth = 16;

// Keys left out take the demo instrument's values. Throws StateError, also
// for a text beyond the bounds.
DeviceState parseState(const std::string &jsonText);

// The state in the same format; parseState reads it back to the same state
// (run-time flags excepted).
std::string stateToJson(const DeviceState &state);

} // namespace tesselusb
