#pragma once

// The simulated instrument behind the library's entry points: its state,
// the exchanges it has received, and the test controls. One instance per
// process; every call locks it, so entry points may be called from any thread.

#include "command_frame.h"
#include "device_state.h"

#include "tesselusb/sim_control.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

namespace tesselusb {

// A state, or why there is none.
struct LoadedState {
  std::optional<DeviceState> state;
  std::string error; // one line naming the source and the problem
};

class Simulator {
public:
  static Simulator &instance();

  // Entry points; each returns 1 for success and 0 for failure.
  std::int32_t command(CommandEntry entry, std::uint32_t id, std::uint32_t loc, std::uint32_t count,
                       std::uint8_t *buf, std::uint32_t timeout, std::uint32_t tries);
  std::int32_t special(std::uint32_t id, std::uint8_t *buf, std::uint32_t arg3, std::uint32_t arg4);
  std::int32_t openDevice(const char *productId, const char *vendorId, std::uint32_t index);
  std::int32_t closeDevice();
  // Returns the number of entries written.
  std::int32_t deviceList(std::uint8_t *list, std::uint32_t capacity);
  // Raw transfers outside the command frame: not supported, always 0.
  std::int32_t dataTransfer(const char *entryName, std::uint32_t count, std::uint32_t timeout);

  // Test controls.
  bool reset();
  bool load(const LoadedState &loaded);
  std::string stateError();
  std::string stateJson();
  int logSize();
  bool logEntry(int index, TsimExchange &out);
  void clearLog();

  // Log capacity: older exchanges are dropped, so that a long session
  // does not grow without bound.
  static constexpr std::size_t kLogCapacity = 10000;

private:
  Simulator() = default;
  // Locks the simulator, reading the start-up state on first use.
  std::unique_lock<std::mutex> lockStarted();
  void append(TsimExchange exchange);

  std::mutex mutex_;
  bool started_ = false;
  LoadedState startup_;
  LoadedState current_;
  std::deque<TsimExchange> log_;
};

// The state a text describes, or why there is none: "`what`: problem".
// `what` names the text as it is given: a caller quotes what came from
// outside (loadStateFile the path).
LoadedState loadStateText(const std::string &text, const std::string &what);
// The same for a file: "cannot read the state file: PATH: system reason", or
// "invalid state file: PATH: problem".
LoadedState loadStateFile(const std::string &path);

} // namespace tesselusb
