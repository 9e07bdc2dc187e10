#include "figures.h"

#include "device.h"

#include "messages.h"

#include "lightquality/metrics.h"

#include <specsdk.h>

#include <QCoreApplication>

#include <algorithm>
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
  lightquality::InstrumentFigures &sdk = figures->sdk;
  GetCIE1931XY(X, Y, Z, &sdk.x, &sdk.y);
  GetCIE1960XY(X, Y, Z, &u, &v);
  sdk.uPrime = u; // CIE 1976 u′ = CIE 1960 u, v′ = 1.5 v
  sdk.vPrime = 1.5 * v;
  QSP_ColorGetCCT(u, v, &sdk.cct);
  QSP_ColorGetCRI(values.data(), &sdk.ra);
  QSP_ColorGetDominantWavelength(sdk.x, sdk.y, &sdk.dominant);
  if (!std::isfinite(sdk.dominant)) {
    sdk.dominant = kNaN;
  }
}

// The first reason of the figures the panel shows, in the program's language.
QString lightQualityReason(const lightquality::FigureSource &source) {
  using G = lightquality::FigureGroup;
  for (G group : {G::kCct, G::kRendering, G::kFidelity, G::kTlci}) {
    if (const std::string reason = lightquality::groupReason(source, group); !reason.empty()) {
      return translatedReason(reason);
    }
  }
  return {};
}

} // namespace

QString translatedReason(const std::string &reason) {
  return QString::fromStdString(lightquality::translateReason(reason, [](const char *text) {
    return QCoreApplication::translate("Figures", text).toStdString();
  }));
}

lightquality::Spectrum figureSpectrum(const QVector<double> &spectrum) {
  lightquality::Spectrum s{};
  std::copy(spectrum.begin(), spectrum.begin() + std::min<int>(spectrum.size(), s.size()),
            s.begin());
  if (spectrum.size() == kSpectrumPoints) {
    s.back() = spectrum.back();
  }
  return s;
}

Figures computeFigures(const QVector<double> &spectrum) {
  // No light: every figure NaN, each with its reason.
  static const lightquality::LightQuality none = lightquality::lightQuality({}, 0);
  Figures figures{{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}, none, {}};
  if (spectrum.size() != kSpectrumPoints) {
    return figures;
  }
  sdkFigures(spectrum, &figures);
  if (figures.reason.isEmpty()) {
    figures.quality = lightquality::lightQuality(figureSpectrum(spectrum), 0);
    figures.reason = lightQualityReason(figures.source());
  }
  return figures;
}

} // namespace specview
