#include "solvane/colour/locus.h"

#include "solvane/colour/tristimulus.h"

#include <cmath>

namespace solvane {
namespace {

using colorimetry::LocusEntry;

// Radiation constants of the record locus: c1 = 3.7417749e-16 W·m²,
// c2 = 0.014388 m·K, c1·c2 = 5.38366572612e-18.
constexpr colorimetry::PlanckConstants kLocusPlanck{3.7417749e-16, 0.014388, 5.38366572612e-18};

constexpr double kFirstKelvin = 1800;
constexpr double kTableStepKelvin = 200;

LocusTable makeLocusTable() {
  LocusTable table{};
  for (int i = 0; i < kLocusTableEntries; ++i) {
    table[i] = locusEntryAt(kFirstKelvin + kTableStepKelvin * i);
  }
  return table;
}

bool hotterThanPoint(const LocusEntry &e, double u, double v) {
  return colorimetry::offsetFromIsotemperatureLine(e, u, v) > 0;
}

CctAndDuv atLocusPoint(const LocusEntry &e, double u, double v) {
  const double distance = std::sqrt((u - e.u) * (u - e.u) + (v - e.v) * (v - e.v));
  return {e.T, u > e.u ? -distance : distance};
}

// Steps from `start` in `steps` increments of `stepKelvin` and returns the
// first entry hotter than the point; the last one if rounding leaves none.
LocusEntry firstHotterEntry(double start, double stepKelvin, int steps, double u, double v) {
  LocusEntry e{};
  for (int k = 1; k <= steps; ++k) {
    e = locusEntryAt(start + stepKelvin * k);
    if (hotterThanPoint(e, u, v)) {
      break;
    }
  }
  return e;
}

} // namespace

LocusEntry locusEntryAt(double kelvin) {
  const auto sums = [](const double *spectrum) {
    return tristimulus(spectrum, colorimetry::kVisible5nm.count, kObserver2deg);
  };
  return colorimetry::planckLocusEntry<double>(kLocusPlanck, kelvin, sums);
}

const LocusTable &buildLocusTable() {
  static const LocusTable table = makeLocusTable();
  return table;
}

CctAndDuv cctByLocusSteps(double u, double v) {
  const LocusTable &table = buildLocusTable();
  int i = 0;
  while (i < kLocusTableEntries && !hotterThanPoint(table[i], u, v)) {
    ++i;
  }
  if (i == 0) {
    return atLocusPoint(table.front(), u, v);
  }
  if (i == kLocusTableEntries) {
    return atLocusPoint(table.back(), u, v);
  }
  // The point lies between entries i − 1 and i: find the first hotter
  // temperature in 20 K steps, then in 1 K steps within the last 20 K.
  const LocusEntry coarse = firstHotterEntry(table[i - 1].T, 20, 10, u, v);
  const LocusEntry fine = firstHotterEntry(coarse.T - 20, 1, 20, u, v);
  return atLocusPoint(fine, u, v);
}

} // namespace solvane
