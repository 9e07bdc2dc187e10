#pragma once

// How one light differs from another: the table a cinematographer matching
// lamps or an engineer checking a batch reads, each figure of the second
// light minus that of the first.

#include "lightquality/metrics.h"
#include "lightquality/usergroups.h"

namespace lightquality {

// One measured light: its spectrum, its illuminance and its metrics.
struct MeasuredLight {
  const Spectrum *spectrum;
  double illuminanceLux;
  const LightQuality *quality;
};

struct Comparison {
  double illuminancePercent; // (Ev − Ev,first) / Ev,first × 100; NaN when Ev,first is not positive
  double cctKelvin;          // CIE 15 CCT difference; NaN unless both CCTs are defined
  double duv;                // CIE 15 Duv difference
  double uvPrimeDistance;    // distance of the CIE 1976 u′v′ points (CIE 1931 2°)
  double ra;                 // CIE 13.3 Ra difference
  double rf;                 // CIE 2017 Rf difference
  SimilarityIndex ssi;       // SSI of this light against the first
};

// NaN wherever a figure of either light is undefined.
Comparison compareWithFirst(const MeasuredLight &first, const MeasuredLight &other);

} // namespace lightquality
