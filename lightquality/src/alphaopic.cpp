#include "lightquality/alphaopic.h"

#include "figure_mark.h"
#include "cie/tables.h"

#include <cmath>
#include <limits>

namespace lightquality {
namespace {

constexpr double kMaximumLuminousEfficacy = 683.002; // K_m, lm/W

// K_α,v in mW/lm.
AlphaOpicValues efficacies(const Spectrum &spectrum) {
  const cie::Table &actions = cie::alphaOpicActionSpectra;
  const double *rows = actions.row(kFirstNm);
  AlphaOpicValues sums{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    for (int c = 0; c < kAlphaOpicChannels; ++c) {
      sums[c] += spectrum[j] * rows[j * actions.columns + c];
    }
  }
  const double luminous = kMaximumLuminousEfficacy * tristimulus(spectrum, cie::cmf1931_2deg).Y;
  for (double &sum : sums) {
    sum = 1000 * sum / luminous;
  }
  return sums;
}

} // namespace

const AlphaOpicValues &d65Efficacies() {
  static const AlphaOpicValues d65 = [] {
    Spectrum s{};
    for (int j = 0; j < kSpectrumValues; ++j) {
      s[j] = cie::illuminantD65.at(kFirstNm + j, 0);
    }
    return efficacies(s);
  }();
  return d65;
}

AlphaOpic alphaOpic(const Spectrum &spectrum, double illuminanceLux) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  AlphaOpic result{};
  result.irradiance.fill(nan);
  result.edi.fill(nan);
  result.efficacy.fill(nan);
  result.der.fill(nan);
  if (std::string problem; !spectrumUsable(spectrum, &problem)) {
    result.reason = problem;
    return result;
  }
  result.efficacy = efficacies(spectrum);
  const AlphaOpicValues &d65 = d65Efficacies();
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    result.der[c] = result.efficacy[c] / d65[c];
  }
  if (!(illuminanceLux >= 0) || !std::isfinite(illuminanceLux)) {
    result.reason = FIGURE("the illuminance is negative or not a finite number");
    return result;
  }
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    result.irradiance[c] = illuminanceLux * result.efficacy[c];
    result.edi[c] = illuminanceLux * result.der[c];
  }
  return result;
}

} // namespace lightquality
