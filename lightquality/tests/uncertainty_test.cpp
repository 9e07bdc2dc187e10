// The Monte Carlo propagation against the verification values of six
// standard sources, the linear figures against the law of propagation of
// uncertainty with the model's covariance (each error alone), the
// responsivity factor against the covariance it stands for, and the
// promises: a budget of zeros gives u = 0, the numbers do not depend on the
// number of threads, a record without illuminance keeps its relative
// figures.
#include "lightquality/uncertainty.h"
#include "lightquality/uncertainty_display.h"

#include "uncertainty_draws.h"
#include "verification_data.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

using namespace lightquality;
using namespace lightquality::testing;

constexpr double kKm = 683.002;
constexpr double kPi = 3.141592653589793;

std::size_t figureIndex(const std::string &key) {
  const std::vector<UncertainFigure> &figures = uncertainFigures();
  for (std::size_t f = 0; f < figures.size(); ++f) {
    if (key == figures[f].key) {
      return f;
    }
  }
  ADD_FAILURE() << "no figure " << key;
  return 0;
}

// The fixed mode with the tests' seed.
UncertaintySettings fixedDraws(int draws, int threads) {
  UncertaintySettings settings;
  settings.adaptive = false;
  settings.draws = draws;
  settings.seed = 20261208;
  settings.threads = threads;
  return settings;
}

UncertaintyResult propagate(const Spectrum &record, double lux, const UncertaintyBudget &budget,
                            int draws = 10000, int threads = 0) {
  UncertaintyResult result;
  EXPECT_TRUE(
      propagateUncertainty(record, lux, budget, fixedDraws(draws, threads), &result));
  return result;
}

UncertaintyBudget zeroBudget() {
  UncertaintyBudget zero = defaultUncertaintyBudget();
  zero.scaleURel = zero.shiftNm = zero.noiseURel = zero.noiseFloorRelPeak = 0;
  zero.responsivity = {{380, 0}, {780, 0}};
  return zero;
}

// The tolerance of a figure's own value.
double valueTolerance(const std::string &key, double value) {
  const std::map<std::string, double> absolute{
      {"cct_K", 0.5}, {"duv", 1e-5}, {"ra", 0.01}, {"rf", 0.01}, {"rg", 0.01}};
  const auto found = absolute.find(key);
  return found != absolute.end() ? found->second : 1e-6 * std::fabs(value);
}

TEST(Uncertainty, MatchesTheVerificationValuesOfSixSources) {
  const std::vector<Row> rows = verificationRows("uncertainty/uncertainty_verification.csv");
  ASSERT_EQ(rows.size(), 90u);
  std::string source;
  UncertaintyResult result;
  for (const Row &row : rows) {
    if (row.at("source") != source) {
      source = row.at("source");
      result = propagate(sourceSpectrum(source), 1000, defaultUncertaintyBudget());
    }
    const std::string key = row.at("figure");
    SCOPED_TRACE(source + " " + key);
    const FigureUncertainty &f = result.figures[figureIndex(key)];
    const double u = std::stod(row.at("u"));
    EXPECT_NEAR(f.value, std::stod(row.at("value")), valueTolerance(key, f.value));
    EXPECT_NEAR(f.u / u, 1, 0.05);
    EXPECT_NEAR(f.mean, std::stod(row.at("mean")), 0.1 * u);
    EXPECT_NEAR(f.low95, std::stod(row.at("low95")), 0.3 * u);
    EXPECT_NEAR(f.high95, std::stod(row.at("high95")), 0.3 * u);
    const double undefinedShare =
        std::stod(row.at("undefined_draws")) / std::stod(row.at("draws"));
    EXPECT_NEAR(static_cast<double>(f.undefinedDraws) / result.draws, undefinedShare, 0.01);
  }
}

