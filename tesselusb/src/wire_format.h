#pragma once

// Runs of meter numbers as the device link carries them.

#include <cstddef>
#include <cstdint>

namespace tesselusb {

// True when v survives the trip into a meter number (finite, exponent in range).
bool isStorableAsMeterNumber(double v);

// Decodes n consecutive meter numbers into values, all or none: false when
// one of them could not be stored again, as the device refuses such data.
bool decodeStorableMeterNumbers(const std::uint8_t *in, std::size_t n, double *values);

} // namespace tesselusb
