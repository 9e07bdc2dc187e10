#include "devlink/spectrometer_frames.h"

#include "devlink/endian.h"

#include <algorithm>

namespace devlink::spectrometer {

namespace {

int firstPixelOfPart(DWORD command) {
  return static_cast<int>(command - kFirstPixelPart) * kPixelsPerPart;
}

int pixelsInPart(DWORD command) {
  return command == kLastPixelPart ? kLastPartPixels : kPixelsPerPart;
}

} // namespace

void decodePixelPart(DWORD command, const std::uint8_t *reply, std::uint16_t *pixels,
                     std::uint16_t *dark) {
  const int n = pixelsInPart(command);
  decodeCounts(reply, n, pixels + firstPixelOfPart(command));
  if (command == kLastPixelPart) {
    decodeCounts(reply + 2 * n, kDarkCounts, dark);
  }
}

void encodePixelPart(DWORD command, const std::uint16_t *pixels, const std::uint16_t *dark,
                     std::uint8_t *reply) {
  const int n = pixelsInPart(command);
  encodeCounts(pixels + firstPixelOfPart(command), n, reply);
  if (command == kLastPixelPart) {
    encodeCounts(dark, kDarkCounts, reply + 2 * n);
  }
}

void encodeIntegrationTime(int time, std::uint8_t *bytes) {
  writeU16le(bytes, static_cast<std::uint16_t>(time * kIntegrationTimeScale));
}

int decodeIntegrationTime(const std::uint8_t *bytes) {
  return readU16le(bytes) / kIntegrationTimeScale;
}

InstrumentInfo decodeInfo(const std::uint8_t *reply) {
  InstrumentInfo info;
  const std::uint8_t *in = reply;
  for (auto &text : info.texts) {
    std::copy_n(in, kInfoTextBytes, reinterpret_cast<std::uint8_t *>(text.data()));
    in += kInfoTextBytes;
  }
  for (auto &value : info.uint32Values) {
    value = readU32le(in);
    in += 4;
  }
  for (auto &value : info.uint16Values) {
    value = readU16le(in);
    in += 2;
  }
  for (auto &value : info.int32Values) {
    value = readI32le(in);
    in += 4;
  }
  return info;
}

void encodeInfo(const InstrumentInfo &info, std::uint8_t *reply) {
  std::uint8_t *out = reply;
  for (const auto &text : info.texts) {
    std::copy_n(reinterpret_cast<const std::uint8_t *>(text.data()), kInfoTextBytes, out);
    out += kInfoTextBytes;
  }
  for (std::uint32_t value : info.uint32Values) {
    writeU32le(out, value);
    out += 4;
  }
  for (std::uint16_t value : info.uint16Values) {
    writeU16le(out, value);
    out += 2;
  }
  for (std::int32_t value : info.int32Values) {
    writeU32le(out, static_cast<std::uint32_t>(value));
    out += 4;
  }
}

} // namespace devlink::spectrometer