// u of Σ w_i E_i by the law of propagation of uncertainty: scale, the
// responsivity covariance, noise, and the shift, exact for a linearly
// interpolated spectrum within one sample.
double linearisedU(const Spectrum &e, const double *weights, int stride,
                   const UncertaintyBudget &budget, const Spectrum &noise) {
  double value = 0, responsivity = 0, noiseSquares = 0, wb = 0, wf = 0;
  const Spectrum ur = responsivityUncertainty(budget);
  const double length = budget.correlationNm;
  for (int i = 0; i < kSpectrumValues; ++i) {
    const double wi = weights[i * stride];
    value += wi * e[i];
    for (int j = 0; j < kSpectrumValues; ++j) {
      const double k = ur[i] * ur[j] * std::exp(-(i - j) * (i - j) / (2 * length * length));
      responsivity += wi * e[i] * k * weights[j * stride] * e[j];
    }
    noiseSquares += wi * noise[i] * wi * noise[i];
    wb += wi * (e[i] - e[std::max(i - 1, 0)]);
    wf += wi * (e[std::min(i + 1, kSpectrumValues - 1)] - e[i]);
  }
  const double shift2 = budget.shiftNm * budget.shiftNm;
  const double shift = 0.5 * shift2 * (wb * wb + wf * wf) - shift2 / (2 * kPi) * (wb - wf) * (wb - wf);
  return std::sqrt(value * value * budget.scaleURel * budget.scaleURel + responsivity +
                   noiseSquares + shift);
}

TEST(Uncertainty, LinearFiguresFollowTheLawOfPropagation) {
  const Spectrum record = sourceSpectrum("F2");
  const double lux = 1000;
  const double c = lux / (kKm * tristimulus(record, cie::cmf1931_2deg).Y);
  Spectrum e;
  for (int i = 0; i < kSpectrumValues; ++i) {
    e[i] = c * record[i];
  }
  const UncertaintyBudget zero = zeroBudget();
  UncertaintyBudget scale = zero, responsivity = zero, shift = zero, noise = zero;
  scale.scaleURel = 0.02;
  responsivity.responsivity = defaultUncertaintyBudget().responsivity;
  shift.shiftNm = 0.3;
  noise.noiseURel = 0.02;
  noise.noiseFloorRelPeak = 0.01;
  noise.noiseFloorCounts = 0.05;
  const UncertaintyBudget *budgets[] = {&scale, &responsivity, &shift, &noise,
                                        &defaultUncertaintyBudget()};
  for (const UncertaintyBudget *budget : budgets) {
    const UncertaintyResult result = propagate(record, lux, *budget);
    const DrawModel model = drawModel(record, *budget);
    Spectrum noiseE;
    for (int i = 0; i < kSpectrumValues; ++i) {
      noiseE[i] = c * model.noiseSigma[i];
    }
    const double *cmf = cie::cmf1931_2deg.row(kFirstNm);
    const char *keys[] = {"X", "Y", "Z"};
    for (int column = 0; column < 3; ++column) {
      SCOPED_TRACE(std::string(keys[column]) + " with " + uncertaintyBudgetJson(*budget));
      const double expected =
          kKm * linearisedU(e, cmf + column, cie::cmf1931_2deg.columns, *budget, noiseE);
      // 10,000 draws give u to ±0.7 %; the linearisation omits terms of
      // order u_a².
      EXPECT_NEAR(result.figures[figureIndex(keys[column])].u / expected, 1, 0.03);
    }
    EXPECT_EQ(result.figures[figureIndex("ev_lx")].u, result.figures[figureIndex("Y")].u);
  }
}

TEST(Uncertainty, ResponsivityFactorReproducesTheCovariance) {
  for (double length : {1.0, 40.0, 400.0}) {
    UncertaintyBudget budget = defaultUncertaintyBudget();
    budget.correlationNm = length;
    const ResponsivityFactor factor = responsivityFactor(budget);
    const Spectrum u = responsivityUncertainty(budget);
    double worst = 0;
    for (int i = 0; i < kSpectrumValues; ++i) {
      for (int j = 0; j < kSpectrumValues; ++j) {
        double product = 0;
        for (int m = 0; m < factor.rank; ++m) {
          product += factor.columns[m * kSpectrumValues + i] * factor.columns[m * kSpectrumValues + j];
        }
        const double k = u[i] * u[j] * std::exp(-(i - j) * (i - j) / (2 * length * length));
        worst = std::max(worst, std::fabs(product - k));
      }
    }
    EXPECT_LE(worst, 1e-8 * 0.03 * 0.03) << "correlation length " << length;
  }
  EXPECT_LT(responsivityFactor(defaultUncertaintyBudget()).rank, 60);
}

