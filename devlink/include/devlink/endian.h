#pragma once

// Little-endian field access for device-link buffers. Every multi-byte
// integer on the link is little-endian whatever the host is.

#include <cstdint>
#include <cstring>

namespace devlink {

inline std::uint16_t readU16le(const std::uint8_t *p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readU32le(const std::uint8_t *p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t readI32le(const std::uint8_t *p) {
  return static_cast<std::int32_t>(readU32le(p));
}

inline void writeU16le(std::uint8_t *p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

// `n` consecutive 16-bit counts, such as spectrum samples or detector pixels.
inline void decodeCounts(const std::uint8_t *bytes, int n, std::uint16_t *counts) {
  for (int i = 0; i < n; ++i) {
    counts[i] = readU16le(bytes + 2 * i);
  }
}

inline void encodeCounts(const std::uint16_t *counts, int n, std::uint8_t *bytes) {
  for (int i = 0; i < n; ++i) {
    writeU16le(bytes + 2 * i, counts[i]);
  }
}

inline void writeU32le(std::uint8_t *p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) {
    p[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
  }
}

// IEEE-754 doubles travel in the host's (little-endian) byte order.
inline double readF64le(const std::uint8_t *p) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) {
    bits = (bits << 8) | p[i];
  }
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

inline void writeF64le(std::uint8_t *p, double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  for (int i = 0; i < 8; ++i) {
    p[i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
  }
}

} // namespace devlink
