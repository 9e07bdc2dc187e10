#include "lightquality/tlci.h"

#include "figure_mark.h"
#include "lightquality/cct.h"
#include "television_camera.h"

#include "cie/tables.h"
#include "colorimetry/daylight.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace lightquality {
namespace {

using television::CameraSignals;
using television::CameraSpectrum;
using television::kCameraFirstNm;
using television::kCameraSamples;
using television::kCameraStepNm;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The television figures' Planck law keeps the older second radiation
// constant; illuminant A is a radiator of this kind at 2848 K.
constexpr double kTelevisionC2 = 1.435e-2;  // m·K
constexpr double kCie15C2 = 1.4388e-2;      // m·K, the locus of cct.h
constexpr double kPlanckBelowKelvin = 3400; // Planckian reference below this CCT
constexpr double kDaylightAboveKelvin = 5000;
constexpr double kDaylightFirstKelvin = 4000; // the daylight formula's range
constexpr double kDaylightLastKelvin = 25000;
constexpr int kNormalisingNm = 560; // references are set to 100 here
constexpr int kNormalisingRow = (kNormalisingNm - kCameraFirstNm) / kCameraStepNm;
constexpr double kDistanceUnit = 0.0054;

constexpr int kCmfFirstNm = 360; // the CIE 1931 table's range the chromaticity uses
constexpr int kCmfLastNm = 830;

double uvDistance(colorimetry::UV a, colorimetry::UV b) {
  return std::hypot(a.u - b.u, a.v - b.v);
}

colorimetry::Tristimulus scaled(colorimetry::Tristimulus t, double factor) {
  return {t.X * factor, t.Y * factor, t.Z * factor};
}

colorimetry::Tristimulus sum(colorimetry::Tristimulus a, colorimetry::Tristimulus b) {
  return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}

// Σ f(λ)·x̄(λ) etc. over the whole CIE 1931 table, 360–830 nm at 1 nm.
template <typename SpectralFunction>
colorimetry::Tristimulus tristimulusOver360To830(SpectralFunction f) {
  const cie::Table &cmf = cie::cmf1931_2deg;
  colorimetry::Tristimulus t;
  for (int nm = kCmfFirstNm; nm <= kCmfLastNm; ++nm) {
    const double *row = cmf.row(nm);
    const double value = f(nm);
    t.X += value * row[0];
    t.Y += value * row[1];
    t.Z += value * row[2];
  }
  return t;
}

// The chromaticity of a record with its end values held below 380 nm and
// above 780 nm, as far as the colour-matching functions reach.
colorimetry::UV recordChromaticity(const Spectrum &s) {
  return colorimetry::cie1960(tristimulusOver360To830([&](int nm) {
    return s[static_cast<std::size_t>(std::clamp(nm, kFirstNm, kLastNm) - kFirstNm)];
  }));
}

double televisionPlanck(double nm, double kelvin) {
  const double lambda = nm * 1e-9;
  const double squared = lambda * lambda;
  return 1 / (squared * squared * lambda * std::expm1(kTelevisionC2 / (lambda * kelvin)));
}

// M1 and M2 of CIE daylight at T with the coefficients of the television
// daylight basis (CIE 15's current ones, not the older ones of
// colorimetry::daylightWeights), taken as they are and not rounded.
colorimetry::DaylightWeights daylightWeightsAt(double kelvin) {
  const double x = colorimetry::daylightChromaticityX<double>(kelvin);
  const double y = -3 * x * x + 2.870 * x - 0.275;
  const double m = 0.02387 + 0.25539 * x - 0.73217 * y;
  return {(-1.34674 - 1.77861 * x + 5.90757 * y) / m, (0.03638 - 31.44464 * x + 30.06400 * y) / m};
}

// The television daylight basis on the camera grid, combined at T.
double daylightAt(int row, double kelvin) {
  const colorimetry::DaylightWeights w = daylightWeightsAt(kelvin);
  const double *basis = cie::televisionDaylightBasis.values + row * 3;
  return basis[0] + w.m1 * basis[1] + w.m2 * basis[2];
}

// The daylight basis components' tristimulus sums, each component
// interpolated linearly to 1 nm and held beyond 380–760 nm.
struct DaylightSums {
  colorimetry::Tristimulus component[3];

