#include "solvane/colour/tristimulus.h"

#include "cie/tables.h"
#include "colorimetry/tristimulus.h"

#include <atomic>

namespace solvane {
namespace {

std::atomic<int> g_observer{kObserver2deg};

} // namespace

void setObserver(int observer) {
  g_observer = observer;
}

int observerSetting() {
  return g_observer;
}

// Every value of the spectrum against its own row of the observer's 1 nm table.
colorimetry::Tristimulus tristimulus(const double *spectrum, int count, int observer) {
  const cie::Table &table = observer == kObserver10deg ? cie::cmf1964_10deg : cie::cmf1931_2deg;
  return colorimetry::plainSums(spectrum, count, 1, table);
}

colorimetry::Tristimulus tristimulus(const double *spectrum, int count) {
  return tristimulus(spectrum, count, observerSetting());
}

} // namespace solvane
