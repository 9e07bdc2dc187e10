#include "wire_format.h"

#include "devlink/meter_number.h"

#include <vector>

namespace tesselusb {

bool isStorableAsMeterNumber(double v) {
  std::uint8_t scratch[devlink::kMeterNumberBytes];
  return devlink::encodeMeterNumber(v, scratch);
}

bool decodeStorableMeterNumbers(const std::uint8_t *in, std::size_t n, double *values) {
  std::vector<double> decoded(n);
  for (std::size_t i = 0; i < n; ++i) {
    decoded[i] = devlink::decodeMeterNumber(in + i * devlink::kMeterNumberBytes);
    if (!isStorableAsMeterNumber(decoded[i])) {
      return false;
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    values[i] = decoded[i];
  }
  return true;
}

} // namespace tesselusb
