#include "spectrometer_commands.h"

#include "common_commands.h"

#include "devlink/meter_number.h"
#include "devlink/spectrometer_frames.h"
#include "devlink/usb_library.h"

#include <algorithm>
#include <cmath>

namespace tesselusb {

namespace {

namespace protocol = devlink::spectrometer;

constexpr std::uint32_t kReadLoc = protocol::kReadLoc;
constexpr std::uint32_t kMeterNumberBytes = devlink::kMeterNumberBytes;

// The pixels as the detector gives them at the current integration time:
// the signal above the mean dark level grows with the time and stops at
// full scale.
std::array<std::uint16_t, kPixels> exposedPixels(const SpectrometerState &spectrometer) {
  if (!spectrometer.pixelsTimeTenths) {
    return spectrometer.pixels;
  }
  double darkSum = 0;
  for (const std::uint16_t count : spectrometer.dark) {
    darkSum += count;
  }
  const double dark = darkSum / kDarkCounts;
  const double gain =
      static_cast<double>(spectrometer.integrationTimeTenths) / *spectrometer.pixelsTimeTenths;
  std::array<std::uint16_t, kPixels> pixels{};
  for (std::size_t i = 0; i < kPixels; ++i) {
    const double count = dark + (spectrometer.pixels[i] - dark) * gain;
    pixels[i] = static_cast<std::uint16_t>(std::lround(std::clamp(count, 0.0, 65535.0)));
  }
  return pixels;
}

// Commands 3 to 7: each sends its share of the frame.
bool readPixelPart(SpectrometerState &spectrometer, const Frame &frame) {
  const std::array<std::uint16_t, kPixels> pixels = exposedPixels(spectrometer);
  protocol::encodePixelPart(frame.command, pixels.data(), spectrometer.dark.data(), frame.data);
  return true;
}

bool readWavelengthCoefficients(SpectrometerState &spectrometer, const Frame &frame) {
  return spectrometer.wavelengthEncoding.encode(spectrometer.wavelengthCoefficients, 0,
                                                kSpectrometerWavelengthCoefficients, frame.data);
}

// Sends the next `partSize` values of a table read in parts; the cursor
// moves on (and wraps after the last part) only when the part went out.
template <std::size_t N>
bool readTablePart(const std::array<double, N> &table, EncodedTable<N> &encoding,
                   std::size_t partSize, std::size_t &cursor, std::uint8_t *out) {
  if (!encoding.encode(table, cursor * partSize, partSize, out)) {
    return false;
  }
  cursor = (cursor + 1) % (N / partSize);
  return true;
}

bool readIntensityPart(SpectrometerState &spectrometer, const Frame &frame) {
  return readTablePart(spectrometer.intensityCoefficients, spectrometer.intensityEncoding,
                       protocol::kIntensityPartNumbers, spectrometer.intensityCursor, frame.data);
}

bool readQdPart(SpectrometerState &spectrometer, const Frame &frame) {
  return readTablePart(spectrometer.qd, spectrometer.qdEncoding, protocol::kQdPartNumbers,
                       spectrometer.qdCursor, frame.data);
}

bool readInfo(SpectrometerState &spectrometer, const Frame &frame) {
  const SpectrometerInfo &held = spectrometer.info;
  protocol::InstrumentInfo info; // texts NUL-padded
  for (std::size_t k = 0; k < kInfoTexts; ++k) {
    std::copy_n(held.texts[k].begin(), std::min(held.texts[k].size(), kInfoTextBytes),
                info.texts[k].begin());
  }
  info.uint32Values = held.uint32Values;
  info.uint16Values = held.uint16Values;
  info.int32Values = held.int32Values;
  protocol::encodeInfo(info, frame.data);
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
      {3, E::Read, kReadLoc, kReadLoc, protocol::pixelPartBytes(3), &readPixelPart},
      {4, E::Read, kReadLoc, kReadLoc, protocol::pixelPartBytes(4), &readPixelPart},
      {5, E::Read, kReadLoc, kReadLoc, protocol::pixelPartBytes(5), &readPixelPart},
      {6, E::Read, kReadLoc, kReadLoc, protocol::pixelPartBytes(6), &readPixelPart},
      {7, E::Read, kReadLoc, kReadLoc, protocol::pixelPartBytes(7), &readPixelPart},
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
