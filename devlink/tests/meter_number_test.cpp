#include "devlink/meter_number.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace {

using Bytes = std::array<std::uint8_t, devlink::kMeterNumberBytes>;

Bytes encode(double v) {
  Bytes b{};
  EXPECT_TRUE(devlink::encodeMeterNumber(v, b.data())) << v;
  return b;
}

TEST(MeterNumber, PublishedVectors) {
  EXPECT_EQ(encode(1.5), (Bytes{0x00, 0x00, 0x00, 0x40, 0x01, 0x00}));
  EXPECT_EQ(encode(-1.5), (Bytes{0x00, 0x00, 0x00, 0xC0, 0xFF, 0x00}));
  EXPECT_EQ(encode(0.0), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(encode(-0.0), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(encode(0.00123), (Bytes{0xD7, 0xA3, 0x70, 0x1D, 0x01, 0xFD}));

  const Bytes plus{0x00, 0x00, 0x00, 0x40, 0x01, 0x00};
  const Bytes minus{0x00, 0x00, 0x00, 0xC0, 0xFF, 0x00};
  EXPECT_EQ(devlink::decodeMeterNumber(plus.data()), 1.5);
  EXPECT_EQ(devlink::decodeMeterNumber(minus.data()), -1.5);
}

TEST(MeterNumber, TextRoundsExactTiesAwayFromZero) {
  // 1.0078125 is exactly representable: a true tie at the seventh digit.
  EXPECT_EQ(devlink::formatScientific7(1.0078125), "1.007813e+00");
  EXPECT_EQ(devlink::formatScientific7(-1.0078125), "-1.007813e+00");
  EXPECT_EQ(devlink::formatScientific7(1.5), "1.500000e+00");
  EXPECT_EQ(devlink::formatScientific7(0.0), "0.000000e+00");
  EXPECT_EQ(devlink::formatScientific7(-0.0), "0.000000e+00");
  EXPECT_EQ(devlink::formatScientific7(9.9999996), "1.000000e+01");
  EXPECT_EQ(devlink::formatScientific7(123456789.0), "1.234568e+08");
  EXPECT_EQ(devlink::formatScientific7(1e-99), "1.000000e-99");
  EXPECT_EQ(devlink::formatScientific7(2.5e100), "2.500000e+100");
  // One unit in the last place either side of the tie is no tie.
  EXPECT_EQ(devlink::formatScientific7(std::nextafter(1.0078125, 0.0)), "1.007812e+00");
  EXPECT_EQ(devlink::formatScientific7(std::nextafter(1.0078125, 2.0)), "1.007813e+00");
}

TEST(MeterNumber, RoundTripKeepsSevenSignificantDigits) {
  std::mt19937_64 rng(20190521);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-99, 99);
  for (int i = 0; i < 20000; ++i) {
    const double sign = (i % 2) ? -1.0 : 1.0;
    const double v = sign * mantissa(rng) * std::pow(10.0, exponent(rng));
    Bytes b{};
    ASSERT_TRUE(devlink::encodeMeterNumber(v, b.data())) << v;
    const double back = devlink::decodeMeterNumber(b.data());
    // Half a unit in the seventh digit plus the 2^-31 fraction step.
    EXPECT_LE(std::fabs(back - v), std::fabs(v) * 5.5e-7) << v << " -> " << back;
    EXPECT_EQ(std::signbit(back), std::signbit(v)) << v;
  }
}

TEST(MeterNumber, RefusesWhatTheFieldsCannotHold) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(), 1e200, -3e-150};
  for (double v : bad) {
    Bytes b{0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_FALSE(devlink::encodeMeterNumber(v, b.data())) << v;
    EXPECT_EQ(b, (Bytes{0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA})) << v;
  }
  Bytes b{};
  EXPECT_TRUE(devlink::encodeMeterNumber(1e127, b.data()));
  EXPECT_EQ(b[5], 127);
  EXPECT_TRUE(devlink::encodeMeterNumber(1.5e-128, b.data()));
  EXPECT_EQ(static_cast<std::int8_t>(b[5]), -128);
}

TEST(MeterNumber, DecodesExtremeFields) {
  const Bytes largest{0xFF, 0xFF, 0xFF, 0x7F, 0x7F, 0x7F};
  EXPECT_TRUE(std::isinf(devlink::decodeMeterNumber(largest.data())) ||
              devlink::decodeMeterNumber(largest.data()) > 1e129);
  const Bytes smallest{0x00, 0x00, 0x00, 0x80, 0x80, 0x80};
  EXPECT_DOUBLE_EQ(devlink::decodeMeterNumber(smallest.data()), -129.0 * 1e-128);
}

} // namespace
