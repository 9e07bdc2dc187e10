#include "devlink/spectrometer_frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace sp = devlink::spectrometer;

TEST(SpectrometerFrames, PixelPartsSplitTheFrameAndTheLastCarriesTheDarkCounts) {
  sp::RawFrame frame;
  for (int i = 0; i < sp::kPixels; ++i) {
    frame.pixels[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i * 31 + 7);
  }
  for (int k = 0; k < sp::kDarkCounts; ++k) {
    frame.dark[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(0xA000 + k);
  }
  sp::RawFrame decoded;
  for (DWORD command = sp::kFirstPixelPart; command <= sp::kLastPixelPart; ++command) {
    std::vector<std::uint8_t> reply(sp::pixelPartBytes(command));
    sp::encodePixelPart(command, frame.pixels.data(), frame.dark.data(), reply.data());
    if (command == 4) { // pixel 410 first, low byte first
      EXPECT_EQ(reply[0], (410 * 31 + 7) & 0xFF);
      EXPECT_EQ(reply[1], (410 * 31 + 7) >> 8);
    }
    if (command == sp::kLastPixelPart) { // pixels 1640..2047, dark from byte 816
      EXPECT_EQ(reply.size(), 848u);
      EXPECT_EQ(reply[816], 0x00);
      EXPECT_EQ(reply[817], 0xA0);
    }
    sp::decodePixelPart(command, reply.data(), decoded.pixels.data(), decoded.dark.data());
  }
  EXPECT_EQ(decoded.pixels, frame.pixels);
  EXPECT_EQ(decoded.dark, frame.dark);
}

TEST(SpectrometerFrames, IntegrationTimeAndInformationBlockLayouts) {
  std::uint8_t time[2];
  sp::encodeIntegrationTime(100, time);
  EXPECT_EQ(time[0], 0xE8);
  EXPECT_EQ(time[1], 0x03);
  const std::uint8_t tenths[] = {0xFF, 0x00}; // 25.5
  EXPECT_EQ(sp::decodeIntegrationTime(tenths), 25);

  sp::InstrumentInfo info;
  info.texts[1][0] = 'S';
  info.uint32Values = {2048, 0x01020304};
  info.uint16Values = {300, 1000, 16, 16, 0xBEEF};
  info.int32Values[59] = -2;
  std::vector<std::uint8_t> reply(sp::kInfoBytes);
  sp::encodeInfo(info, reply.data());
  EXPECT_EQ(reply[16], 'S');
  EXPECT_EQ(reply[84], 0x04);
  EXPECT_EQ(reply[96], 0xEF);
  EXPECT_EQ(reply[337], 0xFF);
  const sp::InstrumentInfo back = sp::decodeInfo(reply.data());
  EXPECT_EQ(back.texts, info.texts);
  EXPECT_EQ(back.uint32Values, info.uint32Values);
  EXPECT_EQ(back.uint16Values, info.uint16Values);
  EXPECT_EQ(back.int32Values, info.int32Values);
}

} // namespace
