#pragma once

// CIE 224:2017 colour fidelity index Rf and the ANSI/IES TM-30-18 gamut
// index Rg with its hue-bin quantities, from the 99 colour evaluation
// samples (CES).

#include "lightquality/cct.h"
#include "lightquality/spectrum.h"

#include <array>
#include <string>

namespace lightquality {

inline constexpr int kEvaluationSamples = 99;
inline constexpr int kHueBins = 16;

// Mean CAM02-UCS a′, b′ of the samples in one hue bin.
struct BinAverage {
  double a;
  double b;
};

struct ColourFidelity {
  double rf;                                     // CIE 2017 Rf (= TM-30-18 Rf); NaN when undefined
  double rg;                                     // TM-30-18 Rg
  std::array<double, kHueBins> binFidelity;      // Rf,hj
  std::array<double, kHueBins> binChromaShift;   // Rcs,hj, %
  std::array<double, kHueBins> binHueShift;      // Rhs,hj
  std::array<BinAverage, kHueBins> binTest;      // the colour vector graphic's
  std::array<BinAverage, kHueBins> binReference; // test polygon and reference
  std::array<double, kEvaluationSamples> sampleFidelity; // Rf,CES1 … Rf,CES99
  std::string reason;                                    // why the values are NaN; empty otherwise
};

// CIE 224:2017: CIE 1964 10° observer at 1 nm over 380–780 nm; the
// reference of fidelityReference() at the source's CCT (CIE 15:2018 method,
// 2° observer); CIECAM02 / CAM02-UCS with L_A = 100 cd/m², Y_b = 20, average
// surround, D = 1; Rf = 10 ln(exp((100 − 6.73 ΔE)/10) + 1) from the mean
// ΔE of the 99 samples. TM-30-18: samples binned by their hue under the
// reference in 16 bins of 22.5°; Rg = 100 × area of the polygon through the
// test bin averages / area of the reference one; Rf,hj from each bin's mean
// ΔE; Rcs,hj and Rhs,hj are the bin's shift of average a′b′ along and across
// the bin's middle hue, relative to the reference average's distance from
// the origin (Rcs,hj in per cent). NaN with a reason for a spectrum without a CCT or one above
// 25000 K (no CIE daylight there); Rg and the bin values are NaN as well
// when a hue bin holds no sample.
ColourFidelity colourFidelity(const Spectrum &spectrum, const CorrelatedColourTemperature &cct);

} // namespace lightquality
