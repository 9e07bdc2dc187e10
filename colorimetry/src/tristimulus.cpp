#include "colorimetry/tristimulus.h"

#include "cie/tables.h"

namespace colorimetry {

bool visibleValuesOf(int count, VisibleValues &values) {
  switch (count) {
  case 81:
    values = {0, 5, 81};
    return true;
  case 41:
    values = {0, 10, 41};
    return true;
  case 400:
    values = {0, 1, 400}; // 380–779 nm
    return true;
  case 401:
    values = {0, 1, 401};
    return true;
  case 701:
    values = {80, 1, 401}; // 300–1000 nm: 380 nm is value 80
    return true;
  default:
    return false;
  }
}

template <typename Value>
Tristimulus plainSums(const Value *spectrum, int count, int minimumStepNm, const cie::Table &cmf) {
  Tristimulus sums;
  VisibleValues visible{};
  if (!visibleValuesOf(count, visible)) {
    return sums;
  }
  const int indexStep = visible.stepNm >= minimumStepNm ? 1 : minimumStepNm / visible.stepNm;
  const int rowStep = visible.stepNm * indexStep;
  const int used = (visible.count - 1) / indexStep + 1;
  const double *rows = cmf.row(380);
  for (int k = 0; k < used; ++k) {
    const double s = spectrum[visible.firstIndex + k * indexStep];
    const double *row = rows + cmf.columns * (k * rowStep);
    sums.X += s * row[0];
    sums.Y += s * row[1];
    sums.Z += s * row[2];
  }
  return sums;
}

template Tristimulus plainSums<float>(const float *, int, int, const cie::Table &);
template Tristimulus plainSums<double>(const double *, int, int, const cie::Table &);

} // namespace colorimetry
