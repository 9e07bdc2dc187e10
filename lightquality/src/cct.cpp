#include "lightquality/cct.h"

#include "cie/tables.h"

#include <cmath>
#include <limits>
#include <vector>

namespace lightquality {
namespace {

constexpr double kSecondRadiationConstant = 1.4388e-2; // m·K, CIE 15:2018
constexpr double kTableRatio = 1.01;                   // 1 % temperature steps
constexpr double kKelvinTolerance = 1e-6;

// Per wavelength of the CIE 1931 table: λ⁻⁵ (the Planck shape without c1,
// which cancels in chromaticity) and c2 / λ.
struct PlanckTerms {
  std::vector<double> inverseFifthPower;
  std::vector<double> c2OverLambda;
};

const PlanckTerms &planckTerms() {
  static const PlanckTerms terms = [] {
    PlanckTerms t;
    const cie::Table &cmf = cie::cmf1931_2deg;
    for (int r = 0; r < cmf.rows; ++r) {
      const double lambda = (cmf.firstNm + r * cmf.stepNm) * 1e-9;
      t.inverseFifthPower.push_back(1 / std::pow(lambda, 5));
      t.c2OverLambda.push_back(kSecondRadiationConstant / lambda);
    }
    return t;
  }();
  return terms;
}

// A locus point and its derivative with respect to T.
struct LocusPoint {
  double u, v;
  double du, dv;
};

LocusPoint locusWithDerivative(double kelvin) {
  const PlanckTerms &terms = planckTerms();
  const cie::Table &cmf = cie::cmf1931_2deg;
  double X = 0, Y = 0, Z = 0, dX = 0, dY = 0, dZ = 0;
  for (int r = 0; r < cmf.rows; ++r) {
    const double x = terms.c2OverLambda[r] / kelvin;
    const double e = std::exp(x);
    const double m = terms.inverseFifthPower[r] / (e - 1);
    // dM/dT = M · x·e / (T (e − 1))
    const double dm = m * x * e / (kelvin * (e - 1));
    const double *row = cmf.values + r * cmf.columns;
    X += m * row[0];
    Y += m * row[1];
    Z += m * row[2];
    dX += dm * row[0];
    dY += dm * row[1];
    dZ += dm * row[2];
  }
  const double d = X + 15 * Y + 3 * Z;
  const double dd = dX + 15 * dY + 3 * dZ;
  return {4 * X / d, 6 * Y / d, 4 * (dX * d - X * dd) / (d * d), 6 * (dY * d - Y * dd) / (d * d)};
}

// ½ d(distance²)/dT: negative while the locus still approaches the point.
double distanceSlope(double kelvin, colorimetry::UV p) {
  const LocusPoint l = locusWithDerivative(kelvin);
  return (l.u - p.u) * l.du + (l.v - p.v) * l.dv;
}

struct TableEntry {
  double kelvin;
  colorimetry::UV uv;
};

const std::vector<TableEntry> &locusTable() {
  static const std::vector<TableEntry> table = [] {
    std::vector<TableEntry> t;
    for (double k = kLocusFirstKelvin; k < kLocusLastKelvin * kTableRatio; k *= kTableRatio) {
      t.push_back({std::fmin(k, kLocusLastKelvin), planckianLocus(std::fmin(k, kLocusLastKelvin))});
    }
    return t;
  }();
  return table;
}

double squaredDistance(colorimetry::UV a, colorimetry::UV b) {
  return (a.u - b.u) * (a.u - b.u) + (a.v - b.v) * (a.v - b.v);
}

// Zero of the distance slope between lo and hi, where it changes sign from
// fLo ≤ 0 to fHi ≥ 0, by regula falsi with the Illinois modification.
double nearestKelvin(double lo, double fLo, double hi, double fHi, colorimetry::UV p) {
  int side = 0;
  for (int i = 0; i < 100 && hi - lo > kKelvinTolerance; ++i) {
    const double k = (lo * fHi - hi * fLo) / (fHi - fLo);
    const double f = distanceSlope(k, p);
    if (f == 0) {
      return k;
    }
    if (f < 0) {
      lo = k;
      fLo = f;
      if (side == -1) {
        fHi /= 2;
      }
      side = -1;
    } else {
      hi = k;
      fHi = f;
      if (side == 1) {
        fLo /= 2;
      }
      side = 1;
    }
  }
  return (lo * fHi - hi * fLo) / (fHi - fLo);
}

CorrelatedColourTemperature undefinedCct(std::string reason) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  return {nan, nan, std::move(reason)};
}

} // namespace

colorimetry::UV planckianLocus(double kelvin) {
  const LocusPoint l = locusWithDerivative(kelvin);
  return {l.u, l.v};
}

CorrelatedColourTemperature correlatedColourTemperature(colorimetry::UV p) {
  if (!std::isfinite(p.u) || !std::isfinite(p.v)) {
    return undefinedCct("the chromaticity is not finite");
  }
  const std::vector<TableEntry> &table = locusTable();
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (squaredDistance(table[i].uv, p) < squaredDistance(table[nearest].uv, p)) {
      nearest = i;
    }
  }
  const double lo = table[nearest == 0 ? 0 : nearest - 1].kelvin;
  const double hi = table[nearest + 1 == table.size() ? nearest : nearest + 1].kelvin;
  const double fLo = distanceSlope(lo, p);
  const double fHi = distanceSlope(hi, p);
  if (fLo > 0 || fHi < 0) {
    return undefinedCct("the nearest point of the Planckian locus lies outside 1000-100000 K");
  }
  const double kelvin = nearestKelvin(lo, fLo, hi, fHi, p);
  const colorimetry::UV onLocus = planckianLocus(kelvin);
  const double distance = std::sqrt(squaredDistance(onLocus, p));
  const double duv = p.v >= onLocus.v ? distance : -distance;
  if (std::fabs(duv) > kMaximumAbsDuv) {
    return undefinedCct("the chromaticity lies " + std::to_string(std::fabs(duv)) +
                        " from the Planckian locus; a CCT is defined within 0.05 (CIE 15:2018)");
  }
  return {kelvin, duv, {}};
}

} // namespace lightquality
