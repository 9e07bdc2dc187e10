#include "colour_internal.h"

#include "cie/tables.h"

namespace specsdk {
namespace {

// Which spectrum values enter the sums and which 5 nm colour-matching row
// each takes: value firstIndex + k·indexStep pairs with row k·rowStep.
struct Decimation {
  int firstIndex;
  int indexStep;
  int used;
  int rowStep;
};

bool decimationFor(int count, Decimation &d) {
  switch (count) {
  case 81:
    d = {0, 1, 81, 1};
    return true; // 380–780 nm, 5 nm
  case 41:
    d = {0, 1, 41, 2};
    return true; // 380–780 nm, 10 nm
  case 400:
    d = {0, 5, 80, 1};
    return true; // 380–779 nm, 1 nm: 380..775 used
  case 401:
    d = {0, 5, 81, 1};
    return true; // 380–780 nm, 1 nm
  case 701:
    d = {80, 5, 81, 1};
    return true; // 300–1000 nm, 1 nm: 380..780 used
  default:
    return false;
  }
}

} // namespace

colorimetry::Tristimulus tristimulus5nm(const float *spectrum, int count) {
  colorimetry::Tristimulus sums;
  Decimation d{};
  if (!decimationFor(count, d)) {
    return sums;
  }
  // The CIE 5 nm table is the 1 nm table's rows at multiples of 5 nm.
  const double *rows1nm = cie::cmf1931_2deg.row(380);
  for (int k = 0; k < d.used; ++k) {
    const double s = spectrum[d.firstIndex + k * d.indexStep];
    const double *cmf = rows1nm + 3 * 5 * (k * d.rowStep);
    sums.X += s * cmf[0];
    sums.Y += s * cmf[1];
    sums.Z += s * cmf[2];
  }
  return sums;
}

} // namespace specsdk
