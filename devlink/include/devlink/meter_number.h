#pragma once

// The device link's 6-byte real number: a 32-bit signed fraction in units of
// 2^-31 (bytes 0-3, little-endian), an 8-bit signed leading digit (byte 4)
// and an 8-bit signed decimal exponent (byte 5).
//   value = (digit + fraction * 2^-31) * 10^exponent

#include <cstddef>
#include <cstdint>
#include <string>

namespace devlink {

inline constexpr int kMeterNumberBytes = 6;

double decodeMeterNumber(const std::uint8_t *bytes);

// Encodes v as the meter expects: the text of v with six digits after the
// point in exponent form (ties rounded away from zero), split at the 'e'.
// Returns false and leaves bytes untouched when v is not finite or its
// decimal exponent does not fit the signed 8-bit field.
bool encodeMeterNumber(double v, std::uint8_t *bytes);

// Runs of consecutive meter numbers. Encoding stops at the first value that
// cannot be encoded and returns false, with the output partly written.
bool encodeMeterNumbers(const double *values, std::size_t count, std::uint8_t *bytes);
void decodeMeterNumbers(const std::uint8_t *bytes, std::size_t count, double *values);

// The exponent-form text the encoder splits, "d.dddddde±XX": correctly
// rounded to seven significant digits, with exact ties rounded away from
// zero (1.0078125 gives "1.007813e+00", where C's "%.6e" gives ...812).
std::string formatScientific7(double v);

} // namespace devlink
