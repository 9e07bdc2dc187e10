#include "figures.h"

#include "device.h"

#include "messages.h"

#include "lightquality/metrics.h"

#include <specsdk.h>

#include <cmath>
#include <limits>
#include <vector>

namespace specview {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void sdkFigures(const QVector<double> &spectrum, Figures *figures) {
  const std::vector<float> values(spectrum.begin(), spectrum.end());
  double X = 0, Y = 0, Z = 0, u = 0, v = 0;
  QSP_ColorGetXYZ(values.data(), kSpectrumPoints, &X, &Y, &Z);
  if (!(X + Y + Z > 0)) {
    figures->reason = tr("The spectrum holds no light.");
    return;
  }
  GetCIE1931XY(X, Y, Z, &figures->x, &figures->y);
  GetCIE1960XY(X, Y, Z, &u, &v);
  figures->uPrime = u; // CIE 1976 u′ = CIE 1960 u, v′ = 1.5 v
  figures->vPrime = 1.5 * v;
  QSP_ColorGetCCT(u, v, &figures->cct);
  QSP_ColorGetCRI(values.data(), &figures->ra);
  QSP_ColorGetDominantWavelength(figures->x, figures->y, &figures->dominant);
  if (!std::isfinite(figures->dominant)) {
    figures->dominant = kNaN;
  }
}

void lightQualityFigures(const QVector<double> &spectrum, Figures *figures) {
  lightquality::Spectrum s{};
  std::copy(spectrum.begin(), spectrum.end(), s.begin());
  s.back() = spectrum.back();
  const lightquality::LightQuality q = lightquality::lightQuality(s, 0);
  figures->lqCct = q.cct.kelvin;
  figures->lqDuv = q.cct.duv;
  figures->lqRa = q.rendering.ra;
  figures->lqRf = q.fidelity.rf;
  figures->lqRg = q.fidelity.rg;
  for (const std::string *reason : {&q.cct.reason, &q.rendering.reason, &q.fidelity.reason}) {
    if (figures->reason.isEmpty() && !reason->empty()) {
      figures->reason = QString::fromStdString(*reason);
    }
  }
}

} // namespace

Figures computeFigures(const QVector<double> &spectrum) {
  Figures figures{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, {}};
  if (spectrum.size() != kSpectrumPoints) {
    return figures;
  }
  sdkFigures(spectrum, &figures);
  if (figures.reason.isEmpty()) {
    lightQualityFigures(spectrum, &figures);
  }
  return figures;
}

} // namespace specview
