#pragma once

// Colour rendering of a measurement record: CIE 13.3-1995 with fifteen test
// colour samples.

#include "colorimetry/chromaticity.h"
#include "colorimetry/rendering.h"

#include <array>

namespace solvane {

struct ColourRendering {
  double ra;                                                   // mean of R1..R8
  std::array<double, colorimetry::kTestColourSamples> special; // R1..R15
};

// Ra and R1..R15 of a 401-value spectrum at 1 nm from 380 nm whose CIE 1960
// chromaticity is `test` and whose CCT is `cct`, with the 2° observer.
ColourRendering colourRendering(const double *spectrum, colorimetry::UV test, double cct);

} // namespace solvane