TEST(Uncertainty, ZeroBudgetGivesNoUncertainty) {
  const UncertaintyBudget zero = zeroBudget();
  const UncertaintyResult result = propagate(sourceSpectrum("F11"), 500, zero, 1000);
  for (std::size_t f = 0; f < result.figures.size(); ++f) {
    const FigureUncertainty &r = result.figures[f];
    SCOPED_TRACE(uncertainFigures()[f].key);
    EXPECT_EQ(r.u, 0);
    EXPECT_EQ(r.mean, r.value);
    EXPECT_EQ(r.low95, r.value);
    EXPECT_EQ(r.high95, r.value);
    EXPECT_EQ(r.undefinedDraws, 0);
  }
}

void expectSameResults(const UncertaintyResult &a, const UncertaintyResult &b) {
  ASSERT_EQ(a.draws, b.draws);
  EXPECT_EQ(a.converged, b.converged);
  for (std::size_t f = 0; f < a.figures.size(); ++f) {
    SCOPED_TRACE(uncertainFigures()[f].key);
    const FigureUncertainty &x = a.figures[f], &y = b.figures[f];
    EXPECT_TRUE(x.value == y.value || (std::isnan(x.value) && std::isnan(y.value)));
    EXPECT_TRUE(x.u == y.u || (std::isnan(x.u) && std::isnan(y.u)));
    EXPECT_TRUE(x.low95 == y.low95 || (std::isnan(x.low95) && std::isnan(y.low95)));
    EXPECT_TRUE(x.high95 == y.high95 || (std::isnan(x.high95) && std::isnan(y.high95)));
    EXPECT_EQ(x.undefinedDraws, y.undefinedDraws);
  }
}

TEST(Uncertainty, SameNumbersWithAnyNumberOfThreads) {
  const Spectrum record = sourceSpectrum("F7");
  expectSameResults(propagate(record, 800, defaultUncertaintyBudget(), 2500, 1),
                    propagate(record, 800, defaultUncertaintyBudget(), 2500, 3));
}

TEST(Uncertainty, AdaptiveModeStopsAtItsFirstTestWhenNothingMoves) {
  const UncertaintyBudget zero = zeroBudget();
  UncertaintySettings settings;
  UncertaintyResult result;
  ASSERT_TRUE(propagateUncertainty(sourceSpectrum("A"), 100, zero, settings, &result));
  EXPECT_EQ(result.draws, 2000);
  EXPECT_TRUE(result.converged);
}

TEST(Uncertainty, ProgressCanStopTheDraws) {
  UncertaintySettings settings;
  settings.adaptive = false;
  settings.draws = 5000;
  int calls = 0;
  UncertaintyResult result;
  EXPECT_FALSE(propagateUncertainty(sourceSpectrum("A"), 100, defaultUncertaintyBudget(), settings,
                                    &result, [&](int done, int most) {
                                      EXPECT_EQ(most, 5000);
                                      EXPECT_EQ(done, 1000 * ++calls);
                                      return calls < 2;
                                    }));
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(result.figures.empty());
}

TEST(Uncertainty, WithoutIlluminanceOnlyTheRelativeFiguresHaveValues) {
  const UncertaintyResult result = propagate(sourceSpectrum("D65"), 0, defaultUncertaintyBudget(), 1000);
  for (std::size_t f = 0; f < result.figures.size(); ++f) {
    const UncertainFigure &figure = uncertainFigures()[f];
    const FigureUncertainty &r = result.figures[f];
    SCOPED_TRACE(figure.key);
    EXPECT_EQ(std::isnan(r.value), figure.absolute);
    EXPECT_EQ(std::isnan(r.u), figure.absolute);
    EXPECT_EQ(r.reason.empty(), !figure.absolute);
  }
}

} // namespace

