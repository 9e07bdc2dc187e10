// The simulator's kept coefficient replies: the bytes a fresh encoding
// gives, made again after a value changes, and a value without a meter
// number failing only the requests that include it.

#include "encoded_table.h"

#include "devlink/meter_number.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using tesselusb::EncodedTable;

constexpr std::size_t kValues = 8;
constexpr std::size_t kBytes = devlink::kMeterNumberBytes;

std::vector<std::uint8_t> freshlyEncoded(const double *values, std::size_t count) {
  std::vector<std::uint8_t> bytes(count * kBytes);
  EXPECT_TRUE(devlink::encodeMeterNumbers(values, count, bytes.data()));
  return bytes;
}

std::vector<std::uint8_t> served(EncodedTable<kValues> &table,
                                 const std::array<double, kValues> &values, std::size_t first,
                                 std::size_t count, bool *ok = nullptr) {
  std::vector<std::uint8_t> bytes(count * kBytes);
  const bool encoded = table.encode(values, first, count, bytes.data());
  if (ok) {
    *ok = encoded;
  }
  return bytes;
}

TEST(EncodedTable, ServesTheBytesOfTheCurrentValues) {
  std::array<double, kValues> values{0.5, 1.0078125, -3e-7, 0, 123456.7, 1e20, -0.0, 42};
  EncodedTable<kValues> table;
  EXPECT_EQ(served(table, values, 0, kValues), freshlyEncoded(values.data(), kValues));
  EXPECT_EQ(served(table, values, 2, 3), freshlyEncoded(values.data() + 2, 3));

  values[3] = 0.25; // a changed value is encoded again, also its sign of zero
  values[6] = 0.0;
  EXPECT_EQ(served(table, values, 0, kValues), freshlyEncoded(values.data(), kValues));
}

TEST(EncodedTable, ValueWithoutMeterNumberFailsOnlyItsRequests) {
  std::array<double, kValues> values{1, 2, 3, 4, NAN, 6, 7, 8};
  EncodedTable<kValues> table;
  bool ok = true;
  served(table, values, 4, 4, &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(served(table, values, 0, 4, &ok), freshlyEncoded(values.data(), 4));
  EXPECT_TRUE(ok);
  values[4] = 5;
  EXPECT_EQ(served(table, values, 4, 4, &ok), freshlyEncoded(values.data() + 4, 4));
  EXPECT_TRUE(ok);
}

} // namespace
