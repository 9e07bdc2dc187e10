#include "simulator.h"

#include "demo_state.h"
#include "meter_commands.h"
#include "spectrometer_commands.h"
#include "state_json.h"

#include "devlink/endian.h"
#include "devlink/usb_library.h"
#include "quoting/quoted_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <strings.h>
#include <utility>

namespace tesselusb {

namespace {

constexpr const char *kStateVariable = "TESSELUSB_STATE";

// Device list entry layout.
constexpr std::size_t kListEntryBytes = 40;
constexpr std::size_t kListIndexOffset = 4;
constexpr std::size_t kListDeviceIdOffset = 8;
constexpr std::size_t kListKindOffset = 24;
constexpr std::uint16_t kVendorId = 0x0483;
constexpr std::uint16_t kProductId = 0x085F;
static_assert(kListEntryBytes * devlink::kDeviceListCapacity == devlink::kDeviceListBytes);

const CommandTable<MeterState> &commandTable(const MeterState &) {
  return meterCommands();
}
const CommandTable<SpectrometerState> &commandTable(const SpectrometerState &) {
  return spectrometerCommands();
}

// The meter answers every exchange on its own; the spectrometer only once opened.
bool needsOpenDevice(const MeterState &) {
  return false;
}
bool needsOpenDevice(const SpectrometerState &) {
  return true;
}

const char *entryName(CommandEntry entry) {
  switch (entry) {
  case CommandEntry::Read:
    return "CmdRead";
  case CommandEntry::Write:
    return "CmdWrite";
  case CommandEntry::Cmd:
    break;
  }
  return "CmdCmd";
}

bool hasFault(const std::vector<Fault> &faults, std::uint32_t command, std::uint32_t loc) {
  return std::any_of(faults.begin(), faults.end(), [&](const Fault &fault) {
    return fault.command == command && (!fault.loc || *fault.loc == loc);
  });
}

// What became of one command frame: whether its shape was right (so its
// buffer holds `count` bytes) and whether the device carried it out.
struct FrameOutcome {
  bool wellFormed = false;
  bool carriedOut = false;
};

template <typename Device>
FrameOutcome runFrame(DeviceState &state, Device &device, const Frame &frame) {
  const CommandRow<Device> *row = findCommand(commandTable(device), frame);
  if (row == nullptr || (frame.count > 0 && frame.data == nullptr)) {
    return {};
  }
  if ((needsOpenDevice(device) && !state.open) ||
      hasFault(state.faults, frame.command, frame.loc)) {
    return {true, false};
  }
  return {true, row->handle(device, frame)};
}

TsimExchange newExchange(const char *entry, std::uint32_t command, std::uint32_t loc,
                         std::uint32_t count, std::uint32_t timeout, std::uint32_t tries) {
  TsimExchange exchange{};
  std::strncpy(exchange.entry, entry, sizeof exchange.entry - 1);
  exchange.command = command;
  exchange.loc = loc;
  exchange.count = count;
  exchange.timeout = timeout;
  exchange.tries = tries;
  return exchange;
}

void keepData(TsimExchange &exchange, const std::uint8_t *data, std::size_t size) {
  exchange.dataSize = static_cast<std::uint32_t>(std::min(size, sizeof exchange.data));
  std::memcpy(exchange.data, data, exchange.dataSize);
}

void writeDeviceListEntry(const DeviceState &state, std::uint8_t *entry) {
  std::fill(entry, entry + kListEntryBytes, 0);
  devlink::writeU16le(entry, kVendorId);
  devlink::writeU16le(entry + 2, kProductId);
  devlink::writeU32le(entry + kListIndexOffset, 0);
  const std::string &deviceId = state.settings().deviceId;
  std::copy(deviceId.begin(), deviceId.end(), entry + kListDeviceIdOffset);
  std::strncpy(reinterpret_cast<char *>(entry + kListKindOffset), state.kindName(),
               kListEntryBytes - kListKindOffset - 1);
}

LoadedState startupState() {
  const char *path = std::getenv(kStateVariable);
  if (path == nullptr || *path == '\0') {
    DeviceState demo;
    demo.device = demoMeter();
    return {demo, {}};
  }
  return loadStateFile(path);
}

} // namespace

LoadedState loadStateText(const std::string &text, const std::string &what) {
  DeviceState state;
  std::string problem;
  if (!parseState(text, &state, &problem)) {
    return {std::nullopt, what + ": " + problem};
  }
  return {std::move(state), {}};
}

LoadedState loadStateFile(const std::string &path) {
  const std::string quotedPath = quoting::quotedText(path);
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return {std::nullopt, "cannot read the state file: " + quotedPath + ": " + std::strerror(errno)};
  }
  // One byte beyond the bound is enough for the reader to refuse the file.
  std::string text(kMaxStateBytes + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (file.bad()) { // a folder, or an error of the device
    return {std::nullopt, "cannot read the state file: " + quotedPath + ": " + std::strerror(errno)};
  }
  text.resize(static_cast<std::size_t>(file.gcount()));
  return loadStateText(text, "invalid state file: " + quotedPath);
}

Simulator &Simulator::instance() {
  static Simulator simulator;
  return simulator;
}

std::unique_lock<std::mutex> Simulator::lockStarted() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!started_) {
    started_ = true;
    startup_ = startupState();
    if (!startup_.state) {
      std::fprintf(stderr, "libTesselUSB: %s\n", startup_.error.c_str());
    }
    current_ = startup_;
  }
  return lock;
}

