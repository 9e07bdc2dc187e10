// The library's exported functions: the nine entry points and the tsim_
// test controls. Everything else in the library stays hidden.

#pragma GCC visibility push(default)
#include "entry_points.h"
#include "tesselusb/sim_control.h"
#pragma GCC visibility pop

#include "simulator.h"

#include <cstring>
#include <string>
#include <type_traits>

static_assert(std::is_same_v<decltype(&CmdRead), devlink::CommandEntry>);
static_assert(std::is_same_v<decltype(&CmdWrite), devlink::CommandEntry>);
static_assert(std::is_same_v<decltype(&CmdCmd), devlink::CommandEntry>);
static_assert(std::is_same_v<decltype(&CmdSpeic), devlink::SpecialEntry>);
static_assert(std::is_same_v<decltype(&OpenDevice), devlink::OpenDeviceEntry>);
static_assert(std::is_same_v<decltype(&CloseDevice), devlink::CloseDeviceEntry>);
static_assert(std::is_same_v<decltype(&GetDeviceList), devlink::DeviceListEntry>);
static_assert(std::is_same_v<decltype(&ReadData), devlink::DataEntry>);
static_assert(std::is_same_v<decltype(&WriteData), devlink::DataEntry>);

namespace {

using tesselusb::CommandEntry;
using tesselusb::Simulator;

// No exception may cross into a C caller: an allocation failure inside the
// simulator becomes the failure result.
template <typename Fn> auto guarded(decltype(std::declval<Fn>()()) failure, Fn &&fn) {
  try {
    return fn();
  } catch (...) {
    return failure;
  }
}

Simulator &simulator() {
  return Simulator::instance();
}

// Copies text into a caller's buffer when it fits, NUL-terminated; returns
// the length it needs.
int copyText(const std::string &text, char *buffer, int size) {
  if (buffer != nullptr && size > 0 && text.size() < static_cast<std::size_t>(size)) {
    std::memcpy(buffer, text.c_str(), text.size() + 1);
  }
  return static_cast<int>(text.size());
}

} // namespace

extern "C" {

devlink::Result CmdRead(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *,
                        DWORD dwTry) {
  return guarded(0, [&] {
    return simulator().command(CommandEntry::Read, dwID, loc, count, buf, dwTimeout, dwTry);
  });
}

devlink::Result CmdWrite(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *,
                         DWORD dwTry) {
  return guarded(0, [&] {
    return simulator().command(CommandEntry::Write, dwID, loc, count, buf, dwTimeout, dwTry);
  });
}

devlink::Result CmdCmd(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *,
                       DWORD dwTry) {
  return guarded(0, [&] {
    return simulator().command(CommandEntry::Cmd, dwID, loc, count, buf, dwTimeout, dwTry);
  });
}

devlink::Result CmdSpeic(DWORD dwID, BYTE *buf, DWORD arg3, DWORD arg4) {
  return guarded(0, [&] { return simulator().special(dwID, buf, arg3, arg4); });
}

devlink::Result OpenDevice(const char *productId, const char *vendorId, DWORD index) {
  return guarded(0, [&] { return simulator().openDevice(productId, vendorId, index); });
}

devlink::Result CloseDevice() {
  return guarded(0, [] { return simulator().closeDevice(); });
}

devlink::Result GetDeviceList(BYTE *list, DWORD capacity) {
  return guarded(0, [&] { return simulator().deviceList(list, capacity); });
}

devlink::Result ReadData(BYTE *, DWORD count, DWORD dwTimeout) {
  return guarded(0, [&] { return simulator().dataTransfer("ReadData", count, dwTimeout); });
}

devlink::Result WriteData(BYTE *, DWORD count, DWORD dwTimeout) {
  return guarded(0, [&] { return simulator().dataTransfer("WriteData", count, dwTimeout); });
}

int tsim_reset(void) {
  return guarded(0, [] { return simulator().reset() ? 1 : 0; });
}

int tsim_load_state(const char *jsonText) {
  return guarded(0, [&] {
    const auto loaded = jsonText != nullptr
                            ? tesselusb::loadStateText(jsonText, "invalid state text")
                            : tesselusb::LoadedState{std::nullopt, "invalid state text: null"};
    return simulator().load(loaded) ? 1 : 0;
  });
}

int tsim_load_state_file(const char *path) {
  return guarded(0, [&] {
    const auto loaded = path != nullptr
                            ? tesselusb::loadStateFile(path)
                            : tesselusb::LoadedState{std::nullopt, "state file: null path"};
    return simulator().load(loaded) ? 1 : 0;
  });
}

int tsim_state_error(char *buffer, int size) {
  return guarded(-1, [&] { return copyText(simulator().stateError(), buffer, size); });
}

int tsim_log_size(void) {
  return guarded(0, [] { return simulator().logSize(); });
}

int tsim_log_entry(int index, struct TsimExchange *out) {
  return guarded(0, [&] { return out != nullptr && simulator().logEntry(index, *out) ? 1 : 0; });
}

void tsim_clear_log(void) {
  guarded(false, [] {
    simulator().clearLog();
    return true;
  });
}

int tsim_state_json(char *buffer, int size) {
  return guarded(-1, [&] { return copyText(simulator().stateJson(), buffer, size); });
}

} // extern "C"
