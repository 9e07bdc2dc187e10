#pragma once

// The spectrometer's command set over the device link: command codes, the
// loc, byte count and time-out each takes, and the layouts of the replies.
// The simulated spectrometer follows it, and so does the SDK.

#include "devlink/meter_number.h"
#include "devlink/usb_library.h"

#include <cstddef>
#include <cstdint>

namespace devlink::spectrometer {

enum Command : DWORD {
  kSetIntegrationTime = 0,    // write, loc kWriteLoc, 2 bytes
  kReadIntegrationTime = 1,   // read, 2 bytes
  kFirstPixelPart = 3,        // commands 3 to 6: 410 pixels each
  kLastPixelPart = 7,         // 408 pixels, then the dark counts
  kReadWavelengthCoefficients = 10,
  kReadTablePart = 12,        // intensity coefficients or QD table, by byte count
  kReadInfo = 14,
};

// Every exchange carries loc 2, except the integration-time write (loc 1).
inline constexpr DWORD kReadLoc = 2;
inline constexpr DWORD kWriteLoc = 1;

// Time-outs passed with each kind of exchange.
inline constexpr DWORD kFrameTimeout = 1000;
inline constexpr DWORD kTableTimeout = 100;
inline constexpr DWORD kReadIntegrationTimeTimeout = 10;
inline constexpr DWORD kWriteIntegrationTimeTimeout = 5;

// Detector frame: 2048 pixel counts and 16 dark counts, unsigned 16-bit.
inline constexpr int kPixels = 2048;
inline constexpr int kDarkCounts = 16;
inline constexpr int kPixelsPerPart = 410;
inline constexpr int kLastPartPixels = kPixels - (kLastPixelPart - kFirstPixelPart) * kPixelsPerPart;
inline constexpr std::size_t kPixelPartBytes = 2 * kPixelsPerPart;
inline constexpr std::size_t kLastPartBytes = 2 * (kLastPartPixels + kDarkCounts);

// Wavelength polynomial: five meter numbers, of which the first three count.
inline constexpr int kWavelengthCoefficients = 5;
inline constexpr std::size_t kWavelengthCoefficientBytes = kWavelengthCoefficients * kMeterNumberBytes;

// Tables read in consecutive parts of meter numbers, told apart by the
// byte count of the request.
inline constexpr int kIntensityCoefficients = 400;
inline constexpr int kIntensityPartNumbers = 100;
inline constexpr int kQdValues = 2000;
inline constexpr int kQdPartNumbers = 125;

// Instrument information (reply to kReadInfo), packed little-endian: five
// 16-byte texts, two unsigned 32-bit values, five unsigned 16-bit values
// and sixty signed 32-bit values.
inline constexpr int kInfoTexts = 5;
inline constexpr std::size_t kInfoTextBytes = 16;
inline constexpr int kInfoUint32Values = 2;
inline constexpr int kInfoUint16Values = 5;
inline constexpr int kInfoInt32Values = 60;
inline constexpr std::size_t kInfoBytes = kInfoTexts * kInfoTextBytes + 4 * kInfoUint32Values +
                                          2 * kInfoUint16Values + 4 * kInfoInt32Values;
static_assert(kInfoBytes == 338);

} // namespace devlink::spectrometer
