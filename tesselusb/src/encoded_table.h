#pragma once

// The meter-number bytes of a calibration table, kept between requests.
// Formatting hundreds of coefficients as decimal text for every request
// would make the simulator, not the caller, the slow part of an
// acquisition; the bytes are made again only when a value has changed.

#include "devlink/meter_number.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tesselusb {

template <std::size_t N> class EncodedTable {
public:
  // Writes values `first` to `first + count - 1` of `table` as meter
  // numbers; false when one of them has no meter number (not finite, or an
  // exponent out of range).
  bool encode(const std::array<double, N> &table, std::size_t first, std::size_t count,
              std::uint8_t *out) {
    if (!made || std::memcmp(source.data(), table.data(), sizeof table) != 0) {
      remake(table);
    }
    if (!std::all_of(encodable.begin() + first, encodable.begin() + first + count,
                     [](bool ok) { return ok; })) {
      return false;
    }
    std::copy_n(bytes.begin() + first * devlink::kMeterNumberBytes,
                count * devlink::kMeterNumberBytes, out);
    return true;
  }

private:
  void remake(const std::array<double, N> &table) {
    source = table;
    for (std::size_t i = 0; i < N; ++i) {
      encodable[i] = devlink::encodeMeterNumber(table[i], &bytes[i * devlink::kMeterNumberBytes]);
    }
    made = true;
  }

  bool made = false;
  std::array<double, N> source{};
  std::array<bool, N> encodable{};
  std::array<std::uint8_t, N * devlink::kMeterNumberBytes> bytes{};
};

} // namespace tesselusb
