#pragma once

// Float spectra for the library's tests: Planck radiators and CIE
// illuminants on the grids QSP_ColorGetXYZ accepts.

#include "cie/tables.h"
#include "colorimetry/planck.h"

#include <vector>

namespace specsdk_test {

// Planck radiator at T on 380 + k·stepNm nm, `count` values.
inline std::vector<float> planckSpectrum(double kelvin, int stepNm, int count) {
  std::vector<float> s(count);
  colorimetry::samplePlanck(colorimetry::kReferencePlanck, kelvin,
                            {3.8e-7, stepNm * 1e-9, count}, s.data());
  return s;
}

// A CIE table column on firstNm, firstNm + 1, ... (count values).
inline std::vector<float> tabulated(const cie::Table& table, int firstNm, int count,
                                    int column = 0) {
  std::vector<float> s(count);
  for (int i = 0; i < count; ++i) {
    s[i] = static_cast<float>(table.at(firstNm + i * table.stepNm, column));
  }
  return s;
}

} // namespace specsdk_test
