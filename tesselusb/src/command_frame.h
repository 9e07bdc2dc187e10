#pragma once

// One command frame as it reaches the simulated device, and the table row
// form that describes each command the device understands. A device's table
// drives both the frame check and the dispatch to the command's handler.

#include <cstdint>
#include <limits>
#include <vector>

namespace tesselusb {

// The entry point a frame arrived through; the direction of its data.
enum class CommandEntry { Read, Write, Cmd };

struct Frame {
  CommandEntry entry = CommandEntry::Cmd;
  std::uint32_t command = 0;
  std::uint32_t loc = 0;
  std::uint32_t count = 0;
  std::uint8_t *data = nullptr; // exactly count bytes once the frame is accepted
};

inline constexpr std::uint32_t kAnyLoc = std::numeric_limits<std::uint32_t>::max();

template <typename Device> struct CommandRow {
  std::uint32_t command;
  CommandEntry entry;
  std::uint32_t firstLoc; // loc must lie in firstLoc..lastLoc
  std::uint32_t lastLoc;
  std::uint32_t count; // the exact byte count
  // Carries the command out; false when the device refuses the data.
  bool (*handle)(Device &device, const Frame &frame);

  bool accepts(const Frame &frame) const {
    return frame.command == command && frame.entry == entry && frame.loc >= firstLoc &&
           frame.loc <= lastLoc && frame.count == count;
  }
};

template <typename Device> using CommandTable = std::vector<CommandRow<Device>>;

// The row that accepts the frame, or nullptr for an unknown command or a
// wrong entry point, loc or count.
template <typename Device>
const CommandRow<Device> *findCommand(const CommandTable<Device> &table, const Frame &frame) {
  for (const auto &row : table) {
    if (row.accepts(frame)) {
      return &row;
    }
  }
  return nullptr;
}

} // namespace tesselusb
