#include "sim_library.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"

#include <gtest/gtest.h>

namespace simtest {

SimLibrary::SimLibrary(const std::string &fileName) : SimControls(fileName) {
  if (!library.isOpen()) {
    ADD_FAILURE() << fileName << ": " << library.lastError();
    return;
  }
  const std::string missing = devlink::resolveUsbEntries(library, *this);
  if (!missing.empty()) {
    ADD_FAILURE() << fileName << " lacks the entry point " << missing;
  }
  if (!ready()) {
    ADD_FAILURE() << fileName << " lacks one of the tsim_ controls";
  }
}

int SimLibrary::read(std::uint32_t id, std::uint32_t loc, std::uint32_t count, Bytes &reply) {
  reply.assign(count, kFill);
  return cmdRead(id, loc, count, reply.data(), 2000, nullptr, devlink::kTries);
}

int SimLibrary::write(std::uint32_t id, std::uint32_t loc, const Bytes &data) {
  Bytes copy = data;
  return cmdWrite(id, loc, static_cast<DWORD>(copy.size()), copy.data(), 2000, nullptr,
                  devlink::kTries);
}

int SimLibrary::cmd(std::uint32_t id, std::uint32_t loc) {
  return cmdCmd(id, loc, 0, nullptr, 2000, nullptr, devlink::kTries);
}

int SimLibrary::open() {
  return openDevice(devlink::kProductId, devlink::kVendorId, 0);
}

TsimExchange SimLibrary::lastExchange() {
  TsimExchange exchange{};
  EXPECT_EQ(logEntry(logSize() - 1, &exchange), 1);
  return exchange;
}

SimLibrary &sim() {
  static SimLibrary library(devlink::kUsbLibraryName);
  return library;
}

std::string examplePath(const std::string &name) {
  return TESSELUSB_EXAMPLES_DIR "/" + name;
}

Bytes meterNumbers(const std::vector<double> &values) {
  Bytes bytes(values.size() * devlink::kMeterNumberBytes);
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_TRUE(
        devlink::encodeMeterNumber(values[i], bytes.data() + i * devlink::kMeterNumberBytes));
  }
  return bytes;
}

std::vector<double> decodeMeterNumbers(const Bytes &bytes, std::size_t first, std::size_t n) {
  std::vector<double> values(n);
  for (std::size_t i = 0; i < n; ++i) {
    values[i] = devlink::decodeMeterNumber(bytes.data() + first + i * devlink::kMeterNumberBytes);
  }
  return values;
}

std::uint16_t u16At(const Bytes &bytes, std::size_t offset) {
  return devlink::readU16le(bytes.data() + offset);
}

} // namespace simtest
