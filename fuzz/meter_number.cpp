// The meter-number codec. Any 6 bytes decode; any double that encodes comes
// back within the seven significant digits of its text, and its text
// agrees with C's "%.6e" but for ties, which round away from zero.

#include "devlink/meter_number.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

void checkRoundTrip(double v) {
  std::uint8_t bytes[devlink::kMeterNumberBytes] = {};
  if (!devlink::encodeMeterNumber(v, bytes)) {
    return;
  }
  const double back = devlink::decodeMeterNumber(bytes);
  // Seven significant digits leave at most half a unit of 1e-6 of the
  // mantissa; the 2^-31 fraction and the power of ten add a little.
  FUZZ_CHECK(std::fabs(back - v) <= 6e-7 * std::fabs(v));
  const std::string text = devlink::formatScientific7(v);
  FUZZ_CHECK(v != 0 || text == "0.000000e+00"); // also for -0.0, as Qt writes it
  FUZZ_CHECK(std::fabs(std::strtod(text.c_str(), nullptr) - v) <= 5.000001e-7 * std::fabs(v));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size >= devlink::kMeterNumberBytes) {
    const double decoded = devlink::decodeMeterNumber(data);
    if (std::isfinite(decoded)) {
      checkRoundTrip(decoded);
    }
  }
  if (size >= sizeof(double)) {
    double v = 0;
    std::memcpy(&v, data, sizeof v);
    checkRoundTrip(v);
  }
  return 0;
}
