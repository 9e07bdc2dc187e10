#include "colour_internal.h"

#include "cie/tables.h"

#include <cmath>

namespace specsdk {
namespace {

// White point, both coordinates.
constexpr double kWhite = 0.3333;

// Direction from the white point to the 520 nm locus point (0.0743, 0.8338)
// and its squared length; the hue angle is measured from it.
constexpr double kHueDx = -0.259;
constexpr double kHueDy = 0.5005;
constexpr double kHueLengthSquared = 0.3175812499999999;

// The line through the white point and 520 nm, y = a + b·x, which splits the
// two logistic fits of wavelength against hue angle.
constexpr double kSplitIntercept = 0.9773797297297296;
constexpr double kSplitSlope = -1.9324324324324322;

double hueAngleDegrees(double x, double y) {
  const double dx = x - kWhite;
  const double dy = y - kWhite;
  const double r = std::sqrt(dx * dx + dy * dy);
  const double cosine = (kHueDy * dy + kHueDx * dx) / (std::sqrt(kHueLengthSquared) * r);
  return std::acos(cosine) / 3.1415926 * 180;
}

// Logarithm to base 2.71828, the base the fits were made with.
double fitLog(double a) {
  return std::log(a) / std::log(2.71828);
}

struct Point {
  double x;
  double y;
};

Point locusPoint(int row) {
  const double *xy = cie::locus1931_5nm_4dp.row(380) + 2 * row;
  return {xy[0], xy[1]};
}

bool between(double value, double a, double b) {
  return (a <= value && value <= b) || (b <= value && value <= a);
}

} // namespace

double dominantWavelength(double x, double y) {
  const double theta = hueAngleDegrees(x, y);
  if (y <= kSplitIntercept + kSplitSlope * x) {
    return 491.424753 + fitLog(125.472963 / theta - 1) / 0.12865; // short-wavelength side
  }
  return 573.648 - fitLog(126.923 / theta - 1) / 0.0683; // long-wavelength side
}

double excitationPurity(double x, double y) {
  // The line from the white point through (x, y): y = f + e·x.
  const double e = (kWhite - y) / (kWhite - x);
  const double f = y - x * e;
  const int lastSegment = cie::locus1931_5nm_4dp.rows - 2;

  // Intersect it with each locus segment's line in turn and take the first
  // intersection on the segment, inside the diagram and beyond the point as
  // seen from the white point. Segments of equal rows (700 nm on) give NaN
  // and never qualify. Without a match the last intersection stands.
  double h = 0;
  double g = 0;
  for (int k = 0; k <= lastSegment; ++k) {
    const Point a = locusPoint(k);
    const Point b = locusPoint(k + 1);
    const double o = (a.y - b.y) / (a.x - b.x);
    h = (b.y - b.x * o - f) / (e - o);
    g = f + e * h;
    const bool onSegment = between(h, a.x, b.x);
    const bool inDiagram = h <= 1 && g <= 0.85 && h >= 0 && g >= 0;
    const bool beyondPoint = (x > kWhite && h > x) || (x < kWhite && h < x);
    if (onSegment && inDiagram && beyondPoint) {
      break;
    }
  }
  return std::sqrt((y - kWhite) * (y - kWhite) + (x - kWhite) * (x - kWhite)) /
         std::sqrt((h - kWhite) * (h - kWhite) + (g - kWhite) * (g - kWhite));
}

} // namespace specsdk
