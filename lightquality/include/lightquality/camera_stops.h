#pragma once

// Exposure settings as a camera offers them: shutter speeds and f-numbers
// in third stops, each exact value with the rounded number engraved on the
// lens or shown in the viewfinder (1/125 for 2⁻⁷ s, f/5.6 for 2^2.5).

#include <vector>

namespace lightquality {

struct CameraSetting {
  double exact;        // seconds, or the f-number
  const char *nominal; // "1/125", "0.3", "5.6"
};

// f/2.8 to f/16 in third stops: exact f-numbers 2^(k/6).
const std::vector<CameraSetting> &thirdStopApertures();

// The camera's third-stop shutter speed nearest to `seconds` in stops, from
// 1/8000 s to 30 s (exact 2^(k/3) s); null for a time that is not a
// positive number or lies more than a sixth of a stop beyond either end.
const CameraSetting *nominalShutterSpeed(double seconds);

} // namespace lightquality
