#include "device.h"

#include "usb_binding.h"

#include "devlink/meter_number.h"

#include <algorithm>
#include <vector>

namespace specsdk {

namespace {

namespace protocol = devlink::spectrometer;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMeterNumberBytes = devlink::kMeterNumberBytes;
// Wavelength polynomial terms that the device's numbers set; c3 and c4 stay 0.
constexpr int kDeviceWavelengthTerms = 3;
constexpr int kIntensityParts = protocol::kIntensityCoefficients / protocol::kIntensityPartNumbers;
constexpr int kQdParts = protocol::kQdValues / protocol::kQdPartNumbers;

// One CmdRead with the SDK's loc and tries; true when the reply arrived.
bool read(DWORD command, DWORD timeout, Bytes &reply) {
  const UsbEntries *usb = usbEntries();
  return usb != nullptr &&
         usb->cmdRead(command, protocol::kReadLoc, static_cast<DWORD>(reply.size()), reply.data(),
                      timeout, nullptr, devlink::kTries) > 0;
}

// Reads a table that the device sends in `parts` consecutive parts of
// `perPart` meter numbers. The device moves to the next part only after a
// part went out, so a failed part is asked for again by the next request
// and the values stay in order: each success fills the next `perPart`.
template <typename T> int readTableParts(int parts, int perPart, T *table) {
  if (!openDevice()) {
    return 0;
  }
  Bytes reply(static_cast<std::size_t>(perPart) * kMeterNumberBytes);
  int filled = 0;
  for (int part = 0; part < parts; ++part) {
    if (read(protocol::kReadTablePart, protocol::kTableTimeout, reply)) {
      for (int k = 0; k < perPart; ++k) {
        table[filled + k] =
            static_cast<T>(devlink::decodeMeterNumber(reply.data() + k * kMeterNumberBytes));
      }
      filled += perPart;
    }
  }
  return filled;
}

} // namespace

bool openDevice(int index) {
  const UsbEntries *usb = usbEntries();
  return usb != nullptr &&
         usb->openDevice(devlink::kProductId, devlink::kVendorId, static_cast<DWORD>(index)) != 0;
}

bool readRawFrame(protocol::RawFrame &frame) {
  for (DWORD command = protocol::kFirstPixelPart; command <= protocol::kLastPixelPart; ++command) {
    Bytes reply(protocol::pixelPartBytes(command));
    if (!read(command, protocol::kFrameTimeout, reply)) {
      return false;
    }
    protocol::decodePixelPart(command, reply.data(), frame.pixels.data(), frame.dark.data());
  }
  return true;
}

bool readWavelengthCoefficients(float (&coefficients)[kPolynomialTerms]) {
  Bytes reply(protocol::kWavelengthCoefficientBytes);
  if (!openDevice() ||
      !read(protocol::kReadWavelengthCoefficients, protocol::kTableTimeout, reply)) {
    return false;
  }
  for (int k = 0; k < kDeviceWavelengthTerms; ++k) {
    coefficients[k] =
        static_cast<float>(devlink::decodeMeterNumber(reply.data() + k * kMeterNumberBytes));
  }
  return true;
}

int readIntensityCoefficients(double *table) {
  return readTableParts(kIntensityParts, protocol::kIntensityPartNumbers, table);
}

int readQdTable(float *table) {
  return readTableParts(kQdParts, protocol::kQdPartNumbers, table);
}

bool readInstrumentInfo(protocol::InstrumentInfo &info) {
  Bytes reply(protocol::kInfoBytes);
  if (!openDevice() || !read(protocol::kReadInfo, protocol::kTableTimeout, reply)) {
    return false;
  }
  info = protocol::decodeInfo(reply.data());
  return true;
}

int readIntegrationTime() {
  Bytes reply(protocol::kIntegrationTimeBytes);
  if (!openDevice() ||
      !read(protocol::kReadIntegrationTime, protocol::kReadIntegrationTimeTimeout, reply)) {
    return -1;
  }
  return protocol::decodeIntegrationTime(reply.data());
}

bool writeIntegrationTime(int time) {
  if (time < 0 || time > protocol::kMaxIntegrationTime || !openDevice()) {
    return false;
  }
  Bytes data(protocol::kIntegrationTimeBytes);
  protocol::encodeIntegrationTime(time, data.data());
  return usbEntries()->cmdWrite(
             protocol::kSetIntegrationTime, protocol::kWriteLoc, static_cast<DWORD>(data.size()),
             data.data(), protocol::kWriteIntegrationTimeTimeout, nullptr, devlink::kTries) > 0;
}

bool readDeviceId(char *id) {
  if (!openDevice()) {
    return false;
  }
  const UsbEntries *usb = usbEntries();
  Bytes reply(devlink::kSpecialReplyBytes);
  const bool read = usb->cmdSpeic(devlink::kDeviceIdCommand, reply.data(), 0, 0) > 0;
  if (read) {
    std::copy_n(reply.begin(), devlink::kDeviceIdBytes, id);
  }
  usb->closeDevice();
  return read;
}

} // namespace specsdk
