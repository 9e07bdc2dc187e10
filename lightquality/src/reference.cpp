#include "lightquality/reference.h"

#include "cie/tables.h"
#include "colorimetry/daylight.h"
#include "sprague.h"

#include <cmath>
#include <utility>

namespace lightquality {
namespace {

constexpr double kSecondRadiationConstant = 1.4388e-2; // m·K

double roundedToThreeDecimals(double value) {
  return std::round(value * 1000) / 1000;
}

Spectrum normalisedToLuminance(Spectrum s) {
  const double y = tristimulus(s, cie::cmf1931_2deg).Y;
  for (double &value : s) {
    value /= y;
  }
  return s;
}

// A series formed from each 5 nm row of the daylight components,
// `combined(row)` of the row's S0, S1, S2, interpolated to 1 nm.
template <typename Combination>
Spectrum daylightTo1nm(DaylightInterpolation interpolation, Combination combined) {
  const cie::Table &components = cie::daylightComponents;
  const auto at = [&](int row) { return combined(components.values + row * components.columns); };
  if (interpolation == DaylightInterpolation::kSprague) {
    return spragueTo1nm<Spectrum>(components.firstNm, components.stepNm, at);
  }
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const int offset = kFirstNm + j - components.firstNm;
    const int row = offset / components.stepNm;
    const double t = static_cast<double>(offset % components.stepNm) / components.stepNm;
    s[j] = t == 0 ? at(row) : at(row) + t * (at(row + 1) - at(row));
  }
  return s;
}

// The Planckian radiator's table of ReferenceSums: entries 1 % apart in T
// (a step of 0.01 in ln T) from 1000 K past 5000 K.
constexpr double kTableFirstKelvin = 1000;
constexpr double kTableStep = 0.01;
constexpr int kTableEntries = 162; // 1000 K · e^(1.61) ≈ 5002 K

// The first and second derivatives of Planck's law with respect to ln T.
// With x = c2/(λT), q = 1/(eˣ − 1) and g = x·(1 + q):
// B′ = B·g and B″ = B·(g² − x·(1 + q)·(1 − x·q)).
struct PlanckianSlopes {
  Spectrum first{}, second{};
};

PlanckianSlopes planckianSlopes(double kelvin) {
  const Spectrum b = planckianRadiator(kelvin);
  PlanckianSlopes slopes;
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double x = kSecondRadiationConstant / ((kFirstNm + j) * 1e-9 * kelvin);
    const double q = 1 / std::expm1(x);
    const double g = x * (1 + q);
    slopes.first[j] = b[j] * g;
    slopes.second[j] = b[j] * (g * g - x * (1 + q) * (1 - x * q));
  }
  return slopes;
}

} // namespace

Spectrum planckianRadiator(double kelvin) {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double lambda = (kFirstNm + j) * 1e-9;
    s[j] = 1 / (std::pow(lambda, 5) * std::expm1(kSecondRadiationConstant / (lambda * kelvin)));
  }
  return s;
}

DaylightMultipliers daylightMultipliers(double kelvin) {
  const colorimetry::DaylightWeights w =
      colorimetry::daylightWeights(colorimetry::daylightChromaticityX<double>(kelvin));
  return {roundedToThreeDecimals(w.m1), roundedToThreeDecimals(w.m2)};
}

Spectrum cieDaylight(double kelvin, DaylightInterpolation interpolation) {
  const DaylightMultipliers m = daylightMultipliers(kelvin);
  return daylightTo1nm(interpolation,
                       [&m](const double *s) { return s[0] + m.m1 * s[1] + m.m2 * s[2]; });
}

Spectrum daylightComponent(int component, DaylightInterpolation interpolation) {
  return daylightTo1nm(interpolation, [component](const double *s) { return s[component]; });
}

ReferenceMixture fidelityMixture(double kelvin) {
  if (kelvin < 4000) {
    return {1, 0};
  }
  if (kelvin > 5000) {
    return {0, 1};
  }
  const double m = (kelvin - 4000) / 1000;
  return {1 - m, m};
}

Spectrum fidelityReference(double kelvin) {
  const ReferenceMixture mixture = fidelityMixture(kelvin);
  Spectrum s{};
  const auto add = [&s](double weight, const Spectrum &part) {
    if (weight > 0) {
      const Spectrum normalised = normalisedToLuminance(part);
      for (int j = 0; j < kSpectrumValues; ++j) {
        s[j] += weight * normalised[j];
      }
    }
  };
  add(mixture.planckian, planckianRadiator(kelvin));
  add(mixture.daylight, cieDaylight(kelvin, DaylightInterpolation::kSprague));
  return s;
}

