#pragma once

// Figures the meter's other user groups work with: the Spectral Similarity
// Index, the television lighting figures and exposure for cinema and
// photography, photon quantities for
// horticulture, and the scotopic to photopic ratio for outdoor lighting.

#include "lightquality/spectrum.h"
#include "lightquality/tlci.h"

#include <string>

namespace lightquality {

// The two SSI references cinema meters show by default.
inline constexpr double kSsiPlanckKelvin = 3200;
inline constexpr double kSsiDaylightKelvin = 5600;
// ISO 2720 incident-light calibration constant for a flat receptor, our
// choice within the allowed 240–400.
inline constexpr double kIncidentCalibrationConstant = 250;

struct SimilarityIndex {
  double value;       // 0 to 100 in whole numbers (100: the same spectrum); NaN when undefined
  std::string reason; // why the value is NaN; empty otherwise
};

// The Academy's Spectral Similarity Index of `test` against `reference`:
// both on 375–675 nm (0 where a record has no data, 375–379 nm), thirty
// 10 nm bins by trapezoid sums, each normalised to a sum of 1, relative
// differences (t − r) / (r + 1/30), weighted at the ends of the range,
// smoothed by (0.22, 0.56, 0.22); SSI = 100 − 32·√Σc², rounded, and 0
// where that formula falls below 0 (the index runs from 0). NaN with a
// reason when either spectrum holds non-finite values or no light in that
// range. The scale of either spectrum does not matter.
SimilarityIndex spectralSimilarityIndex(const Spectrum &test, const Spectrum &reference);

// The references by name: the Planck law at a temperature, and CIE daylight
// at a CCT (T itself, without the 1.4388/1.4380 rescaling; M1, M2 rounded to
// three decimals; the 5 nm components interpolated linearly to 1 nm).
Spectrum ssiPlanckReference(double kelvin);
Spectrum ssiDaylightReference(double kelvin);

// The spectrum made absolute by its illuminance: spectral irradiance
// Ee(λ) = Ev·S(λ) / (K_m Σ S·V) in W·m⁻²·nm⁻¹, K_m = 683.002 lm/W. Every
// value is NaN for a spectrum without light or with non-finite values and
// for a negative or non-finite illuminance.
Spectrum spectralIrradiance(const Spectrum &spectrum, double illuminanceLux);

// The illuminance of a spectral irradiance in W·m⁻²·nm⁻¹: K_m Σ Ee·V, in lx.
double illuminanceOfIrradiance(const Spectrum &irradiance);

struct PhotonQuantities {
  double ppfd;        // photosynthetic photon flux density, 400–700 nm, µmol·m⁻²·s⁻¹
  double pfdFarRed;   // far-red photon flux density, 700–750 nm, µmol·m⁻²·s⁻¹
  double redFarRed;   // R:FR, photons 655–665 nm over 725–735 nm; NaN when the divisor is 0
  std::string reason; // why values are NaN; empty otherwise
};

// The spectrum made absolute by its illuminance, Ee = Ev·S / (K_m Σ S·V),
// then photons per nanometre (SI 2019 constants) summed over each band,
// both ends included. An illuminance of 0 gives zero fluxes and no R:FR.
// NaN with a reason for a spectrum without light or with non-finite values
// and for a negative or non-finite illuminance.
PhotonQuantities photonQuantities(const Spectrum &spectrum, double illuminanceLux);

struct ScotopicRatio {
  double value;       // S/P, dimensionless; NaN when undefined
  std::string reason; // why the value is NaN; empty otherwise
};

// S/P = K′m Σ S·V′ / (K_m Σ S·V) with K′m = 1700.06 lm/W and the CIE 1951
// scotopic function V′. 1.412 for CIE illuminant A, 2.465 for D65.
ScotopicRatio scotopicPhotopicRatio(const Spectrum &spectrum);

struct Exposure {
  double ev100;       // incident-light exposure value at ISO 100; NaN when undefined
  std::string reason; // why the value is NaN; empty otherwise
};

// EV100 = log₂(Ev·100 / C) with C = 250; NaN with a reason for an
// illuminance that is not positive.
Exposure exposureAtIso100(double illuminanceLux);

// The exposure value at another film speed: EV100 + log₂(iso / 100).
double exposureValue(double ev100, double iso);

// The shutter time in seconds that gives exposure value `ev` at f-number
// `aperture`: N² / t = 2^EV.
double shutterSeconds(double ev, double aperture);

// The shift in mired (10⁶/K) a correction filter must give to bring a
// measured CCT to a target: 10⁶/target − 10⁶/measured; negative means a
// blue, cooling filter. NaN when either temperature is not a positive number.
double miredShift(double measuredKelvin, double targetKelvin);

// Everything above for one record at its illuminance, with the SSI against
// the two default references, its TLCI and its TLMF against CIE A and D65.
struct UserGroupFigures {
  SimilarityIndex ssiPlanck3200;
  SimilarityIndex ssiDaylight5600;
  TelevisionFigures television;
  PhotonQuantities photon;
  ScotopicRatio scotopic;
  Exposure exposure;
};

UserGroupFigures userGroupFigures(const Spectrum &spectrum, double illuminanceLux);

} // namespace lightquality
