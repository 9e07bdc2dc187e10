#pragma once

// Runs of meter numbers and 16-bit counts as the device link carries them.

#include <cstddef>
#include <cstdint>

namespace tesselusb {

// True when v survives the trip into a meter number (finite, exponent in range).
bool isStorableAsMeterNumber(double v);

// Decodes n consecutive meter numbers into values, all or none: false when
// one of them could not be stored again, as the device refuses such data.
bool decodeStorableMeterNumbers(const std::uint8_t *in, std::size_t n, double *values);

void writeCounts(const std::uint16_t *counts, std::size_t n, std::uint8_t *out);

} // namespace tesselusb
