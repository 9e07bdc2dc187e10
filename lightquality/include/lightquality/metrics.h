#pragma once

// Every standard light-quality metric of one spectrum.

#include "lightquality/alphaopic.h"
#include "lightquality/cct.h"
#include "lightquality/fidelity.h"
#include "lightquality/rendering.h"
#include "lightquality/spectrum.h"
#include "lightquality/usergroups.h"

namespace lightquality {

struct LightQuality {
  CorrelatedColourTemperature cct;
  ColourRenderingIndex rendering;
  ColourFidelity fidelity;
  AlphaOpic alphaOpic;
  UserGroupFigures userGroups; // SSI, photon quantities, S/P, exposure
};

// CCT and Duv from the spectrum's CIE 1931 2° chromaticity over 380–780 nm,
// then the indices that rest on them, and the α-opic quantities and the
// user-group figures at `illuminanceLux`. Each group carries its own reason
// when it is NaN.
LightQuality lightQuality(const Spectrum &spectrum, double illuminanceLux);

} // namespace lightquality
