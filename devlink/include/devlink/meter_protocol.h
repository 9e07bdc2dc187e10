#pragma once

// The light meter's command set as it travels over the device link: command
// codes, the loc values and byte counts they take, and the layouts of the
// replies. The program's meter layer and the simulated meter both follow it.

#include "devlink/meter_number.h"
#include "devlink/usb_library.h"

#include <cstddef>
#include <cstdint>

namespace devlink::meter {

enum Command : DWORD {
  kSetIntegrationTime = 0,          // write, 2 bytes
  kReadIntegrationTime = 1,         // read, 2 bytes
  kSaveIntegrationTime = 2,         // command, loc kSaveIntegrationTimeLoc
  kReadRawBlock = 3,                // read, loc = block
  kStopRawData = 4,                 // command
  kWriteWavelengthCoefficients = 5, // write, 6 meter numbers
  kReadWavelengthCoefficients = 6,  // read, 6 meter numbers
  kWriteIntensityBlock = 7,         // write, loc = block of 6 meter numbers
  kReadIntensityBlock = 8,          // read, loc = block of 105 meter numbers
  kWriteIlluminanceCoefficient = 9, // write, 1 meter number
  kReadIlluminanceCoefficient = 10, // read, 1 meter number
  kStartTest = 11,                  // command, loc = test mode
  kReadReadyFlag = 12,              // read, 1 byte
  kReadTestResult = 13,             // read, loc = result selector
  kReadStoredRecord = 17,           // read, loc = record ordinal
};

inline constexpr DWORD kSaveIntegrationTimeLoc = 2;

// The integration time travels as ten times its value in an unsigned
// 16-bit field, so values from 0 to 6553 fit.
inline constexpr int kIntegrationTimeScale = 10;
inline constexpr int kMaxIntegrationTime = 65535 / kIntegrationTimeScale;
inline constexpr std::size_t kIntegrationTimeBytes = 2;

// Spectra: 401 unsigned 16-bit samples, 380 to 780 nm at 1 nm.
inline constexpr int kSpectrumSamples = 401;
inline constexpr int kSpectrumFirstNm = 380;

// Stored record (reply to kReadStoredRecord).
inline constexpr std::size_t kRecordBytes = 825;
inline constexpr std::size_t kRecordTimeOffset = 0; // year (16 bits), month, day, h, min, s
inline constexpr std::size_t kRecordIlluminanceOffset = 7; // double
inline constexpr std::size_t kRecordSamplesOffset = 15;
inline constexpr std::size_t kRecordRatioOffset = 817; // double
// A year of 65535 says that no record exists at the ordinal.
inline constexpr std::uint16_t kNoRecordYear = 0xFFFF;

// Test result (reply to kReadTestResult): illuminance as a meter number,
// then the samples.
inline constexpr std::size_t kTestResultBytes = 808;
inline constexpr std::size_t kTestResultSamplesOffset = kMeterNumberBytes;

// Raw data: 3000 counts in blocks 0 to 5 of 450 and block 6 of 300.
inline constexpr int kRawCounts = 3000;
inline constexpr int kRawBlocks = 7;
inline constexpr int kRawBlockCounts = 450;
inline constexpr int rawCountsInBlock(int block) {
  return block == kRawBlocks - 1 ? kRawCounts - (kRawBlocks - 1) * kRawBlockCounts
                                 : kRawBlockCounts;
}

// Calibration coefficients.
inline constexpr int kWavelengthCoefficients = 6;
inline constexpr int kIntensityCoefficients = 420;
inline constexpr int kIntensityWriteBlockNumbers = 6;   // 70 blocks
inline constexpr int kIntensityReadBlockNumbers = 105;  // 4 blocks
inline constexpr int kIntensityWriteBlocks = kIntensityCoefficients / kIntensityWriteBlockNumbers;
inline constexpr int kIntensityReadBlocks = kIntensityCoefficients / kIntensityReadBlockNumbers;

} // namespace devlink::meter
