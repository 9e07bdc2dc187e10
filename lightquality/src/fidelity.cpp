#include "lightquality/fidelity.h"

#include "cam02ucs.h"
#include "figure_mark.h"
#include "lightquality/reference.h"
#include "sample_sums.h"

#include "cie/tables.h"

#include <cmath>
#include <limits>

namespace lightquality {
namespace {

using colorimetry::Tristimulus;

constexpr double kPi = 3.14159265358979323846;
constexpr double kScaleFactor = 6.73; // c_f of CIE 224:2017
constexpr double kBinDegrees = 360.0 / kHueBins;

using SampleColours = std::array<UcsColour, kEvaluationSamples>;

// Tristimulus values (CIE 1964 10°) of every sample lit by a spectrum: the
// X of all samples, then their Y, then their Z, then the spectrum's own
// (the white's) X, Y, Z.
constexpr int kSumColumns = 3 * kEvaluationSamples + 3;
constexpr int kWhite = 3 * kEvaluationSamples;
using SampleSums = std::array<double, kSumColumns>;

LIGHTQUALITY_WIDE_SUMS void sampleSums(const Spectrum &spectrum, double *sums) {
  const cie::Table &ces = cie::colourEvaluationSamples;
  double *x = sums, *y = x + kEvaluationSamples, *z = y + kEvaluationSamples;
  sampleTristimulus<kEvaluationSamples>(spectrum, ces.row(kFirstNm), ces.columns,
                                        cie::cmf1964_10deg.row(kFirstNm), x, y, z);
  const Tristimulus white = tristimulus(spectrum, cie::cmf1964_10deg);
  sums[kWhite] = white.X;
  sums[kWhite + 1] = white.Y;
  sums[kWhite + 2] = white.Z;
}

// The same sums of the reference at T, from the tables of the Planckian
// radiator and CIE daylight mixed as the reference mixes them.
SampleSums referenceSumsAt(double kelvin) {
  static const ReferenceSums tables(kSumColumns, sampleSums, DaylightInterpolation::kSprague);
  const ReferenceMixture mixture = fidelityMixture(kelvin);
  SampleSums sums{}, part;
  const auto add = [&](double weight, void (ReferenceSums::*of)(double, double *) const) {
    if (weight > 0) {
      (tables.*of)(kelvin, part.data());
      for (int c = 0; c < kSumColumns; ++c) {
        sums[c] += weight * part[c];
      }
    }
  };
  add(mixture.planckian, &ReferenceSums::planckian);
  add(mixture.daylight, &ReferenceSums::daylight);
  return sums;
}

// The samples in CAM02-UCS with the lighting spectrum as white.
SampleColours sampleColours(const SampleSums &sums) {
  const double k = 100 / sums[kWhite + 1];
  const Cam02Ucs ucs({k * sums[kWhite], 100, k * sums[kWhite + 2]});
  const double *x = sums.data(), *y = x + kEvaluationSamples, *z = y + kEvaluationSamples;
  SampleColours colours{};
  for (int i = 0; i < kEvaluationSamples; ++i) {
    colours[i] = ucs({k * x[i], k * y[i], k * z[i]});
  }
  return colours;
}

double fidelityOfDifference(double deltaE) {
  return 10 * std::log(std::exp((100 - kScaleFactor * deltaE) / 10) + 1);
}

double difference(const UcsColour &p, const UcsColour &q) {
  const double dJ = p.J - q.J, da = p.a - q.a, db = p.b - q.b;
  return std::sqrt(dJ * dJ + da * da + db * db);
}

// Shoelace area of the polygon through the bin averages in hue order.
double polygonArea(const std::array<BinAverage, kHueBins> &points) {
  double twiceArea = 0;
  for (int j = 0; j < kHueBins; ++j) {
    const BinAverage &p = points[j];
    const BinAverage &q = points[(j + 1) % kHueBins];
    twiceArea += p.a * q.b - p.b * q.a;
  }
  return twiceArea / 2;
}

template <std::size_t N> void fillNaN(std::array<double, N> &values) {
  values.fill(std::numeric_limits<double>::quiet_NaN());
}

ColourFidelity undefinedFidelity(std::string reason) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ColourFidelity f{};
  f.rf = f.rg = nan;
  fillNaN(f.binFidelity);
  fillNaN(f.binChromaShift);
  fillNaN(f.binHueShift);
  fillNaN(f.sampleFidelity);
  f.binTest.fill({nan, nan});
  f.binReference.fill({nan, nan});
  f.reason = std::move(reason);
  return f;
}

// TM-30-18 hue-bin quantities from the samples' colours and differences.
void addHueBins(const SampleColours &test, const SampleColours &reference,
                const std::array<double, kEvaluationSamples> &deltaE, ColourFidelity &f) {
  std::array<int, kHueBins> counts{};
  std::array<double, kHueBins> deltaSums{};
  std::array<BinAverage, kHueBins> testSums{}, referenceSums{};
  for (int i = 0; i < kEvaluationSamples; ++i) {
    const int bin = static_cast<int>(std::floor(hueDegrees(reference[i]) / kBinDegrees)) % kHueBins;
    ++counts[bin];
    deltaSums[bin] += deltaE[i];
    testSums[bin].a += test[i].a;
    testSums[bin].b += test[i].b;
    referenceSums[bin].a += reference[i].a;
    referenceSums[bin].b += reference[i].b;
  }
  for (int j = 0; j < kHueBins; ++j) {
    if (counts[j] == 0) {
      const ColourFidelity empty = undefinedFidelity({});
      f.rg = empty.rg;
      f.binFidelity = empty.binFidelity;
      f.binChromaShift = empty.binChromaShift;
      f.binHueShift = empty.binHueShift;
      f.binTest = empty.binTest;
      f.binReference = empty.binReference;
      f.reason = "hue bin " + std::to_string(j + 1) + " holds no sample; Rg is undefined";
      return;
    }
    f.binTest[j] = {testSums[j].a / counts[j], testSums[j].b / counts[j]};
    f.binReference[j] = {referenceSums[j].a / counts[j], referenceSums[j].b / counts[j]};
    f.binFidelity[j] = fidelityOfDifference(deltaSums[j] / counts[j]);
    const double middle = (j + 0.5) * kBinDegrees * kPi / 180;
    const double da = f.binTest[j].a - f.binReference[j].a;
    const double db = f.binTest[j].b - f.binReference[j].b;
    const double norm = std::hypot(f.binReference[j].a, f.binReference[j].b);
    f.binChromaShift[j] = 100 * (da * std::cos(middle) + db * std::sin(middle)) / norm;
    f.binHueShift[j] = (-da * std::sin(middle) + db * std::cos(middle)) / norm;
  }
  f.rg = 100 * polygonArea(f.binTest) / polygonArea(f.binReference);
}

} // namespace

ColourFidelity colourFidelity(const Spectrum &spectrum, const CorrelatedColourTemperature &cct) {
  if (std::string problem; !spectrumUsable(spectrum, &problem)) {
    return undefinedFidelity(problem);
  }
  if (!cct.defined()) {
    return undefinedFidelity("no correlated colour temperature: " + cct.reason);
  }
  if (cct.kelvin > 25000) {
    return undefinedFidelity(
        FIGURE("the CCT lies above 25000 K, where CIE daylight is not defined"));
  }
  SampleSums testSums;
  sampleSums(spectrum, testSums.data());
  const SampleColours test = sampleColours(testSums);
  const SampleColours reference = sampleColours(referenceSumsAt(cct.kelvin));

  ColourFidelity f{};
  std::array<double, kEvaluationSamples> deltaE{};
  double deltaSum = 0;
  for (int i = 0; i < kEvaluationSamples; ++i) {
    deltaE[i] = difference(test[i], reference[i]);
    f.sampleFidelity[i] = fidelityOfDifference(deltaE[i]);
    deltaSum += deltaE[i];
  }
  f.rf = fidelityOfDifference(deltaSum / kEvaluationSamples);
  addHueBins(test, reference, deltaE, f);
  return f;
}

} // namespace lightquality
