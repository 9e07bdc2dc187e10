#include "lightquality/uncertainty.h"

#include "lightquality/metrics.h"
#include "uncertainty_draws.h"

#include "cie/tables.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <thread>

// mingw-w64's compilers of the win32 thread model have no std::thread
// before GCC 13; with them the draws run on the calling thread.
#if defined(__GLIBCXX__) && !defined(_GLIBCXX_HAS_GTHREADS)
#define LIGHTQUALITY_DRAWS_ON_ONE_THREAD
#endif

namespace lightquality {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMaximumLuminousEfficacy = 683.002; // K_m, lm/W

// Everything a figure is read from: the metrics and the tristimulus values
// of the illuminance in lx.
struct Evaluated {
  LightQuality quality;
  colorimetry::Tristimulus lux;
};

struct FigureReader {
  UncertainFigure figure;
  std::function<double(const Evaluated &)> read;
};

double chromaticityX(const colorimetry::Tristimulus &t) {
  return t.X / (t.X + t.Y + t.Z);
}
double chromaticityY(const colorimetry::Tristimulus &t) {
  return t.Y / (t.X + t.Y + t.Z);
}
double uPrime(const colorimetry::Tristimulus &t) {
  return colorimetry::cie1960(t).u;
}
double vPrime(const colorimetry::Tristimulus &t) {
  return 1.5 * colorimetry::cie1960(t).v;
}

std::vector<FigureReader> figureReaders() {
  std::vector<FigureReader> f = {
      {{"ev_lx", "Ev", "lx", 2, true}, [](const Evaluated &e) { return e.lux.Y; }},
      {{"X", "X", "lx", 2, true}, [](const Evaluated &e) { return e.lux.X; }},
      {{"Y", "Y", "lx", 2, true}, [](const Evaluated &e) { return e.lux.Y; }},
      {{"Z", "Z", "lx", 2, true}, [](const Evaluated &e) { return e.lux.Z; }},
      {{"x", "x", "", 4, false}, [](const Evaluated &e) { return chromaticityX(e.lux); }},
      {{"y", "y", "", 4, false}, [](const Evaluated &e) { return chromaticityY(e.lux); }},
      {{"u_prime", "u'", "", 4, false}, [](const Evaluated &e) { return uPrime(e.lux); }},
      {{"v_prime", "v'", "", 4, false}, [](const Evaluated &e) { return vPrime(e.lux); }},
      {{"cct_K", "CCT", "K", 1, false}, [](const Evaluated &e) { return e.quality.cct.kelvin; }},
      {{"duv", "Duv", "", 5, false}, [](const Evaluated &e) { return e.quality.cct.duv; }},
      {{"ra", "Ra", "", 2, false}, [](const Evaluated &e) { return e.quality.rendering.ra; }},
  };
  static const char *const kSpecial[kCieTestColourSamples][2] = {
      {"r1", "R1"},   {"r2", "R2"},   {"r3", "R3"},   {"r4", "R4"},   {"r5", "R5"},
      {"r6", "R6"},   {"r7", "R7"},   {"r8", "R8"},   {"r9", "R9"},   {"r10", "R10"},
      {"r11", "R11"}, {"r12", "R12"}, {"r13", "R13"}, {"r14", "R14"}};
  for (int i = 0; i < kCieTestColourSamples; ++i) {
    f.push_back({{kSpecial[i][0], kSpecial[i][1], "", 1, false},
                 [i](const Evaluated &e) { return e.quality.rendering.special[i]; }});
  }
  f.push_back({{"rf", "Rf", "", 2, false}, [](const Evaluated &e) { return e.quality.fidelity.rf; }});
  f.push_back({{"rg", "Rg", "", 2, false}, [](const Evaluated &e) { return e.quality.fidelity.rg; }});
  // Key and label of each channel's irradiance, then of its EDI.
  static const char *const kAlphaOpic[kAlphaOpicChannels][4] = {
      {"s_cone_e_mW_m2", "S-cone E", "s_cone_edi_lx", "S-cone EDI"},
      {"m_cone_e_mW_m2", "M-cone E", "m_cone_edi_lx", "M-cone EDI"},
      {"l_cone_e_mW_m2", "L-cone E", "l_cone_edi_lx", "L-cone EDI"},
      {"rhodopic_e_mW_m2", "Rhodopic E", "rhodopic_edi_lx", "Rhodopic EDI"},
      {"melanopic_e_mW_m2", "Melanopic E", "melanopic_edi_lx", "Melanopic EDI"}};
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    f.push_back({{kAlphaOpic[c][0], kAlphaOpic[c][1], "mW/m²", 3, true},
                 [c](const Evaluated &e) { return e.quality.alphaOpic.irradiance[c]; }});
  }
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    f.push_back({{kAlphaOpic[c][2], kAlphaOpic[c][3], "lx", 2, true},
                 [c](const Evaluated &e) { return e.quality.alphaOpic.edi[c]; }});
  }
  const auto groups = [](const Evaluated &e) -> const UserGroupFigures & {
    return e.quality.userGroups;
  };
  f.push_back({{"ppfd_umol_m2_s", "PPFD", "µmol/m²/s", 3, true}, [=](const Evaluated &e) { return groups(e).photon.ppfd; }});
  f.push_back(
      {{"pfd_fr_umol_m2_s", "PFD-FR", "µmol/m²/s", 3, true}, [=](const Evaluated &e) { return groups(e).photon.pfdFarRed; }});
  f.push_back({{"r_fr", "R:FR", "", 3, false}, [=](const Evaluated &e) { return groups(e).photon.redFarRed; }});
  f.push_back({{"s_p_ratio", "S/P", "", 3, false}, [=](const Evaluated &e) { return groups(e).scotopic.value; }});
  f.push_back({{"ev100", "EV100", "", 2, true}, [=](const Evaluated &e) { return groups(e).exposure.ev100; }});
  f.push_back({{"ssi_planck_3200K", "SSI Planck 3200 K", "", 0, false},
               [=](const Evaluated &e) { return groups(e).ssiPlanck3200.value; }});
  f.push_back({{"ssi_daylight_5600K", "SSI daylight 5600 K", "", 0, false},
               [=](const Evaluated &e) { return groups(e).ssiDaylight5600.value; }});
  f.push_back({{"tlci_qa", "TLCI", "", 2, false},
               [=](const Evaluated &e) { return groups(e).television.tlci.qa; }});
  f.push_back({{"tlci_delta_e", "TLCI ΔEa", "", 3, false},
               [=](const Evaluated &e) { return groups(e).television.tlci.deltaE; }});
  f.push_back({{"tlci_cct_k", "TLCI CCT", "K", 1, false},
               [=](const Evaluated &e) { return groups(e).television.tlci.cctKelvin; }});
  f.push_back({{"tlci_d", "TLCI d", "", 3, false},
               [=](const Evaluated &e) { return groups(e).television.tlci.distance; }});
  f.push_back({{"tlmf_cie_a", "TLMF CIE A", "", 2, false},
               [=](const Evaluated &e) { return groups(e).television.tlmfIlluminantA.qa; }});
  f.push_back({{"tlmf_d65", "TLMF D65", "", 2, false},
               [=](const Evaluated &e) { return groups(e).television.tlmfD65.qa; }});
  return f;
}

