#include "spectrometer_commands.h"

#include "common_commands.h"
#include "wire_format.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"
#include "devlink/usb_library.h"

#include <algorithm>

namespace tesselusb {

namespace {

namespace protocol = devlink::spectrometer;
using devlink::encodeMeterNumbers;

constexpr std::uint32_t kReadLoc = protocol::kReadLoc;
constexpr std::uint32_t kMeterNumberBytes = devlink::kMeterNumberBytes;

bool readPixelPart(SpectrometerState &spectrometer, const Frame &frame) {
  const std::size_t first = (frame.command - protocol::kFirstPixelPart) * protocol::kPixelsPerPart;
  writeCounts(spectrometer.pixels.data() + first, protocol::kPixelsPerPart, frame.data);
  return true;
}

bool readLastPixelPartAndDark(SpectrometerState &spectrometer, const Frame &frame) {
  const std::size_t first = kPixels - protocol::kLastPartPixels;
  writeCounts(spectrometer.pixels.data() + first, protocol::kLastPartPixels, frame.data);
  writeCounts(spectrometer.dark.data(), kDarkCounts, frame.data + 2 * protocol::kLastPartPixels);
  return true;
}

bool readWavelengthCoefficients(SpectrometerState &spectrometer, const Frame &frame) {
  return encodeMeterNumbers(spectrometer.wavelengthCoefficients.data(),
                            kSpectrometerWavelengthCoefficients, frame.data);
}

// Sends the next `partSize` values of a table read in parts; the cursor
// moves on (and wraps after the last part) only when the part went out.
template <std::size_t N>
bool readTablePart(const std::array<double, N> &table, std::size_t partSize, std::size_t &cursor,
                   std::uint8_t *out) {
  if (!encodeMeterNumbers(table.data() + cursor * partSize, partSize, out)) {
    return false;
  }
  cursor = (cursor + 1) % (N / partSize);
  return true;
}

bool readIntensityPart(SpectrometerState &spectrometer, const Frame &frame) {
  return readTablePart(spectrometer.intensityCoefficients, protocol::kIntensityPartNumbers,
                       spectrometer.intensityCursor, frame.data);
}

bool readQdPart(SpectrometerState &spectrometer, const Frame &frame) {
  return readTablePart(spectrometer.qd, protocol::kQdPartNumbers, spectrometer.qdCursor,
                       frame.data);
}

bool readInfo(SpectrometerState &spectrometer, const Frame &frame) {
  const SpectrometerInfo &info = spectrometer.info;
  std::uint8_t *out = frame.data;
  std::fill(out, out + kInfoTexts * kInfoTextBytes, 0);
  for (const std::string &text : info.texts) {
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

const CommandTable<SpectrometerState> &spectrometerCommands() {
  using E = CommandEntry;
  using S = SpectrometerState;
  static const CommandTable<S> table = {
      {protocol::kSetIntegrationTime, E::Write, protocol::kWriteLoc, protocol::kWriteLoc, 2,
       &writeIntegrationTime<S>},
      {protocol::kReadIntegrationTime, E::Read, kReadLoc, kReadLoc, 2, &readIntegrationTime<S>},
      {3, E::Read, kReadLoc, kReadLoc, protocol::kPixelPartBytes, &readPixelPart},
      {4, E::Read, kReadLoc, kReadLoc, protocol::kPixelPartBytes, &readPixelPart},
      {5, E::Read, kReadLoc, kReadLoc, protocol::kPixelPartBytes, &readPixelPart},
      {6, E::Read, kReadLoc, kReadLoc, protocol::kPixelPartBytes, &readPixelPart},
      {protocol::kLastPixelPart, E::Read, kReadLoc, kReadLoc, protocol::kLastPartBytes,
       &readLastPixelPartAndDark},
      {protocol::kReadWavelengthCoefficients, E::Read, kReadLoc, kReadLoc,
       protocol::kWavelengthCoefficientBytes, &readWavelengthCoefficients},
      {protocol::kReadTablePart, E::Read, kReadLoc, kReadLoc,
       protocol::kIntensityPartNumbers * kMeterNumberBytes, &readIntensityPart},
      {protocol::kReadTablePart, E::Read, kReadLoc, kReadLoc,
       protocol::kQdPartNumbers * kMeterNumberBytes, &readQdPart},
      {protocol::kReadInfo, E::Read, kReadLoc, kReadLoc, protocol::kInfoBytes, &readInfo},
  };
  return table;
}

bool runSpecialCommand(const SpectrometerState &spectrometer, std::uint32_t command,
                       std::uint8_t *reply) {
  if (command != devlink::kDeviceIdCommand) {
    return false;
  }
  std::copy_n(spectrometer.deviceId.begin(), kDeviceIdLength, reply);
  return true;
}

} // namespace tesselusb
