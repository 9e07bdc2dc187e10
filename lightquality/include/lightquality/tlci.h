#pragma once

// The television lighting figures: TLCI-2012, how a standard television
// camera renders 18 coloured patches under a light against a reference of
// the light's own colour temperature, and TLMF-2013, how it renders 24
// patches under one luminaire against another the camera is balanced on.
// Both score the mean colour difference as Qa, 0 to 100 (100: no
// difference).

#include "lightquality/spectrum.h"

#include <string>

namespace lightquality {

// The TLCI reference: a Planckian radiator below 3400 K, CIE daylight above
// 5000 K, and a fixed mixture of the 3400 K radiator and 5000 K daylight
// between them.
enum class TlciReference { kPlanck, kBlend, kDaylight };

// "planck", "blend" or "daylight".
const char *tlciReferenceName(TlciReference reference);

// The distance beyond which a TLCI is less reliable.
inline constexpr double kTlciCautionDistance = 1;

struct TelevisionLightingConsistency {
  double qa;             // 0 to 100; NaN when undefined
  double deltaE;         // ΔEa, the fourth-power mean of the CIEDE2000 differences
  double cctKelvin;      // the CCT the reference is chosen by
  TlciReference reference;
  double distance;       // d: the uv distance of the light from the reference white / 0.0054
  std::string reason;    // why the values are NaN; empty otherwise

  // The light lies further from its reference than the index was made for.
  bool caution() const { return distance > kTlciCautionDistance; }
};

// The CCT is the nearest point of the Planckian locus with c2 = 1.435e-2 m·K
// in the CIE 1960 diagram, or of the daylight locus when that is above
// 5000 K, both solved to a small fraction of a kelvin from the light's
// CIE 1931 chromaticity (the record's end values held to 360 and 830 nm).
// NaN with a reason for non-finite values, no light, a light the camera
// does not see in every channel, a chromaticity more than 0.05 from the
// Planckian locus (a single line, a saturated colour), or a CCT outside
// 1000–25000 K.
TelevisionLightingConsistency televisionLightingConsistency(const Spectrum &spectrum);

struct LuminaireMatching {
  double qa;          // 0 to 100; NaN when undefined
  double deltaE;      // ΔEa over all 24 patches
  std::string reason; // why the values are NaN; empty otherwise
};

// TLMF-2013 of `test` against `reference`: the camera is balanced on the
// reference alone, so a colour cast of the test counts as error, and the
// test is exposed to the reference's luma. The scale of either spectrum
// does not matter. NaN with a reason when either holds non-finite values
// or no light the camera sees in every channel.
LuminaireMatching luminaireMatchingFactor(const Spectrum &test, const Spectrum &reference);

// The TLCI of a light and its TLMF against CIE A and D65, the references
// filmed once for all lights.
struct TelevisionFigures {
  TelevisionLightingConsistency tlci;
  LuminaireMatching tlmfIlluminantA;
  LuminaireMatching tlmfD65;
};
TelevisionFigures televisionFigures(const Spectrum &spectrum);

// CIE illuminants A and D65 as a record holds them, the reference
// luminaires TLMF is given against by default.
const Spectrum &illuminantASpectrum();
const Spectrum &illuminantD65Spectrum();

} // namespace lightquality
