#pragma once

// Hardware IDs: which present device an INF's model serves, and which
// model an INF offers for this platform.

#include "drvinst/inf_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace drvinst {

// True when `deviceId` is `modelId` or a more specific form of it: after
// upper-casing both, the device ID contains the model ID and either the
// model ID is at least as long, or the device ID's character at the model
// ID's length is "&", "-", "#" or "_". So USB\VID_0483&PID_085F matches
// USB\VID_0483&PID_085F&REV_0200 but not USB\VID_0483&PID_085F0.
bool hardwareIdMatches(std::string_view modelId, std::string_view deviceId);

// The first hardware ID of the first device model that the INF lists for
// `decoration`. Each [Manufacturer] line names a models section; when one
// of its further fields equals the decoration (without regard to case) the
// decorated section "<models>.<decoration>" is used, otherwise the
// undecorated one. A model line without IDs yields an empty ID. nullopt
// when no manufacturer's models section has a line.
std::optional<std::string> modelHardwareId(const InfFile &inf, std::string_view decoration);

} // namespace drvinst