void Simulator::append(TsimExchange exchange) {
  if (log_.size() == kLogCapacity) {
    log_.pop_front();
  }
  log_.push_back(exchange);
}

std::int32_t Simulator::command(CommandEntry entry, std::uint32_t id, std::uint32_t loc,
                                std::uint32_t count, std::uint8_t *buf, std::uint32_t timeout,
                                std::uint32_t tries) {
  const auto lock = lockStarted();
  const Frame frame{entry, id, loc, count, buf};
  FrameOutcome outcome;
  if (current_.state) {
    DeviceState &state = *current_.state;
    outcome =
        std::visit([&](auto &device) { return runFrame(state, device, frame); }, state.device);
  }
  TsimExchange exchange = newExchange(entryName(entry), id, loc, count, timeout, tries);
  exchange.result = outcome.carriedOut ? 1 : 0;
  const bool sent = entry == CommandEntry::Write && outcome.wellFormed;
  const bool replied = entry == CommandEntry::Read && outcome.carriedOut;
  if (sent || replied) {
    keepData(exchange, buf, count);
  }
  append(exchange);
  return exchange.result;
}

std::int32_t Simulator::special(std::uint32_t id, std::uint8_t *buf, std::uint32_t arg3,
                                std::uint32_t arg4) {
  const auto lock = lockStarted();
  TsimExchange exchange = newExchange("CmdSpeic", id, arg3, arg4, 0, 0);
  const DeviceState *state = current_.state ? &*current_.state : nullptr;
  const auto *spectrometer = state ? std::get_if<SpectrometerState>(&state->device) : nullptr;
  if (spectrometer != nullptr && state->open && buf != nullptr &&
      !hasFault(state->faults, id, arg3) && runSpecialCommand(*spectrometer, id, buf)) {
    exchange.result = 1;
    keepData(exchange, buf, kDeviceIdLength);
  }
  append(exchange);
  return exchange.result;
}

std::int32_t Simulator::openDevice(const char *productId, const char *vendorId,
                                   std::uint32_t index) {
  const auto lock = lockStarted();
  TsimExchange exchange = newExchange("OpenDevice", 0, index, 0, 0, 0);
  const bool matches = productId != nullptr && vendorId != nullptr &&
                       strcasecmp(productId, devlink::kProductId) == 0 &&
                       strcasecmp(vendorId, devlink::kVendorId) == 0 && index == 0;
  if (current_.state && matches) {
    DeviceState &state = *current_.state;
    state.open = true;
    // A new operation reads the parted tables from their start.
    if (auto *spectrometer = std::get_if<SpectrometerState>(&state.device)) {
      spectrometer->intensityCursor = 0;
      spectrometer->qdCursor = 0;
    }
    exchange.result = 1;
  }
  append(exchange);
  return exchange.result;
}

std::int32_t Simulator::closeDevice() {
  const auto lock = lockStarted();
  TsimExchange exchange = newExchange("CloseDevice", 0, 0, 0, 0, 0);
  if (current_.state) {
    current_.state->open = false;
    exchange.result = 1;
  }
  append(exchange);
  return exchange.result;
}

std::int32_t Simulator::deviceList(std::uint8_t *list, std::uint32_t capacity) {
  const auto lock = lockStarted();
  TsimExchange exchange = newExchange("GetDeviceList", 0, 0, capacity, 0, 0);
  if (current_.state && list != nullptr && capacity > 0) {
    writeDeviceListEntry(*current_.state, list);
    exchange.result = 1;
    keepData(exchange, list, kListEntryBytes);
  }
  append(exchange);
  return exchange.result;
}

std::int32_t Simulator::dataTransfer(const char *entryName, std::uint32_t count,
                                     std::uint32_t timeout) {
  const auto lock = lockStarted();
  append(newExchange(entryName, 0, 0, count, timeout, 0));
  return 0;
}

bool Simulator::reset() {
  const auto lock = lockStarted();
  current_ = startup_;
  log_.clear();
  return current_.state.has_value();
}

bool Simulator::load(const LoadedState &loaded) {
  const auto lock = lockStarted();
  current_ = loaded;
  return current_.state.has_value();
}

std::string Simulator::stateError() {
  const auto lock = lockStarted();
  return current_.error;
}

std::string Simulator::stateJson() {
  const auto lock = lockStarted();
  return current_.state ? stateToJson(*current_.state) : "null";
}

int Simulator::logSize() {
  const auto lock = lockStarted();
  return static_cast<int>(log_.size());
}

bool Simulator::logEntry(int index, TsimExchange &out) {
  const auto lock = lockStarted();
  if (index < 0 || static_cast<std::size_t>(index) >= log_.size()) {
    return false;
  }
  out = log_[static_cast<std::size_t>(index)];
  return true;
}

void Simulator::clearLog() {
  const auto lock = lockStarted();
  log_.clear();
}

} // namespace tesselusb
