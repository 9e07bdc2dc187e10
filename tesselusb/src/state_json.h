#pragma once

// The JSON state format (docs/simulator.md): reading it into a device
// state and writing a state back out.

#include "device_state.h"

#include <cstddef>
#include <string>

namespace tesselusb {

// Bounds far above any real state (the examples are about 10 KB), so that a
// hostile text cannot take much memory or time: its size, and how deeply
// its arrays and objects nest (the format itself needs four levels).
inline constexpr std::size_t kMaxStateBytes = 4u << 20;
inline constexpr int kMaxStateDepth = 16;

// Reads the state a text describes into `state`; keys left out take the
// demo instrument's values. False, with why in one line ("records[2].spectrum
// has 400 values, expected 401") when `error` is not null, for a text that
// is not a valid state or lies beyond the bounds; `state` is then untouched.
bool parseState(const std::string &jsonText, DeviceState *state, std::string *error);

// The state in the same format; parseState reads it back to the same state
// (run-time flags excepted).
std::string stateToJson(const DeviceState &state);

} // namespace tesselusb
