#include "colour_internal.h"

#include <algorithm>
#include <cmath>

namespace specsdk {
namespace {

using colorimetry::LocusEntry;

CctBlockBounds boundsOf(const LocusEntry *first, const LocusEntry *last) {
  CctBlockBounds b{first->u, first->u, first->v, first->m, first->m};
  for (const LocusEntry *e = first; e != last; ++e) {
    b.uMin = std::min(b.uMin, e->u);
    b.uMax = std::max(b.uMax, e->u);
    b.vMin = std::min(b.vMin, e->v);
    b.mMin = std::min(b.mMin, e->m);
    b.mMax = std::max(b.mMax, e->m);
  }
  return b;
}

// The block skip is used for points with |u|, |v| up to this bound. There the
// rounding error of an offset, and of the block's bound on it, stays below
// 1e-13 (table u, v below 0.5 and |m| below 12), far inside kSkipMargin.
constexpr double kSkipRange = 10;
constexpr double kSkipMargin = 1e-12;

// True when (v − vᵢ) − mᵢ(u − uᵢ) is negative, by more than any rounding, for
// every entry of the block: an upper bound of the offset over the box of the
// block's u, v and m ranges is.
bool blockCannotStop(const CctBlockBounds &b, double u, double v) {
  const double nearW = u - b.uMax;
  const double farW = u - b.uMin;
  const double leastProduct =
      std::min(std::min(b.mMin * nearW, b.mMin * farW), std::min(b.mMax * nearW, b.mMax * farW));
  return (v - b.vMin) - leastProduct < -kSkipMargin;
}

// The search over entries [first, last): the first i with
// dᵢ = offsetᵢ / √(mᵢ² + 1) > 0.
int firstPositiveDistance(const CctLocusTable &table, int first, int last, double u, double v) {
  for (int i = first; i < last; ++i) {
    const double offset = colorimetry::offsetFromIsotemperatureLine(table.entries[i], u, v);
    // dᵢ can only be positive where the offset is; the quotient is still
    // checked, since it may underflow to 0 or be NaN.
    if (offset > 0 && offset / table.normalLengths[i] > 0) {
      return i;
    }
  }
  return last;
}

} // namespace

std::unique_ptr<CctLocusTable> buildCctLocusTable() {
  auto table = std::make_unique<CctLocusTable>();
  const auto sums = [](const float *spectrum) { return tristimulus5nm(spectrum, 81); };
  for (int i = 0; i < kCctLocusEntries; ++i) {
    const double kelvin = 2000 + 5 * i;
    const LocusEntry entry =
        colorimetry::planckLocusEntry<float>(colorimetry::kReferencePlanck, kelvin, sums);
    table->entries[i] = entry;
    table->normalLengths[i] = std::sqrt(entry.m * entry.m + 1);
  }
  for (int b = 0; b < kCctBlocks; ++b) {
    const int first = b * kCctBlockEntries;
    const int last = std::min(first + kCctBlockEntries, kCctLocusEntries);
    table->blocks[b] = boundsOf(&table->entries[first], table->entries.data() + last);
  }
  return table;
}

const CctLocusTable &sharedCctLocusTable() {
  // Function-local statics are initialised exactly once, even when several
  // threads arrive together.
  static const std::unique_ptr<CctLocusTable> table = buildCctLocusTable();
  return *table;
}

int cctStopIndex(const CctLocusTable &table, double u, double v) {
  const bool blocksMayBeSkipped = std::fabs(u) <= kSkipRange && std::fabs(v) <= kSkipRange;
  for (int b = 0; b < kCctBlocks; ++b) {
    if (blocksMayBeSkipped && blockCannotStop(table.blocks[b], u, v)) {
      continue;
    }
    const int first = b * kCctBlockEntries;
    const int last = std::min(first + kCctBlockEntries, kCctLocusEntries);
    const int stop = firstPositiveDistance(table, first, last, u, v);
    if (stop < last) {
      return stop;
    }
  }
  return kCctLocusEntries;
}

int cctOnFiveKelvinGrid(double u, double v) {
  return cctOfStopIndex(cctStopIndex(sharedCctLocusTable(), u, v));
}

} // namespace specsdk