ReferenceSums::ReferenceSums(int columns, Sums sums, DaylightInterpolation interpolation)
    : columns_(columns), sums_(std::move(sums)) {
  const int stride = columns_ + 1;
  daylightComponents_.resize(3 * stride);
  for (int k = 0; k < 3; ++k) {
    const Spectrum component = daylightComponent(k, interpolation);
    double *target = &daylightComponents_[k * stride];
    sums_(component, target);
    target[columns_] = tristimulus(component, cie::cmf1931_2deg).Y;
  }
  planckTable_.resize(static_cast<std::size_t>(kTableEntries) * 3 * columns_);
  for (int e = 0; e < kTableEntries; ++e) {
    planckianEntry(kTableFirstKelvin * std::exp(e * kTableStep),
                   &planckTable_[static_cast<std::size_t>(e) * 3 * columns_]);
  }
}

void ReferenceSums::planckianEntry(double kelvin, double *f) const {
  const Spectrum radiator = planckianRadiator(kelvin);
  const PlanckianSlopes slopes = planckianSlopes(kelvin);
  double *f1 = f + columns_, *f2 = f1 + columns_;
  exactPerLuminance(radiator, f);
  sums_(slopes.first, f1);
  sums_(slopes.second, f2);
  const double y = tristimulus(radiator, cie::cmf1931_2deg).Y;
  const double a = tristimulus(slopes.first, cie::cmf1931_2deg).Y / y;
  const double b = tristimulus(slopes.second, cie::cmf1931_2deg).Y / y;
  // f = s/Y, a = Y′/Y, b = Y″/Y: f′ = s′/Y − a·f and f″ = s″/Y − 2a·f′ − b·f.
  for (int c = 0; c < columns_; ++c) {
    f1[c] = f1[c] / y - a * f[c];
    f2[c] = f2[c] / y - 2 * a * f1[c] - b * f[c];
  }
}

void ReferenceSums::exactPerLuminance(const Spectrum &spectrum, double *out) const {
  sums_(spectrum, out);
  const double y = tristimulus(spectrum, cie::cmf1931_2deg).Y;
  for (int c = 0; c < columns_; ++c) {
    out[c] /= y;
  }
}

void ReferenceSums::planckian(double kelvin, double *out) const {
  const double position = std::log(kelvin / kTableFirstKelvin) / kTableStep;
  if (!(position >= 0 && position < kTableEntries - 1)) {
    exactPerLuminance(planckianRadiator(kelvin), out);
    return;
  }
  const int entry = static_cast<int>(position);
  const double t = position - entry;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
  // Quintic Hermite basis, the derivative terms scaled to the step.
  const double h = kTableStep;
  const double weights[6] = {
      1 - 10 * t3 + 15 * t4 - 6 * t5,          (t - 6 * t3 + 8 * t4 - 3 * t5) * h,
      (t2 - 3 * t3 + 3 * t4 - t5) / 2 * h * h, 10 * t3 - 15 * t4 + 6 * t5,
      (-4 * t3 + 7 * t4 - 3 * t5) * h,         (t3 - 2 * t4 + t5) / 2 * h * h};
  const double *p = &planckTable_[static_cast<std::size_t>(entry) * 3 * columns_];
  const int n = columns_;
  for (int c = 0; c < n; ++c) {
    out[c] = weights[0] * p[c] + weights[1] * p[n + c] + weights[2] * p[2 * n + c] +
             weights[3] * p[3 * n + c] + weights[4] * p[4 * n + c] + weights[5] * p[5 * n + c];
  }
}

void ReferenceSums::daylight(double kelvin, double *out) const {
  const DaylightMultipliers m = daylightMultipliers(kelvin);
  const int stride = columns_ + 1;
  const double *s0 = daylightComponents_.data(), *s1 = s0 + stride, *s2 = s1 + stride;
  const double y = s0[columns_] + m.m1 * s1[columns_] + m.m2 * s2[columns_];
  for (int c = 0; c < columns_; ++c) {
    out[c] = (s0[c] + m.m1 * s1[c] + m.m2 * s2[c]) / y;
  }
}

} // namespace lightquality