const std::vector<FigureReader> &readers() {
  static const std::vector<FigureReader> table = figureReaders();
  return table;
}

} // namespace

const std::vector<UncertainFigure> &uncertainFigures() {
  static const std::vector<UncertainFigure> figures = [] {
    std::vector<UncertainFigure> list;
    for (const FigureReader &r : readers()) {
      list.push_back(r.figure);
    }
    return list;
  }();
  return figures;
}

namespace {

// The key of a table row's element among the uncertain figures; empty where
// it has none.
std::string uncertainKey(const Figure &row, int element) {
  const std::string key = row.key;
  switch (row.group) {
  case FigureGroup::kInstrument:
    return {};
  case FigureGroup::kSimilarity:
    return "ssi_" + key;
  case FigureGroup::kTlci:
    return "tlci_" + key;
  case FigureGroup::kTlmf:
    return "tlmf_" + key;
  case FigureGroup::kAlphaOpic:
    if (key == "irradiance_mW_m2") {
      return row.elementKeys[element] + std::string("_e_mW_m2");
    }
    return key == "edi_lx" ? row.elementKeys[element] + std::string("_edi_lx") : std::string();
  case FigureGroup::kRendering:
    return key == "r1_r14" ? "r" + std::to_string(element + 1) : key;
  default:
    return row.count == 1 ? key : std::string();
  }
}

} // namespace

int uncertainFigureOf(const Figure &row, int element) {
  const std::string key = uncertainKey(row, element);
  const std::vector<UncertainFigure> &figures = uncertainFigures();
  for (std::size_t f = 0; f < figures.size(); ++f) {
    if (key == figures[f].key) {
      return static_cast<int>(f);
    }
  }
  return -1;
}

void figureValues(const Spectrum &spectrum, double wattsPerUnit, bool absolute, double *values) {
  const colorimetry::Tristimulus sums = tristimulus(spectrum, cie::cmf1931_2deg);
  const double lumensPerUnit = kMaximumLuminousEfficacy * wattsPerUnit;
  const Evaluated e{lightQuality(spectrum, lumensPerUnit * sums.Y),
                    {lumensPerUnit * sums.X, lumensPerUnit * sums.Y, lumensPerUnit * sums.Z}};
  const std::vector<FigureReader> &table = readers();
  for (std::size_t f = 0; f < table.size(); ++f) {
    const double v = table[f].read(e);
    values[f] = (table[f].figure.absolute && !absolute) || !std::isfinite(v) ? kNaN : v;
  }
}

