#pragma once

// The lettering every page of the report shares: one family in two weights.

#include "kvpainter.h"

namespace solvane::report {

inline constexpr int kBold = 75;
inline constexpr int kLight = 25;
inline constexpr char kFont[] = "Calibri";

inline void useFont(KVPainter &page, int size, int weight) {
  page.setFont(size, weight, kFont);
}

} // namespace solvane::report
