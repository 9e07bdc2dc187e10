#include "lightquality/spectrum.h"

#include "figure_mark.h"
#include "cie/tables.h"

#include <cmath>

namespace lightquality {

colorimetry::Tristimulus tristimulus(const Spectrum &spectrum, const cie::Table &cmf) {
  const double *rows = cmf.row(kFirstNm);
  colorimetry::Tristimulus sums;
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double *row = rows + j * cmf.columns;
    sums.X += spectrum[j] * row[0];
    sums.Y += spectrum[j] * row[1];
    sums.Z += spectrum[j] * row[2];
  }
  return sums;
}

namespace {

bool fail(std::string *error, const char *reason) {
  if (error) {
    *error = reason;
  }
  return false;
}

} // namespace

bool spectrumUsable(const Spectrum &spectrum, std::string *error) {
  for (double value : spectrum) {
    if (!std::isfinite(value)) {
      return fail(error, FIGURE("the spectrum holds values that are not finite numbers"));
    }
  }
  // Only Y decides, and every figure asks: the one column is summed alone.
  const cie::Table &cmf = cie::cmf1931_2deg;
  const double *yBar = cmf.row(kFirstNm) + 1;
  double luminance = 0;
  for (int j = 0; j < kSpectrumValues; ++j) {
    luminance += spectrum[j] * yBar[j * cmf.columns];
  }
  if (!(luminance > 0)) {
    return fail(error, FIGURE("the spectrum holds no light (its luminance sum is not positive)"));
  }
  return true;
}

} // namespace lightquality
