#include "colour_internal.h"

#include "cie/tables.h"
#include "colorimetry/tristimulus.h"

namespace specsdk {

// 1 nm input is decimated to the 5 nm rows of the CIE 1931 2° table (the
// CIE 5 nm table is the 1 nm table's rows at multiples of 5 nm).
colorimetry::Tristimulus tristimulus5nm(const float *spectrum, int count) {
  return colorimetry::plainSums(spectrum, count, 5, cie::cmf1931_2deg);
}

} // namespace specsdk
