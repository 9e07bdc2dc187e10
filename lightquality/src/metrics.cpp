#include "lightquality/metrics.h"

#include "cie/tables.h"

#include <limits>

namespace lightquality {

LightQuality lightQuality(const Spectrum &spectrum, double illuminanceLux) {
  LightQuality q;
  if (std::string problem; !spectrumUsable(spectrum, &problem)) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    q.cct = {nan, nan, problem};
  } else {
    q.cct = cctCie15(colorimetry::cie1960(tristimulus(spectrum, cie::cmf1931_2deg)));
  }
  q.rendering = colourRenderingIndex(spectrum, q.cct);
  q.fidelity = colourFidelity(spectrum, q.cct);
  q.alphaOpic = alphaOpic(spectrum, illuminanceLux);
  q.userGroups = userGroupFigures(spectrum, illuminanceLux);
  return q;
}

} // namespace lightquality
