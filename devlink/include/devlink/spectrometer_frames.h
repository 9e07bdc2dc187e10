#pragma once

// The spectrometer's reply layouts as pure functions: what the SDK decodes
// and the simulated spectrometer encodes, so both sides read one layout.

#include "devlink/spectrometer_protocol.h"

#include <array>
#include <cstdint>

namespace devlink::spectrometer {

// One detector frame as commands 3 to 7 deliver it.
struct RawFrame {
  std::array<std::uint16_t, kPixels> pixels{};
  std::array<std::uint16_t, kDarkCounts> dark{};
};

inline constexpr bool isPixelPart(DWORD command) {
  return command >= kFirstPixelPart && command <= kLastPixelPart;
}
// The reply size of pixel command 3 to 7.
inline constexpr std::size_t pixelPartBytes(DWORD command) {
  return command == kLastPixelPart ? kLastPartBytes : kPixelPartBytes;
}

// Pixel command 3 to 7: its share of the pixels (the last part also carries
// the dark counts after its pixels).
void decodePixelPart(DWORD command, const std::uint8_t *reply, std::uint16_t *pixels,
                     std::uint16_t *dark);
void encodePixelPart(DWORD command, const std::uint16_t *pixels, const std::uint16_t *dark,
                     std::uint8_t *reply);

// The integration time travels as ten times its value, unsigned 16-bit.
inline constexpr int kIntegrationTimeScale = 10;
inline constexpr int kMaxIntegrationTime = 65535 / kIntegrationTimeScale;
inline constexpr std::size_t kIntegrationTimeBytes = 2;
// Low byte first; `time` must lie in 0..kMaxIntegrationTime.
void encodeIntegrationTime(int time, std::uint8_t *bytes);
// The time with the tenths dropped.
int decodeIntegrationTime(const std::uint8_t *bytes);

// The instrument information block of command 14.
struct InstrumentInfo {
  std::array<std::array<char, kInfoTextBytes>, kInfoTexts> texts{}; // as sent, no terminator
  std::array<std::uint32_t, kInfoUint32Values> uint32Values{};
  std::array<std::uint16_t, kInfoUint16Values> uint16Values{};
  std::array<std::int32_t, kInfoInt32Values> int32Values{};
};

InstrumentInfo decodeInfo(const std::uint8_t *reply);
void encodeInfo(const InstrumentInfo &info, std::uint8_t *reply);

} // namespace devlink::spectrometer
