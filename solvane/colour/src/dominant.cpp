#include "solvane/colour/dominant.h"

#include "cie/tables.h"

#include <array>
#include <cmath>
#include <limits>

namespace solvane {
namespace {

constexpr double kWhite = 0.3333333;

// Slopes of the lines from W to the 380 nm and 780 nm locus points, and the
// purple line joining those points, y = kPurpleSlope·x + kPurpleIntercept.
constexpr double kSlopeTo380 = 2.062344518672832;
constexpr double kSlopeTo780 = -0.1694834046622369;
constexpr double kPurpleSlope = 0.4644296978129794;
constexpr double kPurpleIntercept = -0.07590185468621782;

struct Point {
  double x;
  double y;
};

constexpr int kLocusRows = 401; // 380–780 nm

Point locusPoint(int row) {
  const double *xyz = cie::locus1931_1nm_5dp.row(380) + 3 * row;
  return {xyz[0], xyz[1]};
}

double slopeFromWhite(Point p) {
  return (p.y - kWhite) / (p.x - kWhite);
}

// Quadrants around W in the order the locus passes through them from 380 nm:
// x and y below W; x below, y above; both above; x above, y below. −1 on an
// axis through W or for NaN.
int quadrantOf(Point p) {
  if (p.x < kWhite) {
    return p.y < kWhite ? 0 : (p.y > kWhite ? 1 : -1);
  }
  if (p.x > kWhite) {
    return p.y > kWhite ? 2 : (p.y < kWhite ? 3 : -1);
  }
  return -1;
}

// The run of locus rows lying in one quadrant.
struct Run {
  int first = -1;
  int last = -1;
};

std::array<Run, 4> makeRuns() {
  std::array<Run, 4> runs{};
  for (int row = 0; row < kLocusRows; ++row) {
    const int quadrant = quadrantOf(locusPoint(row));
    if (quadrant < 0) {
      continue;
    }
    Run &run = runs[quadrant];
    if (run.first < 0) {
      run.first = row;
    }
    run.last = row;
  }
  return runs;
}

const Run &runOfQuadrant(int quadrant) {
  static const std::array<Run, 4> runs = makeRuns();
  return runs[quadrant];
}

// Intersection of the line through W and p with the line through a and b.
Point intersection(Point p, Point a, Point b) {
  const double dx = p.x - kWhite;
  const double dy = p.y - kWhite;
  const double ex = b.x - a.x;
  const double ey = b.y - a.y;
  const double t = ((a.x - kWhite) * ey - (a.y - kWhite) * ex) / (dx * ey - dy * ex);
  return {kWhite + t * dx, kWhite + t * dy};
}

double distanceFromWhite(Point p) {
  return std::sqrt((p.x - kWhite) * (p.x - kWhite) + (p.y - kWhite) * (p.y - kWhite));
}

double purity(Point p, Point boundary) {
  return distanceFromWhite(p) / distanceFromWhite(boundary);
}

bool inPurpleRegion(Point p) {
  return p.y < kWhite + kSlopeTo380 * (p.x - kWhite) && p.y < kWhite + kSlopeTo780 * (p.x - kWhite);
}

// Within a run the row slopes from W fall as the wavelength rises: the first
// row whose slope is not above the point's is where its ray meets the locus.
int dominantRow(const Run &run, double slope) {
  for (int row = run.first; row <= run.last; ++row) {
    if (slopeFromWhite(locusPoint(row)) <= slope) {
      return row;
    }
  }
  return run.last;
}

} // namespace

DominantWavelength dominantWavelength(double x, double y) {
  const Point p{x, y};
  if (inPurpleRegion(p)) {
    const Point purpleA{0, kPurpleIntercept};
    const Point purpleB{1, kPurpleSlope + kPurpleIntercept};
    return {std::numeric_limits<double>::quiet_NaN(), purity(p, intersection(p, purpleA, purpleB))};
  }
  const int quadrant = quadrantOf(p);
  if (quadrant < 0) {
    return {380, purity(p, locusPoint(0))};
  }
  const int row = dominantRow(runOfQuadrant(quadrant), slopeFromWhite(p));
  const Point boundary =
      row == 0 ? locusPoint(0) : intersection(p, locusPoint(row - 1), locusPoint(row));
  return {380.0 + row, purity(p, boundary)};
}

} // namespace solvane