namespace {

// The defined draws of one figure: mean, standard deviation and the 95 %
// interval by the linear quantile rule.
struct Summary {
  int defined = 0;
  double mean = kNaN;
  double u = kNaN;
  double low95 = kNaN;
  double high95 = kNaN;
};

double quantile(const std::vector<double> &sorted, double p) {
  const double h = (static_cast<double>(sorted.size()) - 1) * p;
  const auto j = static_cast<std::size_t>(h);
  const double next = j + 1 < sorted.size() ? sorted[j + 1] : sorted[j];
  return sorted[j] + (h - static_cast<double>(j)) * (next - sorted[j]);
}

// NaN values are undefined draws. Mean and u need two defined draws; they
// are summed as differences from the first defined draw, which keeps the
// sums small and makes draws that all equal the value give exactly that
// value and u = 0.
Summary summarise(const double *values, int count) {
  std::vector<double> defined;
  defined.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    if (!std::isnan(values[k])) {
      defined.push_back(values[k]);
    }
  }
  Summary s;
  s.defined = static_cast<int>(defined.size());
  if (s.defined < 2) {
    return s;
  }
  const double origin = defined.front();
  double sum = 0;
  for (double v : defined) {
    sum += v - origin;
  }
  const double offset = sum / s.defined;
  double squares = 0;
  for (double v : defined) {
    squares += (v - origin - offset) * (v - origin - offset);
  }
  s.mean = origin + offset;
  s.u = std::sqrt(squares / (s.defined - 1));
  std::sort(defined.begin(), defined.end());
  s.low95 = quantile(defined, 0.025);
  s.high95 = quantile(defined, 0.975);
  return s;
}

FigureUncertainty figureResult(double value, const double *draws, int count) {
  FigureUncertainty f;
  f.value = value;
  const Summary s = summarise(draws, count);
  f.undefinedDraws = count - s.defined;
  if (std::isnan(value)) {
    f.reason = "the record has no value of this figure";
  } else if (s.defined < kMinimumDefinedDraws) {
    f.reason = "the figure is defined in fewer than 100 draws";
  }
  if (!f.reason.empty()) {
    f.mean = f.u = f.low95 = f.high95 = kNaN;
    return f;
  }
  f.mean = s.mean;
  f.u = s.u;
  f.low95 = s.low95;
  f.high95 = s.high95;
  return f;
}

// The draws of every figure, figure by figure: values[f · capacity + k].
class DrawTable {
public:
  DrawTable(const DrawMaker &makeDraw, double wattsPerUnit, bool absolute, int capacity)
      : makeDraw_(makeDraw), wattsPerUnit_(wattsPerUnit), absolute_(absolute), capacity_(capacity),
        values_(uncertainFigures().size() * static_cast<std::size_t>(capacity)) {}

  // Draws first … last − 1 on `threads` threads, each a contiguous share.
  void draw(int first, int last, int threads) {
#ifdef LIGHTQUALITY_DRAWS_ON_ONE_THREAD
    (void)threads;
    drawRange(first, last);
#else
    const int share = (last - first + threads - 1) / threads;
    std::vector<std::thread> workers;
    for (int from = first + share; from < last; from += share) {
      workers.emplace_back([=] { drawRange(from, std::min(last, from + share)); });
    }
    drawRange(first, std::min(last, first + share));
    for (std::thread &w : workers) {
      w.join();
    }
#endif
  }

  const double *figure(std::size_t f) const {
    return &values_[f * static_cast<std::size_t>(capacity_)];
  }

private:
  void drawRange(int first, int last) {
    const std::size_t figures = uncertainFigures().size();
    std::vector<double> row(figures);
    for (int k = first; k < last; ++k) {
      figureValues(makeDraw_(static_cast<std::uint64_t>(k)), wattsPerUnit_, absolute_, row.data());
      for (std::size_t f = 0; f < figures; ++f) {
        values_[f * static_cast<std::size_t>(capacity_) + static_cast<std::size_t>(k)] = row[f];
      }
    }
  }

  const DrawMaker &makeDraw_;
  double wattsPerUnit_;
  bool absolute_;
  int capacity_;
  std::vector<double> values_;
};

// The adaptive mode's test after h batches: for each of mean, u and the
// interval ends, the spread of the batch results over √h, twice of which
// must be within half a unit of u's second significant digit.
class StabilityTest {
public:
  explicit StabilityTest(std::size_t figures) : batches_(figures) {}

  void addBatch(const DrawTable &table, int batch) {
    for (std::size_t f = 0; f < batches_.size(); ++f) {
      batches_[f].push_back(summarise(table.figure(f) + batch * kUncertaintyBatch,
                                      kUncertaintyBatch));
    }
  }

