#include "lightquality/usergroups.h"

#include "lightquality/reference.h"

#include "figure_mark.h"
#include "cie/tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace lightquality {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr double kMaximumLuminousEfficacy = 683.002;         // K_m, lm/W
constexpr double kMaximumScotopicLuminousEfficacy = 1700.06; // K′m, lm/W
constexpr double kPlanckConstant = 6.62607015e-34;           // J·s
constexpr double kSpeedOfLight = 299792458.0;                // m/s
constexpr double kAvogadroConstant = 6.02214076e23;          // mol⁻¹

// The SSI range and its 10 nm bins.
constexpr int kSsiFirstNm = 375;
constexpr int kSsiBins = 30;
constexpr int kSsiBinNm = 10;
using SsiBins = std::array<double, kSsiBins>;

// Trapezoid sums of the spectrum over each 10 nm bin; 0 below 380 nm, where
// a record has no data.
SsiBins ssiBins(const Spectrum &s) {
  const auto at = [&](int nm) {
    return nm < kFirstNm ? 0.0 : s[static_cast<std::size_t>(nm - kFirstNm)];
  };
  SsiBins bins{};
  for (int i = 0; i < kSsiBins; ++i) {
    const int first = kSsiFirstNm + kSsiBinNm * i;
    double sum = (at(first) + at(first + kSsiBinNm)) / 2;
    for (int nm = first + 1; nm < first + kSsiBinNm; ++nm) {
      sum += at(nm);
    }
    bins[static_cast<std::size_t>(i)] = sum;
  }
  return bins;
}

// The bins divided by their sum; false when the sum is not positive or not
// finite (no light in the range, or values that are not numbers).
bool normalised(SsiBins *bins) {
  double total = 0;
  for (double b : *bins) {
    total += b;
  }
  if (!(total > 0) || !std::isfinite(total)) {
    return false;
  }
  for (double &b : *bins) {
    b /= total;
  }
  return true;
}

// Weights of the relative differences: the ends of the range count less.
double ssiWeight(int bin) {
  constexpr double kLow[] = {4.0 / 15, 22.0 / 45, 32.0 / 45, 40.0 / 45, 44.0 / 45};
  if (bin < 5) {
    return kLow[bin];
  }
  if (bin == 28) {
    return 11.0 / 15;
  }
  if (bin == 29) {
    return 3.0 / 15;
  }
  return 1;
}

// Σ S·weight over 380–780 nm against column 0 of a 1 nm table.
double weightedSum(const Spectrum &s, const cie::Table &table, int column) {
  const double *rows = table.row(kFirstNm);
  double sum = 0;
  for (int j = 0; j < kSpectrumValues; ++j) {
    sum += s[static_cast<std::size_t>(j)] * rows[j * table.columns + column];
  }
  return sum;
}

// Σ S·V over 380–780 nm.
double luminousSum(const Spectrum &s) {
  return tristimulus(s, cie::cmf1931_2deg).Y;
}

// Photon irradiance summed over [fromNm, toNm], both ends included, given
// W·m⁻²·nm⁻¹ per unit of the spectrum.
double photonBand(const Spectrum &s, double wattsPerUnit, int fromNm, int toNm) {
  double sum = 0;
  for (int nm = fromNm; nm <= toNm; ++nm) {
    sum += s[static_cast<std::size_t>(nm - kFirstNm)] * nm;
  }
  // λ·1e-9 / (h·c) photons per joule, / N_A mol, · 1e6 µmol.
  return wattsPerUnit * sum * 1e-9 / (kPlanckConstant * kSpeedOfLight) / kAvogadroConstant * 1e6;
}

// The factor that turns a relative spectrum into W·m⁻²·nm⁻¹ at an illuminance.
double wattsPerUnit(const Spectrum &spectrum, double illuminanceLux) {
  return illuminanceLux / (kMaximumLuminousEfficacy * luminousSum(spectrum));
}

bool positiveNumber(double value) {
  return value > 0 && std::isfinite(value);
}

} // namespace