  colorimetry::Tristimulus at(double kelvin) const {
    const colorimetry::DaylightWeights w = daylightWeightsAt(kelvin);
    return sum(component[0], sum(scaled(component[1], w.m1), scaled(component[2], w.m2)));
  }
};

const DaylightSums &daylightSums() {
  static const DaylightSums sums = [] {
    const cie::Table &basis = cie::televisionDaylightBasis;
    DaylightSums s;
    for (int c = 0; c < 3; ++c) {
      s.component[c] = tristimulusOver360To830(
          [&](int nm) { return basis.linearAt(std::clamp(nm, basis.firstNm, basis.lastNm()), c); });
    }
    return s;
  }();
  return sums;
}

colorimetry::UV daylightLocus(double kelvin) {
  return colorimetry::cie1960(daylightSums().at(kelvin));
}

// The nearest point of the daylight locus: the nearest of its points 1 %
// apart, then a golden-section search between its neighbours. NaN when the
// nearest point is an end of the daylight formula's range.
double nearestDaylightKelvin(colorimetry::UV p) {
  constexpr double kStep = 1.01;
  const auto distance = [p](double kelvin) { return uvDistance(daylightLocus(kelvin), p); };
  double nearest = kDaylightFirstKelvin;
  double nearestDistance = distance(nearest);
  for (double t = kDaylightFirstKelvin * kStep; t <= kDaylightLastKelvin; t *= kStep) {
    if (const double d = distance(t); d < nearestDistance) {
      nearest = t;
      nearestDistance = d;
    }
  }
  if (nearest == kDaylightFirstKelvin || nearest * kStep > kDaylightLastKelvin) {
    return kNaN;
  }
  const double golden = (std::sqrt(5.0) - 1) / 2;
  double lo = nearest / kStep;
  double hi = nearest * kStep;
  double a = hi - golden * (hi - lo);
  double b = lo + golden * (hi - lo);
  double da = distance(a);
  double db = distance(b);
  while (hi - lo > 1e-6) {
    if (da < db) {
      hi = b;
      b = a;
      db = da;
      a = hi - golden * (hi - lo);
      da = distance(a);
    } else {
      lo = a;
      a = b;
      da = db;
      b = lo + golden * (hi - lo);
      db = distance(b);
    }
  }
  return (lo + hi) / 2;
}

// The blend's two parts, each set to 100 at 560 nm.
double planckPart(double nm) {
  static const double scale = 100 / televisionPlanck(kNormalisingNm, kPlanckBelowKelvin);
  return scale * televisionPlanck(nm, kPlanckBelowKelvin);
}

double daylightPartScale() {
  return 100 / daylightAt(kNormalisingRow, kDaylightAboveKelvin);
}

double daylightPart(int row) {
  return daylightPartScale() * daylightAt(row, kDaylightAboveKelvin);
}

double daylightShare(double kelvin) {
  return (kelvin - kPlanckBelowKelvin) / (kDaylightAboveKelvin - kPlanckBelowKelvin);
}

TlciReference referenceFor(double kelvin) {
  if (kelvin < kPlanckBelowKelvin) {
    return TlciReference::kPlanck;
  }
  return kelvin > kDaylightAboveKelvin ? TlciReference::kDaylight : TlciReference::kBlend;
}

CameraSpectrum referenceLight(TlciReference kind, double kelvin) {
  CameraSpectrum s{};
  for (int i = 0; i < kCameraSamples; ++i) {
    const double nm = kCameraFirstNm + kCameraStepNm * i;
    switch (kind) {
    case TlciReference::kPlanck:
      s[i] = televisionPlanck(nm, kelvin);
      break;
    case TlciReference::kDaylight:
      s[i] = daylightAt(i, kelvin);
      break;
    case TlciReference::kBlend: {
      const double w = daylightShare(kelvin);
      s[i] = (1 - w) * planckPart(nm) + w * daylightPart(i);
      break;
    }
    }
  }
  return s;
}

// The blend's white point: the sums are linear, so the blend's are its
// parts' mixed in the same shares.
colorimetry::UV blendWhite(double kelvin) {
  static const colorimetry::Tristimulus planck =
      tristimulusOver360To830([](int nm) { return planckPart(nm); });
  static const colorimetry::Tristimulus daylight =
      scaled(daylightSums().at(kDaylightAboveKelvin), daylightPartScale());
  const double w = daylightShare(kelvin);
  return colorimetry::cie1960(sum(scaled(planck, 1 - w), scaled(daylight, w)));
}

// The uv distance of the light from the white of its reference. For a
// Planckian reference that is the Duv the CCT search measured to the same
// locus point.
double referenceDistance(TlciReference kind, const CorrelatedColourTemperature &cct,
                         colorimetry::UV white) {
  switch (kind) {
  case TlciReference::kPlanck:
    return std::fabs(cct.duv);
  case TlciReference::kDaylight:
    return uvDistance(white, daylightLocus(cct.kelvin));
  case TlciReference::kBlend:
    break;
  }
  return uvDistance(white, blendWhite(cct.kelvin));
}

// A light as the camera films it, and why it cannot be when it cannot: the
// camera is balanced on a light only when each of its channels sees it.
struct Filmed {
  CameraSignals signals;
  std::string reason;
};

// `whose` names the light in the reason: empty for the light measured, so
// its reason reads as its other figures' do.
Filmed filmed(const Spectrum &s, const std::string &whose) {
  Filmed f{television::film(television::cameraSamples(s)), {}};
  if (std::string reason; !spectrumUsable(s, &reason)) {
    f.reason = whose + reason;
  } else if (!television::balances(f.signals.grey)) {
    f.reason = whose + FIGURE("the television camera does not see the light in all three "
                              "channels (380-760 nm at 5 nm)");
  }
  return f;
}

constexpr char kReferenceLuminaire[] = "the reference luminaire: ";

// A reference luminaire, filmed and shown with the camera balanced on it.
struct MatchingReference {
  Filmed light;
  television::PatchColours shown;
};

MatchingReference matchingReference(const Spectrum &s) {
  MatchingReference r{filmed(s, kReferenceLuminaire), {}};
  if (r.light.reason.empty()) {
    r.shown = television::displayed(r.light.signals, r.light.signals.grey, 1);
  }
  return r;
}

TelevisionLightingConsistency undefinedTlci(std::string reason) {
  return {kNaN, kNaN, kNaN, TlciReference::kPlanck, kNaN, std::move(reason)};
}

// The CCT on the Planckian locus with the television c2, or on the daylight
// locus above 5000 K; NaN with a reason.
CorrelatedColourTemperature televisionCct(colorimetry::UV p) {
  CorrelatedColourTemperature cct = cctCie15(p);
  if (!cct.defined()) {
    // No CCT, so no reference: said as the other indices built on it say it.
    return {kNaN, kNaN, "no correlated colour temperature: " + cct.reason};
  }
  cct.kelvin *= kTelevisionC2 / kCie15C2;
  if (cct.kelvin > kDaylightAboveKelvin) {
    cct.kelvin = nearestDaylightKelvin(p);
    if (std::isnan(cct.kelvin)) {
      cct.reason = FIGURE("the CCT lies outside the daylight locus's 4000-25000 K");
    }
  }
  return cct;
}

// A 1 nm table cut to 380–780 nm.
Spectrum recordOf(const cie::Table &table) {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    s[j] = table.at(kFirstNm + j, 0);
  }
  return s;
}

