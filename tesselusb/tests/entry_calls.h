#pragma once

#include "devlink/shared_library.h"

#include <string>
#include <vector>

namespace simtest {

// Calls each of the nine entry points once, with frames a meter (or, for
// CmdSpeic, a spectrometer) would accept; returns "name=result" lines.
std::vector<std::string> callEveryEntryPoint(const devlink::SharedLibrary &lib);

} // namespace simtest