namespace {

std::string shown(double value, double u, double low, double high, int undefined = 0) {
  FigureUncertainty f;
  f.value = value;
  f.u = u;
  f.mean = value;
  f.low95 = low;
  f.high95 = high;
  f.undefinedDraws = undefined;
  return uncertaintyDisplay(f, 10000, 2).text;
}

TEST(UncertaintyDisplay, RoundsToTheSecondDigitOfU) {
  EXPECT_EQ(shown(512.3, 11.1, 490.6, 534.0), "512 ± 22");
  EXPECT_EQ(shown(0.47551, 0.001234, 0.47309, 0.47793), "0.4755 ± 0.0025");
  EXPECT_EQ(shown(2624.87, 17.38, 2590.8, 2659.1), "2625 ± 35");
  EXPECT_EQ(shown(12345, 234, 11886, 12804), "12350 ± 470");
  EXPECT_EQ(shown(1000, 99.6, 804.8, 1195.2), "1000 ± 200"); // u rounds to 100: tens
  EXPECT_EQ(shown(-0.000001, 0.0006, -0.0012, 0.0012), "0.00000 ± 0.00120"); // not "-0.00000"
}

TEST(UncertaintyDisplay, ShowsTheIntervalWhereItIsNotSymmetric) {
  EXPECT_EQ(shown(74.2, 1.03, 72.1, 75.9), "74.2 [72.1, 75.9]");
  // A figure at its bound lies above its own interval.
  EXPECT_EQ(shown(99.997, 0.242, 99.02, 99.91), "100.00 [99.02, 99.91]");
  FigureUncertainty symmetricFigure{512.3, 512.3, 11.1, 490.6, 534.0, 0, {}};
  EXPECT_TRUE(uncertaintyDisplay(symmetricFigure, 10000, 2).expanded);
}

TEST(UncertaintyDisplay, SaysWhatTheDrawsLeaveOpen) {
  EXPECT_EQ(shown(4000.1, 0, 4000.1, 4000.1), "4000.10 ± 0");
  FigureUncertainty cct{6500, 6500, 60, 6382, 6618, 12, {}};
  EXPECT_EQ(uncertaintyDisplay(cct, 10000, 1, "K").text,
            "6500 ± 120 K (12 of 10000 draws undefined)");
  const double nan = std::nan("");
  EXPECT_EQ(shown(6500, nan, nan, nan, 9950), "6500.00 ± n/a (9950 of 10000 draws undefined)");
  EXPECT_EQ(shown(nan, nan, nan, nan), "n/a");
}

} // namespace

