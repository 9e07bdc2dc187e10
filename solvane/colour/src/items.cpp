#include "solvane/colour/items.h"

#include "solvane/colour/dominant.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/rendering.h"
#include "solvane/colour/tristimulus.h"

#include "devlink/meter_records.h"

#include <limits>

namespace solvane {
namespace {

constexpr int kRecordValues = 401;

struct Chromaticities {
  double x, y;           // CIE 1931
  double u, v;           // CIE 1960
  double uPrime, vPrime; // CIE 1976
};

// NaN stands for a coordinate whose denominator is zero.
Chromaticities chromaticitiesOf(const colorimetry::Tristimulus &t) {
  const double undefined = std::numeric_limits<double>::quiet_NaN();
  Chromaticities c{undefined, undefined, undefined, undefined, undefined, undefined};
  const double sum = t.X + t.Y + t.Z;
  if (sum != 0) {
    c.x = t.X / sum;
    c.y = t.Y / sum;
  }
  const colorimetry::UV uv = colorimetry::cie1960(t);
  c.u = uv.u;
  c.v = uv.v;
  const double denominator = -2 * c.x + 12 * c.y + 3;
  if (denominator != 0) {
    c.uPrime = 4 * c.x / denominator;
    c.vPrime = 9 * c.y / denominator;
  }
  return c;
}

} // namespace

void computeColourItems(const double *spectrum, int /*count*/, double *items, int observer,
                        double ratio) {
  setObserver(observer);
  const Chromaticities chosen = chromaticitiesOf(tristimulus(spectrum, kRecordValues));
  if (observerSetting() == kObserver10deg) {
    setObserver(kObserver2deg);
  }
  const colorimetry::Tristimulus xyz = tristimulus(spectrum, kRecordValues);
  const Chromaticities c = chromaticitiesOf(xyz);

  const DominantWavelength dominant = dominantWavelength(c.x, c.y);
  const CctAndDuv cct = cctByLocusSteps(c.u, c.v);
  const ColourRendering rendering = colourRendering(spectrum, {c.u, c.v}, cct.cct);

  const double scale = ratio * devlink::meter::kTristimulusScale;
  items[kItemX] = c.x;
  items[kItemY] = c.y;
  items[kItemUPrime] = chosen.uPrime;
  items[kItemVPrime] = chosen.vPrime;
  items[kItemCct] = cct.cct;
  items[kItemDuv] = cct.duv;
  items[kItemTristimulusX] = xyz.X * scale;
  items[kItemTristimulusY] = xyz.Y * scale;
  items[kItemTristimulusZ] = xyz.Z * scale;
  items[kItemDominantWavelength] = dominant.wavelength;
  items[kItemRa] = rendering.ra;
  for (int i = 0; i < colorimetry::kTestColourSamples; ++i) {
    items[kItemR1 + i] = rendering.special[i];
  }
}

} // namespace solvane
