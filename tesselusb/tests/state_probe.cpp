// Loads libTesselUSB.so in a fresh process and calls each of its nine entry
// points twice, printing "name=result" lines, so that a test can see how the
// library treats the start-up state TESSELUSB_STATE names.

#include "entry_calls.h"

#include "devlink/usb_library.h"

#include <cstdio>

int main() {
  devlink::SharedLibrary lib;
  if (!lib.open(devlink::kUsbLibraryName)) {
    std::printf("load failed: %s\n", lib.lastError().c_str());
    return 1;
  }
  for (int round = 0; round < 2; ++round) {
    for (const std::string &line : simtest::callEveryEntryPoint(lib)) {
      std::printf("%s\n", line.c_str());
    }
  }
  return 0;
}