namespace {

// The output's keys are a published interface: every one of them, in order.
TEST(UncertaintyFigures, KeysAreThoseOfTheOutput) {
  std::vector<std::string> expected = {"ev_lx", "X", "Y", "Z", "x", "y", "u_prime", "v_prime",
                                       "cct_K", "duv", "ra"};
  for (int i = 1; i <= 14; ++i) {
    expected.push_back("r" + std::to_string(i));
  }
  expected.insert(expected.end(), {"rf", "rg"});
  for (const char *suffix : {"_e_mW_m2", "_edi_lx"}) {
    for (const char *channel : {"s_cone", "m_cone", "l_cone", "rhodopic", "melanopic"}) {
      expected.push_back(channel + std::string(suffix));
    }
  }
  expected.insert(expected.end(),
                  {"ssi_planck_3200K", "ssi_daylight_5600K", "tlci_qa", "tlci_delta_e",
                   "tlci_cct_k", "tlci_d", "tlmf_cie_a", "tlmf_d65", "ppfd_umol_m2_s",
                   "pfd_fr_umol_m2_s", "r_fr", "s_p_ratio", "ev100"});
  std::vector<std::string> keys;
  for (const UncertainFigure &f : uncertainFigures()) {
    keys.push_back(f.key);
  }
  EXPECT_EQ(keys, expected);
  EXPECT_TRUE(uncertainFigures()[figureIndex("ppfd_umol_m2_s")].absolute);
  EXPECT_FALSE(uncertainFigures()[figureIndex("r_fr")].absolute);
}

// The window and the report find each figure's uncertainty from its row of
// the figure table.
TEST(UncertaintyFigures, EveryStandardFigureOfTheTableHasOne) {
  for (const Figure &row : figureTable()) {
    const std::string key = row.key;
    const bool without = row.group == FigureGroup::kInstrument || key == "der" ||
                         key.find("hue_bins") != std::string::npos || key == "rf_ces";
    for (int element = 0; element < row.count; ++element) {
      SCOPED_TRACE(key + " " + std::to_string(element));
      const int figure = uncertainFigureOf(row, element);
      EXPECT_EQ(figure < 0, without);
      // Groups whose keys repeat across groups ("d", "qa") are prefixed.
      const bool prefixed = row.group == FigureGroup::kSimilarity ||
                            row.group == FigureGroup::kTlci || row.group == FigureGroup::kTlmf;
      if (figure >= 0 && row.count == 1 && !prefixed) {
        EXPECT_EQ(uncertainFigures()[static_cast<std::size_t>(figure)].key, key);
      }
    }
  }
  const Figure &edi = figure(FigureGroup::kAlphaOpic, "edi_lx");
  EXPECT_STREQ(uncertainFigures()[static_cast<std::size_t>(uncertainFigureOf(edi, 4))].key,
               "melanopic_edi_lx");
  const Figure &special = figure(FigureGroup::kRendering, "r1_r14");
  EXPECT_STREQ(uncertainFigures()[static_cast<std::size_t>(uncertainFigureOf(special, 8))].key,
               "r9");
}

} // namespace

