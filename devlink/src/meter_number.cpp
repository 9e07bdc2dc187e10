#include "devlink/meter_number.h"

#include "devlink/endian.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace devlink {

namespace {

constexpr double kFractionUnit = 2147483648.0; // 2^31
constexpr int kSignificantDigits = 7;
// Enough digits after the point to print any double's exact decimal
// expansion (at most 767 significant digits).
constexpr int kExactPrecision = 780;

} // namespace

double decodeMeterNumber(const std::uint8_t *bytes) {
  const std::int32_t fraction = readI32le(bytes);
  const auto digit = static_cast<std::int8_t>(bytes[4]);
  const auto exponent = static_cast<std::int8_t>(bytes[5]);
  return (digit + fraction / kFractionUnit) * std::pow(10.0, exponent);
}

std::string formatScientific7(double v) {
  if (std::isnan(v)) {
    return "nan";
  }
  if (std::isinf(v)) {
    return v < 0 ? "-inf" : "inf";
  }
  // The exact decimal expansion, so that the rounding below sees true ties.
  char exact[kExactPrecision + 32];
  std::snprintf(exact, sizeof exact, "%.*e", kExactPrecision, std::fabs(v));
  // exact = "D.DDD...De+XX": keep seven significant digits and look at the
  // first dropped one; ties (a 5 followed by zeros) round away from zero.
  const std::string expansion(exact);
  std::string digits = expansion.substr(0, 1) + expansion.substr(2, kSignificantDigits - 1);
  const bool roundUp = expansion[kSignificantDigits + 1] >= '5';
  int exponent = std::atoi(expansion.c_str() + expansion.find('e') + 1);
  if (roundUp) {
    int i = kSignificantDigits - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
      digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++digits[static_cast<std::size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  if (v == 0) {
    exponent = 0;
  }
  char text[32];
  // A negative zero prints without its sign, as Qt prints it; the meter
  // number is six zero bytes either way.
  std::snprintf(text, sizeof text, "%s%c.%se%c%02d", v < 0 ? "-" : "", digits[0],
                digits.c_str() + 1, exponent < 0 ? '-' : '+', std::abs(exponent));
  return text;
}

bool encodeMeterNumber(double v, std::uint8_t *bytes) {
  if (!std::isfinite(v)) {
    return false;
  }
  const std::string text = formatScientific7(v);
  const std::size_t split = text.find('e');
  const double mantissa = std::strtod(text.substr(0, split).c_str(), nullptr);
  const int exponent = std::atoi(text.c_str() + split + 1);
  if (exponent < -128 || exponent > 127) {
    return false;
  }
  const double digit = std::trunc(mantissa);
  const auto fraction = static_cast<std::int64_t>((mantissa - digit) * kFractionUnit);
  writeU32le(bytes, static_cast<std::uint32_t>(fraction & 0xFFFFFFFF));
  bytes[4] = static_cast<std::uint8_t>(static_cast<std::int8_t>(digit));
  bytes[5] = static_cast<std::uint8_t>(static_cast<std::int8_t>(exponent));
  return true;
}

bool encodeMeterNumbers(const double *values, std::size_t count, std::uint8_t *bytes) {
  for (std::size_t i = 0; i < count; ++i) {
    if (!encodeMeterNumber(values[i], bytes + kMeterNumberBytes * i)) {
      return false;
    }
  }
  return true;
}

void decodeMeterNumbers(const std::uint8_t *bytes, std::size_t count, double *values) {
  for (std::size_t i = 0; i < count; ++i) {
    values[i] = decodeMeterNumber(bytes + kMeterNumberBytes * i);
  }
}

} // namespace devlink
