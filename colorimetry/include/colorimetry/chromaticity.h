#pragma once

// Tristimulus values and the CIE 1960 UCS chromaticity both colour engines
// derive from them.

namespace colorimetry {

struct Tristimulus {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

// CIE 1960 UCS chromaticity (u, v).
struct UV {
  double u;
  double v;
};

// u = 4X / (X + 15Y + 3Z), v = 6Y / (X + 15Y + 3Z) (CIE 15:2004 §8.1). The
// denominator is not checked: zero gives IEEE non-finite coordinates.
inline UV cie1960(double X, double Y, double Z) {
  const double denominator = X + 15 * Y + 3 * Z;
  return {4 * X / denominator, 6 * Y / denominator};
}

inline UV cie1960(const Tristimulus &t) {
  return cie1960(t.X, t.Y, t.Z);
}

} // namespace colorimetry