namespace {

// Two values per nm on the instrument's grid, averaged onto the figures'
// grid: the noise must be drawn before this step, not after it.
Spectrum pairMeans(const std::vector<double> &values) {
  Spectrum s;
  for (int i = 0; i < kSpectrumValues; ++i) {
    s[i] = 0.5 * (values[2 * i] + values[2 * i + 1]);
  }
  return s;
}

std::vector<double> onPixels(const Spectrum &spectrum) {
  std::vector<double> pixels;
  for (double v : spectrum) {
    pixels.insert(pixels.end(), {v, v});
  }
  return pixels;
}

UncertaintyResult propagateScans(const std::vector<std::vector<double>> &scans, double lux,
                                 const UncertaintyBudget &budget, int draws = 10000,
                                 int threads = 0) {
  UncertaintyResult result;
  std::string error;
  EXPECT_TRUE(propagateRepeatedScans(scans, pairMeans, lux, budget, fixedDraws(draws, threads),
                                     &result, &error));
  EXPECT_EQ(error, "");
  return result;
}

TEST(RepeatedScans, FewerThanFourOrUnequalScansAreRefused) {
  const std::vector<double> scan = onPixels(sourceSpectrum("A"));
  UncertaintyResult result;
  std::string error;
  for (int n : {0, 1, 3}) {
    EXPECT_FALSE(propagateRepeatedScans(std::vector<std::vector<double>>(n, scan), pairMeans, 100,
                                        defaultUncertaintyBudget(), {}, &result, &error));
    EXPECT_EQ(error, "uncertainty from repeated scans needs at least 4 scans, got " +
                         std::to_string(n));
  }
  std::vector<std::vector<double>> unequal(4, scan);
  unequal[2].pop_back();
  EXPECT_FALSE(propagateRepeatedScans(unequal, pairMeans, 100, defaultUncertaintyBudget(), {},
                                      &result, &error));
  EXPECT_EQ(error, "uncertainty from repeated scans needs scans of the same length");
  EXPECT_TRUE(result.figures.empty());
}

TEST(RepeatedScans, ScansWithoutSpreadGiveTheBudgetsDrawsWithoutNoise) {
  const Spectrum record = sourceSpectrum("F11");
  UncertaintyBudget quiet = defaultUncertaintyBudget();
  quiet.noiseURel = quiet.noiseFloorRelPeak = quiet.noiseFloorCounts = 0;
  const UncertaintyResult fromBudget = propagate(record, 500, quiet);
  // The default budget's noise fields are replaced by the scans'.
  const UncertaintyResult fromScans = propagateScans(
      std::vector<std::vector<double>>(5, onPixels(record)), 500, defaultUncertaintyBudget());
  expectSameResults(fromBudget, fromScans);
  EXPECT_GT(fromScans.figures[figureIndex("cct_K")].u, 0);
}

TEST(RepeatedScans, LinearFiguresFollowTheScansOwnSpreadWithItsCorrelation) {
  // Eight scans alternate about the record by d_p, a spread that differs
  // from pixel to pixel and moves every pixel of a scan together, as the
  // filtered and smoothed values of a spectrometer do. Noise drawn pixel by
  // pixel would give X, Y and Z a fraction of this spread.
  const Spectrum record = sourceSpectrum("D65");
  const std::vector<double> mean = onPixels(record);
  const int n = 8;
  std::vector<std::vector<double>> scans(n, mean);
  for (std::size_t p = 0; p < mean.size(); ++p) {
    const double spread = (p % 2 == 0 ? 0.02 : 0.005) * mean[p] + 0.001;
    for (int j = 0; j < n; ++j) {
      scans[static_cast<std::size_t>(j)][p] += j % 2 == 0 ? spread : -spread;
    }
  }
  const double lux = 1000;
  const UncertaintyResult result = propagateScans(scans, lux, zeroBudget());
  const double c = lux / (kKm * tristimulus(record, cie::cmf1931_2deg).Y);
  const char *keys[] = {"X", "Y", "Z"};
  for (int column = 0; column < 3; ++column) {
    // The variance of the mean of the scans' own values of the figure,
    // (s²/n)·(n − 1)/(n − 3) for the t of n − 1 degrees of freedom.
    std::vector<double> figure;
    for (const std::vector<double> &scan : scans) {
      const colorimetry::Tristimulus t = tristimulus(pairMeans(scan), cie::cmf1931_2deg);
      figure.push_back(kKm * c * (column == 0 ? t.X : column == 1 ? t.Y : t.Z));
    }
    double average = 0, squares = 0;
    for (double f : figure) {
      average += f / n;
    }
    for (double f : figure) {
      squares += (f - average) * (f - average);
    }
    const double variance = squares / (n - 1) / n * (n - 1.0) / (n - 3.0);
    SCOPED_TRACE(keys[column]);
    // 10,000 draws give u to about ±1 %.
    EXPECT_NEAR(result.figures[figureIndex(keys[column])].u / std::sqrt(variance), 1, 0.03);
  }
}

TEST(RepeatedScans, SameNumbersWithAnyNumberOfThreads) {
  std::vector<std::vector<double>> scans(4, onPixels(sourceSpectrum("F2")));
  for (std::size_t j = 0; j < scans.size(); ++j) {
    for (std::size_t p = 0; p < scans[j].size(); ++p) {
      scans[j][p] *= 1 + 0.01 * std::sin(static_cast<double>(p * (j + 1)));
    }
  }
  expectSameResults(propagateScans(scans, 300, defaultUncertaintyBudget(), 2500, 1),
                    propagateScans(scans, 300, defaultUncertaintyBudget(), 2500, 3));
}

TEST(RepeatedScans, TheBudgetNamesTheScansInsteadOfItsNoise) {
  const std::string json = uncertaintyBudgetJson(repeatedScansBudget(defaultUncertaintyBudget(), 6));
  EXPECT_NE(json.find("\"noise\":\"repeated scans\",\"scans\":6"), std::string::npos) << json;
  EXPECT_EQ(json.find("noise_u_rel"), std::string::npos) << json;
}

} // namespace