  bool stable() const {
    for (const std::vector<Summary> &batches : batches_) {
      if (!figureStable(batches)) {
        return false;
      }
    }
    return true;
  }

private:
  static bool figureStable(const std::vector<Summary> &batches) {
    const bool undefinedBatch = std::any_of(batches.begin(), batches.end(),
                                            [](const Summary &s) { return s.defined < 2; });
    if (undefinedBatch) {
      return true; // takes no part in the test
    }
    const double u = pooledU(batches);
    if (!(u > 0)) {
      return true;
    }
    const double tolerance = 0.5 * std::pow(10.0, std::floor(std::log10(u)) - 1);
    const std::function<double(const Summary &)> results[] = {
        [](const Summary &s) { return s.mean; }, [](const Summary &s) { return s.u; },
        [](const Summary &s) { return s.low95; }, [](const Summary &s) { return s.high95; }};
    for (const auto &result : results) {
      if (2 * spreadOfMean(batches, result) > tolerance) {
        return false;
      }
    }
    return true;
  }

  // u of all the batches' draws together, from each batch's count, mean
  // and u.
  static double pooledU(const std::vector<Summary> &batches) {
    double count = 0, sum = 0;
    for (const Summary &s : batches) {
      count += s.defined;
      sum += s.defined * s.mean;
    }
    const double mean = sum / count;
    double squares = 0;
    for (const Summary &s : batches) {
      squares += (s.defined - 1) * s.u * s.u + s.defined * (s.mean - mean) * (s.mean - mean);
    }
    return std::sqrt(squares / (count - 1));
  }

  static double spreadOfMean(const std::vector<Summary> &batches,
                             const std::function<double(const Summary &)> &result) {
    const double h = static_cast<double>(batches.size());
    double sum = 0;
    for (const Summary &s : batches) {
      sum += result(s);
    }
    const double mean = sum / h;
    double squares = 0;
    for (const Summary &s : batches) {
      squares += (result(s) - mean) * (result(s) - mean);
    }
    return std::sqrt(squares / (h - 1)) / std::sqrt(h);
  }

  std::vector<std::vector<Summary>> batches_;
};

int threadCount(int asked) {
  if (asked > 0) {
    return asked;
  }
#ifdef LIGHTQUALITY_DRAWS_ON_ONE_THREAD
  return 1;
#else
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
#endif
}

} // namespace

bool propagateUncertainty(const Spectrum &record, double illuminanceLux,
                          const UncertaintyBudget &budget, const UncertaintySettings &settings,
                          UncertaintyResult *result, const UncertaintyProgress &progress) {
  const DrawModel model = drawModel(record, budget);
  return propagateDraws(
      record, illuminanceLux,
      [&model, seed = settings.seed](std::uint64_t k) { return drawSpectrum(model, seed, k); },
      settings, result, progress);
}

bool propagateDraws(const Spectrum &record, double illuminanceLux, const DrawMaker &makeDraw,
                    const UncertaintySettings &settings, UncertaintyResult *result,
                    const UncertaintyProgress &progress) {
  // Without a positive illuminance and luminous sum there is no absolute
  // scale: the relative figures are still evaluated, at one watt per unit.
  const double luminousSum = tristimulus(record, cie::cmf1931_2deg).Y;
  const bool absolute = illuminanceLux > 0 && luminousSum > 0 && std::isfinite(illuminanceLux) &&
                        std::isfinite(luminousSum);
  const double wattsPerUnit =
      absolute ? illuminanceLux / (kMaximumLuminousEfficacy * luminousSum) : 1.0;

  const int most = settings.adaptive ? kMaximumDraws : settings.draws;
  const int threads = threadCount(settings.threads);
  DrawTable table(makeDraw, wattsPerUnit, absolute, most);
  StabilityTest test(uncertainFigures().size());
  int done = 0;
  bool converged = false;
  while (done < most && !converged) {
    const int next = std::min(most, done + kUncertaintyBatch);
    table.draw(done, next, threads);
    done = next;
    if (settings.adaptive) {
      test.addBatch(table, done / kUncertaintyBatch - 1);
      converged = done >= 2 * kUncertaintyBatch && test.stable();
    }
    if (progress && !progress(done, most)) {
      return false;
    }
  }

  std::vector<double> values(uncertainFigures().size());
  figureValues(record, wattsPerUnit, absolute, values.data());
  UncertaintyResult r;
  r.adaptive = settings.adaptive;
  r.draws = done;
  r.converged = converged;
  r.seed = settings.seed;
  for (std::size_t f = 0; f < values.size(); ++f) {
    r.figures.push_back(figureResult(values[f], table.figure(f), done));
  }
  *result = r;
  return true;
}

std::uint64_t randomSeed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

} // namespace lightquality
