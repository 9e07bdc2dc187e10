// The simulator's JSON state reader: any text either loads, and then
// writes back to a text that loads to the same state, or fails with one
// line that holds no control character.

#include "fuzz_check.h"
#include "simulator.h"
#include "state_json.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  const tesselusb::LoadedState loaded = tesselusb::loadStateText(text, "fuzz");
  if (!loaded.state) {
    FUZZ_CHECK(isOneCleanLine(loaded.error));
    return 0;
  }
  const std::string written = tesselusb::stateToJson(*loaded.state);
  const tesselusb::LoadedState reloaded = tesselusb::loadStateText(written, "written");
  FUZZ_CHECK(reloaded.state);
  FUZZ_CHECK(tesselusb::stateToJson(*reloaded.state) == written);
  return 0;
}
