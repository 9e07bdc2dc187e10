#pragma once

// CIECAM02 (CIE 159:2004) followed by CAM02-UCS (Luo, Cui and Li 2006) under
// the viewing conditions of CIE 224:2017: L_A = 100 cd/m², Y_b = 20, average
// surround, complete adaptation (the illuminant discounted, D = 1).

#include "colorimetry/chromaticity.h"

#include <array>

namespace lightquality {

// A colour in CAM02-UCS: J′, a′, b′. The CIECAM02 hue angle h is the
// angle of (a′, b′), which hueDegrees() gives.
struct UcsColour {
  double J;
  double a;
  double b;
};

// h in degrees, 0 to 360 (0 where a′ = b′ = 0, as atan2 gives it).
double hueDegrees(const UcsColour &colour);

class Cam02Ucs {
public:
  // The adopted white, with its Y = 100 scaling applied to every sample.
  explicit Cam02Ucs(const colorimetry::Tristimulus &white);

  // A sample on the same scale as the white (white Y = 100).
  UcsColour operator()(const colorimetry::Tristimulus &sample) const;

private:
  struct Responses {
    double r, g, b;
  };
  Responses adaptedCompressed(const colorimetry::Tristimulus &xyz) const;
  double achromatic(const Responses &a) const;

  // Cone responses (HPE) of the adapted CAT02 responses, from X, Y, Z.
  std::array<std::array<double, 3>, 3> coneFromXyz_{};
  double fl_ = 0;
  double n_ = 0;
  double nbb_ = 0;
  double z_ = 0;
  double achromaticWhite_ = 0;
  // Terms of the chroma and colourfulness that depend on the white only.
  double chromaFactor_ = 0;      // (1.64 − 0.29ⁿ)^0.73
  double flQuarter_ = 0;         // F_L^0.25
  double lightnessExponent_ = 0; // c·z
};

} // namespace lightquality
