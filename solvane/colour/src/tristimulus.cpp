#include "solvane/colour/tristimulus.h"

#include "cie/tables.h"

#include <atomic>

namespace solvane {
namespace {

std::atomic<int> g_observer{kObserver2deg};

// Which spectrum values enter the sums and which 1 nm row each takes: value
// firstIndex + k pairs with row k·rowStep.
struct Pairing {
  int firstIndex;
  int used;
  int rowStep;
};

bool pairingFor(int count, Pairing &p) {
  switch (count) {
  case 81:
    p = {0, 81, 5};
    return true; // 380–780 nm, 5 nm
  case 41:
    p = {0, 41, 10};
    return true; // 380–780 nm, 10 nm
  case 400:
    p = {0, 400, 1};
    return true; // 380–779 nm, 1 nm
  case 401:
    p = {0, 401, 1};
    return true; // 380–780 nm, 1 nm
  case 701:
    p = {80, 401, 1};
    return true; // 300–1000 nm, 1 nm: 380..780 used
  default:
    return false;
  }
}

} // namespace

void setObserver(int observer) {
  g_observer = observer;
}

int observerSetting() {
  return g_observer;
}

colorimetry::Tristimulus tristimulus(const double *spectrum, int count, int observer) {
  colorimetry::Tristimulus sums;
  Pairing p{};
  if (!pairingFor(count, p)) {
    return sums;
  }
  const cie::Table &table = observer == kObserver10deg ? cie::cmf1964_10deg : cie::cmf1931_2deg;
  const double *rows = table.row(380);
  for (int k = 0; k < p.used; ++k) {
    const double s = spectrum[p.firstIndex + k];
    const double *cmf = rows + 3 * (k * p.rowStep);
    sums.X += s * cmf[0];
    sums.Y += s * cmf[1];
    sums.Z += s * cmf[2];
  }
  return sums;
}

colorimetry::Tristimulus tristimulus(const double *spectrum, int count) {
  return tristimulus(spectrum, count, observerSetting());
}

} // namespace solvane
