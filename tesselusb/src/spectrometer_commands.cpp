#include "spectrometer_commands.h"

#include "common_commands.h"
#include "wire_format.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"
#include "devlink/usb_library.h"

#include <algorithm>

namespace tesselusb {

namespace {

// Every spectrometer frame carries this loc, except the integration-time write.
constexpr std::uint32_t kReadLoc = 2;
constexpr std::uint32_t kWriteLoc = 1;
constexpr std::uint32_t kMeterNumberBytes = devlink::kMeterNumberBytes;

// The frame comes in five parts: four of 410 pixels (commands 3 to 6), then
// the remaining 408 pixels followed by the dark counts (command 7).
constexpr std::uint32_t kFirstPixelCommand = 3;
constexpr std::uint32_t kLastPixelCommand = 7;
constexpr std::uint32_t kPixelsPerPart = 410;
constexpr std::uint32_t kLastPartPixels = kPixels - 4 * kPixelsPerPart;

constexpr std::uint32_t kIntensityPartNumbers = 100;
constexpr std::uint32_t kQdPartNumbers = 125;

// Instrument information layout: texts, then 32-bit, 16-bit and signed
// 32-bit values, all packed.
constexpr std::uint32_t kInfoBytes = kInfoTexts * kInfoTextBytes + 4 * kInfoUint32Values +
                                     2 * kInfoUint16Values + 4 * kInfoInt32Values;
static_assert(kInfoBytes == 338);

bool readPixelPart(SpectrometerState& spectrometer, const Frame& frame) {
  const std::size_t first = (frame.command - kFirstPixelCommand) * kPixelsPerPart;
  writeCounts(spectrometer.pixels.data() + first, kPixelsPerPart, frame.data);
  return true;
}

bool readLastPixelPartAndDark(SpectrometerState& spectrometer, const Frame& frame) {
  const std::size_t first = kPixels - kLastPartPixels;
  writeCounts(spectrometer.pixels.data() + first, kLastPartPixels, frame.data);
  writeCounts(spectrometer.dark.data(), kDarkCounts, frame.data + 2 * kLastPartPixels);
  return true;
}

bool readWavelengthCoefficients(SpectrometerState& spectrometer, const Frame& frame) {
  return encodeMeterNumbers(spectrometer.wavelengthCoefficients.data(),
                            kSpectrometerWavelengthCoefficients, frame.data);
}

// Sends the next `partSize` values of a table read in parts; the cursor
// moves on (and wraps after the last part) only when the part went out.
template <std::size_t N>
bool readTablePart(const std::array<double, N>& table, std::size_t partSize, std::size_t& cursor,
                   std::uint8_t* out) {
  if (!encodeMeterNumbers(table.data() + cursor * partSize, partSize, out)) {
    return false;
  }
  cursor = (cursor + 1) % (N / partSize);
  return true;
}

bool readIntensityPart(SpectrometerState& spectrometer, const Frame& frame) {
  return readTablePart(spectrometer.intensityCoefficients, kIntensityPartNumbers,
                       spectrometer.intensityCursor, frame.data);
}

bool readQdPart(SpectrometerState& spectrometer, const Frame& frame) {
  return readTablePart(spectrometer.qd, kQdPartNumbers, spectrometer.qdCursor, frame.data);
}

bool readInfo(SpectrometerState& spectrometer, const Frame& frame) {
  const SpectrometerInfo& info = spectrometer.info;
  std::uint8_t* out = frame.data;
  std::fill(out, out + kInfoTexts * kInfoTextBytes, 0);
  for (const std::string& text : info.texts) {
    std::copy_n(text.begin(), std::min(text.size(), kInfoTextBytes), out);
    out += kInfoTextBytes;
  }
  for (std::uint32_t value : info.uint32Values) {
    devlink::writeU32le(out, value);
    out += 4;
  }
  for (std::uint16_t value : info.uint16Values) {
    devlink::writeU16le(out, value);
    out += 2;
  }
  for (std::int32_t value : info.int32Values) {
    devlink::writeU32le(out, static_cast<std::uint32_t>(value));
    out += 4;
  }
  return true;
}

} // namespace

const CommandTable<SpectrometerState>& spectrometerCommands() {
  using E = CommandEntry;
  using S = SpectrometerState;
  static const CommandTable<S> table = {
      {0, E::Write, kWriteLoc, kWriteLoc, 2, &writeIntegrationTime<S>},
      {1, E::Read, kReadLoc, kReadLoc, 2, &readIntegrationTime<S>},
      {3, E::Read, kReadLoc, kReadLoc, 2 * kPixelsPerPart, &readPixelPart},
      {4, E::Read, kReadLoc, kReadLoc, 2 * kPixelsPerPart, &readPixelPart},
      {5, E::Read, kReadLoc, kReadLoc, 2 * kPixelsPerPart, &readPixelPart},
      {6, E::Read, kReadLoc, kReadLoc, 2 * kPixelsPerPart, &readPixelPart},
      {kLastPixelCommand, E::Read, kReadLoc, kReadLoc, 2 * (kLastPartPixels + kDarkCounts),
       &readLastPixelPartAndDark},
      {10, E::Read, kReadLoc, kReadLoc, kSpectrometerWavelengthCoefficients * kMeterNumberBytes,
       &readWavelengthCoefficients},
      {12, E::Read, kReadLoc, kReadLoc, kIntensityPartNumbers * kMeterNumberBytes,
       &readIntensityPart},
      {12, E::Read, kReadLoc, kReadLoc, kQdPartNumbers * kMeterNumberBytes, &readQdPart},
      {14, E::Read, kReadLoc, kReadLoc, kInfoBytes, &readInfo},
  };
  return table;
}

bool runSpecialCommand(const SpectrometerState& spectrometer, std::uint32_t command,
                       std::uint8_t* reply) {
  if (command != devlink::kDeviceIdCommand) {
    return false;
  }
  std::copy_n(spectrometer.deviceId.begin(), kDeviceIdLength, reply);
  return true;
}

} // namespace tesselusb
