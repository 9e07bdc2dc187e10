#include "colorimetry/planck.h"

#include <cmath>

namespace colorimetry {

double planckExitance(const PlanckConstants &c, double lambda, double kelvin) {
  const double lambda5 = lambda * lambda * lambda * lambda * lambda;
  return c.c1 / (lambda5 * (std::exp(c.c2 / (lambda * kelvin)) - 1));
}

double planckTemperatureDerivative(const PlanckConstants &c, double lambda, double kelvin) {
  const double e = std::exp(c.c2 / (lambda * kelvin));
  const double lambda6 = lambda * lambda * lambda * lambda * lambda * lambda;
  return c.c1c2 * e / (kelvin * kelvin * lambda6 * ((e - 1) * (e - 1)));
}

LocusEntry locusEntryFromSums(double kelvin, const Tristimulus &s, const Tristimulus &d) {
  const UV point = cie1960(s);
  const double n = 3 * (d.Y * s.Z - s.Y * d.Z) + (s.X * d.Y - d.X * s.Y);
  const double dd = 2 * (d.X * s.Z - s.X * d.Z) + 10 * (d.X * s.Y - s.X * d.Y);
  return {kelvin, point.u, point.v, -1 / (n / dd)};
}

} // namespace colorimetry
