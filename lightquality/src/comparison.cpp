#include "lightquality/comparison.h"

#include "cie/tables.h"

#include <cmath>
#include <limits>

namespace lightquality {
namespace {

struct UvPrime {
  double u;
  double v;
};

// CIE 1976 u′ = u, v′ = 1.5·v of the CIE 1960 diagram; NaN for no light.
UvPrime uvPrime(const Spectrum &s) {
  const colorimetry::UV uv = colorimetry::cie1960(tristimulus(s, cie::cmf1931_2deg));
  return {uv.u, 1.5 * uv.v};
}

} // namespace

Comparison compareWithFirst(const MeasuredLight &first, const MeasuredLight &other) {
  const LightQuality &a = *first.quality;
  const LightQuality &b = *other.quality;
  const bool firstHasLight = first.illuminanceLux > 0 && std::isfinite(first.illuminanceLux);
  const UvPrime p = uvPrime(*first.spectrum);
  const UvPrime q = uvPrime(*other.spectrum);
  const bool bothCcts = a.cct.defined() && b.cct.defined();
  return {
      firstHasLight ? (other.illuminanceLux - first.illuminanceLux) / first.illuminanceLux * 100
                    : std::numeric_limits<double>::quiet_NaN(),
      bothCcts ? b.cct.kelvin - a.cct.kelvin : std::numeric_limits<double>::quiet_NaN(),
      b.cct.duv - a.cct.duv,
      std::hypot(q.u - p.u, q.v - p.v),
      b.rendering.ra - a.rendering.ra,
      b.fidelity.rf - a.fidelity.rf,
      spectralSimilarityIndex(*other.spectrum, *first.spectrum),
  };
}

} // namespace lightquality