TelevisionLightingConsistency consistency(const Spectrum &spectrum, const Filmed &test) {
  if (!test.reason.empty()) {
    return undefinedTlci(test.reason);
  }
  const colorimetry::UV white = recordChromaticity(spectrum);
  const CorrelatedColourTemperature cct = televisionCct(white);
  if (std::isnan(cct.kelvin)) {
    return undefinedTlci(cct.reason);
  }
  const TlciReference kind = referenceFor(cct.kelvin);
  const CameraSignals reference = television::film(referenceLight(kind, cct.kelvin));
  const double deltaE = television::averageDifference(
      television::displayed(reference, reference.grey, 1),
      television::displayed(test.signals, test.signals.grey, 1), television::kColouredPatches);
  return {television::qualityFromDifference(deltaE), deltaE, cct.kelvin, kind,
          referenceDistance(kind, cct, white) / kDistanceUnit, {}};
}

// The test is balanced on the reference and exposed to its luma.
LuminaireMatching matching(const Filmed &test, const MatchingReference &reference) {
  const std::string &reason = test.reason.empty() ? reference.light.reason : test.reason;
  if (!reason.empty()) {
    return {kNaN, kNaN, reason};
  }
  const television::Rgb &balance = reference.light.signals.grey;
  const double gain = television::balancedGreyLuma(test.signals, balance);
  const double deltaE = television::averageDifference(
      reference.shown, television::displayed(test.signals, balance, gain), television::kPatches);
  return {television::qualityFromDifference(deltaE), deltaE, {}};
}

} // namespace

const char *tlciReferenceName(TlciReference reference) {
  switch (reference) {
  case TlciReference::kPlanck:
    return "planck";
  case TlciReference::kBlend:
    return "blend";
  case TlciReference::kDaylight:
    break;
  }
  return "daylight";
}

TelevisionLightingConsistency televisionLightingConsistency(const Spectrum &spectrum) {
  return consistency(spectrum, filmed(spectrum, {}));
}

LuminaireMatching luminaireMatchingFactor(const Spectrum &test, const Spectrum &reference) {
  return matching(filmed(test, {}), matchingReference(reference));
}

TelevisionFigures televisionFigures(const Spectrum &spectrum) {
  static const MatchingReference a = matchingReference(illuminantASpectrum());
  static const MatchingReference d65 = matchingReference(illuminantD65Spectrum());
  const Filmed test = filmed(spectrum, {});
  return {consistency(spectrum, test), matching(test, a), matching(test, d65)};
}

const Spectrum &illuminantASpectrum() {
  static const Spectrum a = recordOf(cie::illuminantA);
  return a;
}

const Spectrum &illuminantD65Spectrum() {
  static const Spectrum d65 = recordOf(cie::illuminantD65);
  return d65;
}

} // namespace lightquality