SimilarityIndex spectralSimilarityIndex(const Spectrum &test, const Spectrum &reference) {
  SsiBins t = ssiBins(test);
  SsiBins r = ssiBins(reference);
  if (!normalised(&t)) {
    return {kNaN, FIGURE("the spectrum holds no light between 375 and 675 nm, or values that "
                         "are not finite numbers")};
  }
  if (!normalised(&r)) {
    return {kNaN, FIGURE("the reference holds no light between 375 and 675 nm, or values "
                         "that are not finite numbers")};
  }
  SsiBins weighted{};
  for (int i = 0; i < kSsiBins; ++i) {
    const auto b = static_cast<std::size_t>(i);
    weighted[b] = ssiWeight(i) * (t[b] - r[b]) / (r[b] + 1.0 / kSsiBins);
  }
  double squares = 0;
  for (int i = 0; i < kSsiBins; ++i) {
    const double before = i > 0 ? weighted[static_cast<std::size_t>(i - 1)] : 0.0;
    const double after = i + 1 < kSsiBins ? weighted[static_cast<std::size_t>(i + 1)] : 0.0;
    const double smoothed =
        0.22 * before + 0.56 * weighted[static_cast<std::size_t>(i)] + 0.22 * after;
    squares += smoothed * smoothed;
  }
  // Half-way cases round to even, as the published tools do. The index runs
  // from 0: lights further apart than that (narrow-band LEDs against a
  // broad reference) are all "not similar", not negative.
  return {std::max(0.0, std::nearbyint(100 - 32 * std::sqrt(squares))), {}};
}

Spectrum ssiPlanckReference(double kelvin) {
  return planckianRadiator(kelvin);
}

Spectrum ssiDaylightReference(double kelvin) {
  return cieDaylight(kelvin, DaylightInterpolation::kLinear);
}

Spectrum spectralIrradiance(const Spectrum &spectrum, double illuminanceLux) {
  Spectrum irradiance;
  if (!spectrumUsable(spectrum, nullptr) || !(illuminanceLux >= 0) ||
      !std::isfinite(illuminanceLux)) {
    irradiance.fill(kNaN);
    return irradiance;
  }
  const double scale = wattsPerUnit(spectrum, illuminanceLux);
  std::transform(spectrum.begin(), spectrum.end(), irradiance.begin(),
                 [scale](double value) { return value * scale; });
  return irradiance;
}

double illuminanceOfIrradiance(const Spectrum &irradiance) {
  return kMaximumLuminousEfficacy * luminousSum(irradiance);
}

PhotonQuantities photonQuantities(const Spectrum &spectrum, double illuminanceLux) {
  if (std::string reason; !spectrumUsable(spectrum, &reason)) {
    return {kNaN, kNaN, kNaN, reason};
  }
  if (!(illuminanceLux >= 0) || !std::isfinite(illuminanceLux)) {
    return {kNaN, kNaN, kNaN, FIGURE("the illuminance is negative or not a finite number")};
  }
  const double scale = wattsPerUnit(spectrum, illuminanceLux);
  PhotonQuantities q{photonBand(spectrum, scale, 400, 700),
                     photonBand(spectrum, scale, 700, 750),
                     kNaN,
                     {}};
  const double red = photonBand(spectrum, scale, 655, 665);
  const double farRed = photonBand(spectrum, scale, 725, 735);
  if (farRed != 0) {
    q.redFarRed = red / farRed;
  } else {
    q.reason = illuminanceLux == 0
                   ? FIGURE("no R:FR at an illuminance of 0")
                   : FIGURE("no R:FR: the spectrum holds no light between 725 and 735 nm");
  }
  return q;
}

ScotopicRatio scotopicPhotopicRatio(const Spectrum &spectrum) {
  if (std::string reason; !spectrumUsable(spectrum, &reason)) {
    return {kNaN, reason};
  }
  return {kMaximumScotopicLuminousEfficacy * weightedSum(spectrum, cie::scotopic1951, 0) /
              (kMaximumLuminousEfficacy * luminousSum(spectrum)),
          {}};
}

Exposure exposureAtIso100(double illuminanceLux) {
  if (!positiveNumber(illuminanceLux)) {
    return {kNaN, FIGURE("no exposure value: the illuminance is not a positive number")};
  }
  return {std::log2(illuminanceLux * 100 / kIncidentCalibrationConstant), {}};
}

double exposureValue(double ev100, double iso) {
  return ev100 + std::log2(iso / 100);
}

double shutterSeconds(double ev, double aperture) {
  return aperture * aperture / std::exp2(ev);
}

double miredShift(double measuredKelvin, double targetKelvin) {
  if (!positiveNumber(measuredKelvin) || !positiveNumber(targetKelvin)) {
    return kNaN;
  }
  return 1e6 / targetKelvin - 1e6 / measuredKelvin;
}

UserGroupFigures userGroupFigures(const Spectrum &spectrum, double illuminanceLux) {
  static const Spectrum planck = ssiPlanckReference(kSsiPlanckKelvin);
  static const Spectrum daylight = ssiDaylightReference(kSsiDaylightKelvin);
  return {spectralSimilarityIndex(spectrum, planck),
          spectralSimilarityIndex(spectrum, daylight),
          televisionFigures(spectrum),
          photonQuantities(spectrum, illuminanceLux), scotopicPhotopicRatio(spectrum),
          exposureAtIso100(illuminanceLux)};
}

} // namespace lightquality
