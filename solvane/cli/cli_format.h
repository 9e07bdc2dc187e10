#pragma once

// Numbers in solvane-cli's tables.

#include <cmath>
#include <cstdio>
#include <string>

// The value with `decimals` decimals and its unit, or "n/a" for a NaN.
inline std::string shown(double value, int decimals, const char *unit = "") {
  if (!std::isfinite(value)) {
    return "n/a";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
  return text;
}

// A group's reason for its NaN values, after its line of the table.
inline void endLine(const std::string &reason) {
  std::printf(reason.empty() ? "\n" : "   (%s)\n", reason.c_str());
}
