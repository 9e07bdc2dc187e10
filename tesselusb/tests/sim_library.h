#pragma once

// The simulated instrument library as the tests see it: loaded by file name
// like our programs load it, entry points and test controls resolved by name.

#include "devlink/usb_entries.h"
#include "tesselusb/sim_loader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace simtest {

using Bytes = std::vector<std::uint8_t>;

// What buffers hold before an exchange, to tell untouched bytes apart.
inline constexpr std::uint8_t kFill = 0xA5;

// The controls and, beside them, the instrument's own entry points.
struct SimLibrary : devlink::UsbEntries, SimControls {
  explicit SimLibrary(const std::string &fileName);

  // Command frames with the callers' time-out and tries; a read sizes
  // `reply` to count bytes of kFill first.
  int read(std::uint32_t id, std::uint32_t loc, std::uint32_t count, Bytes &reply);
  int write(std::uint32_t id, std::uint32_t loc, const Bytes &data);
  int cmd(std::uint32_t id, std::uint32_t loc);
  int open();

  TsimExchange lastExchange();
};

// libTesselUSB.so, loaded once for the whole test program.
SimLibrary &sim();

// Directory holding the example state files.
std::string examplePath(const std::string &name);

Bytes meterNumbers(const std::vector<double> &values);
std::vector<double> decodeMeterNumbers(const Bytes &bytes, std::size_t first, std::size_t n);
std::uint16_t u16At(const Bytes &bytes, std::size_t offset);

} // namespace simtest
