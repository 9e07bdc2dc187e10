#include "lightquality/uncertainty.h"

#include "lightquality/metrics.h"
#include "uncertainty_draws.h"

#include "cie/tables.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
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

using colorimetry::Tristimulus;

// One figure with an uncertainty: an element of a row of the figure table,
// or one of the colorimetric figures of the spectrum itself (`colour`),
// which the table lists only as the instrument gives them.
struct DrawnFigure {
  std::string key;
  std::string label;
  const char *unit;
  int decimals;
  bool absolute;
  const Figure *row;
  int element;
  double (*colour)(const Tristimulus &lux);
};

// The illuminance and its tristimulus values, in lx, need the absolute
// scale; the chromaticities are ratios.
DrawnFigure inLux(const char *key, const char *label, double (*read)(const Tristimulus &)) {
  return {key, label, "lx", 2, true, nullptr, 0, read};
}

DrawnFigure chromaticity(const char *key, const char *label, double (*read)(const Tristimulus &)) {
  return {key, label, "", 4, false, nullptr, 0, read};
}

// The spectrum's own colorimetry first, then every element of every table
// row that gets an uncertainty, in the table's order.
std::vector<DrawnFigure> makeDrawnFigures() {
  std::vector<DrawnFigure> figures = {
      inLux("ev_lx", "Ev", [](const Tristimulus &t) { return t.Y; }),
      inLux("X", "X", [](const Tristimulus &t) { return t.X; }),
      inLux("Y", "Y", [](const Tristimulus &t) { return t.Y; }),
      inLux("Z", "Z", [](const Tristimulus &t) { return t.Z; }),
      chromaticity("x", "x", [](const Tristimulus &t) { return t.X / (t.X + t.Y + t.Z); }),
      chromaticity("y", "y", [](const Tristimulus &t) { return t.Y / (t.X + t.Y + t.Z); }),
      chromaticity("u_prime", "u'", [](const Tristimulus &t) { return colorimetry::cie1960(t).u; }),
      chromaticity("v_prime", "v'",
                   [](const Tristimulus &t) { return 1.5 * colorimetry::cie1960(t).v; }),
  };
  for (const Figure &row : figureTable()) {
    if (row.draws == FigureDraws::kNone) {
      continue;
    }
    for (int element = 0; element < row.count; ++element) {
      figures.push_back({drawnKey(row, element), elementLabel(row, element), row.unit,
                         row.listingDecimals, row.draws == FigureDraws::kAbsolute, &row, element,
                         nullptr});
    }
  }
  return figures;
}

const std::vector<DrawnFigure> &drawnFigures() {
  static const std::vector<DrawnFigure> figures = makeDrawnFigures();
  return figures;
}

} // namespace

// Its texts are those of drawnFigures(), which is made once and never changes.
const std::vector<UncertainFigure> &uncertainFigures() {
  static const std::vector<UncertainFigure> figures = [] {
    std::vector<UncertainFigure> list;
    for (const DrawnFigure &d : drawnFigures()) {
      list.push_back({d.key.c_str(), d.label.c_str(), d.unit, d.decimals, d.absolute});
    }
    return list;
  }();
  return figures;
}

int uncertainFigureOf(const Figure &row, int element) {
  const std::vector<DrawnFigure> &figures = drawnFigures();
  for (std::size_t f = 0; f < figures.size(); ++f) {
    if (figures[f].row == &row && figures[f].element == element) {
      return static_cast<int>(f);
    }
  }
  return -1;
}

void figureValues(const Spectrum &spectrum, double wattsPerUnit, bool absolute, double *values) {
  const Tristimulus sums = tristimulus(spectrum, cie::cmf1931_2deg);
  const double lumensPerUnit = kMaximumLuminousEfficacy * wattsPerUnit;
  const Tristimulus lux{lumensPerUnit * sums.X, lumensPerUnit * sums.Y, lumensPerUnit * sums.Z};
  const LightQuality quality = lightQuality(spectrum, lux.Y);
  const FigureSource source{quality, nullptr};
  const std::vector<DrawnFigure> &figures = drawnFigures();
  for (std::size_t f = 0; f < figures.size(); ++f) {
    const DrawnFigure &d = figures[f];
    const double v = d.row ? d.row->read(source, d.element) : d.colour(lux);
    values[f] = (d.absolute && !absolute) || !std::isfinite(v) ? kNaN : v;
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
