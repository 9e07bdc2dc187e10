#pragma once

// Monte Carlo propagation of a meter's errors to every figure of a record.
// Each draw is a spectrum the true one could have been, given the measured
// one and the budget: the measured spectrum shifted in wavelength, with
// noise added, divided by the scale and responsivity errors. Every figure
// is computed from every draw by the code that computes its value; the
// spread of its draws is its uncertainty.

#include "lightquality/figure_table.h"
#include "lightquality/spectrum.h"
#include "lightquality/uncertainty_budget.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lightquality {

// Draws per batch of the adaptive mode, and the bounds of both modes.
inline constexpr int kUncertaintyBatch = 1000;
inline constexpr int kMinimumDraws = 1000;
inline constexpr int kMaximumDraws = 100000;
// Fewer defined draws than this give no statistics.
inline constexpr int kMinimumDefinedDraws = 100;

// One figure that gets an uncertainty: its key in the output, its name and
// unit in listings, its decimals when it has no uncertainty, and whether it
// needs the record's absolute scale (its illuminance). They are the
// spectrum's illuminance, tristimulus values and chromaticities, then every
// element of the figure table's rows that are drawn (Figure::draws).
struct UncertainFigure {
  const char *key;
  const char *label;
  const char *unit;
  int decimals;
  bool absolute;
};

// Every figure, in the order of the results.
const std::vector<UncertainFigure> &uncertainFigures();

// The position among uncertainFigures() of element `element` of a row of
// the figure table, or −1 for a row that is not drawn.
int uncertainFigureOf(const Figure &row, int element);

// Every figure of a spectrum whose samples times `wattsPerUnit` are
// W·m⁻²·nm⁻¹, in the order of uncertainFigures(); NaN where a figure is
// undefined. With `absolute` false the absolute figures are NaN.
void figureValues(const Spectrum &spectrum, double wattsPerUnit, bool absolute, double *values);

struct UncertaintySettings {
  bool adaptive = true;
  int draws = 10000;     // the fixed mode's count
  std::uint64_t seed = 0;
  int threads = 0;       // 0: one per processor
};

struct FigureUncertainty {
  double value = 0; // from the record itself
  double mean = 0;
  double u = 0;     // standard uncertainty
  double low95 = 0; // the 2.5 % and 97.5 % quantiles of the defined draws
  double high95 = 0;
  int undefinedDraws = 0;
  std::string reason; // why mean, u and the interval are NaN; empty otherwise
};

struct UncertaintyResult {
  bool adaptive = true;
  int draws = 0;
  bool converged = false; // adaptive mode only
  std::uint64_t seed = 0;
  std::vector<FigureUncertainty> figures; // in the order of uncertainFigures()
};

// Told the draws done and the most there can be; returns false to stop.
using UncertaintyProgress = std::function<bool(int done, int most)>;

// The record's 401 samples in any unit and its illuminance in lx. The same
// record, budget, seed and mode give the same numbers with any number of
// threads: draw k takes its random numbers from a stream of its own. False
// when `progress` stopped it.
bool propagateUncertainty(const Spectrum &record, double illuminanceLux,
                          const UncertaintyBudget &budget, const UncertaintySettings &settings,
                          UncertaintyResult *result, const UncertaintyProgress &progress = {});

// The noise of a spectrometer's spectrum can come from n repeated scans of
// the same light instead of the budget: per value of the instrument's own
// grid the mean of the scans is the estimate, and each draw adds to it noise
// that is, value by value, (s/√n)·t, s the scans' standard deviation and t
// Student's t with n − 1 degrees of freedom; between values it is
// correlated as the scans' deviations from their mean are. Its variance is
// finite only from n = 4 on.
inline constexpr int kMinimumRepeatedScans = 4;

// Turns values on the instrument's own grid (a scan, or the mean of scans
// with noise added) into the 401 samples of the figures, as the program
// does for a single scan. Called from several threads at once.
using ScanResampler = std::function<Spectrum(const std::vector<double> &values)>;

// Why `scans` repeated scans cannot give the noise; empty when they can.
std::string repeatedScansRefusal(int scans);

// The budget whose noise comes from `scans` repeated scans: its three noise
// fields are 0, and its JSON names the scans instead.
UncertaintyBudget repeatedScansBudget(const UncertaintyBudget &budget, int scans);

// Propagation with the noise from repeated scans: each draw is the mean of
// the scans plus its noise, resampled, then shifted and divided by the
// scale and responsivity errors of `budget` (whose noise fields are not
// used). Every value is that of the resampled mean. False, with one line in
// `error`, for fewer than kMinimumRepeatedScans scans or scans of different
// lengths; false with `error` empty when `progress` stopped it. Reproducible
// with any number of threads, like propagateUncertainty.
bool propagateRepeatedScans(const std::vector<std::vector<double>> &scans,
                            const ScanResampler &resample, double illuminanceLux,
                            const UncertaintyBudget &budget, const UncertaintySettings &settings,
                            UncertaintyResult *result, std::string *error,
                            const UncertaintyProgress &progress = {});

// A seed from the system's entropy source.
std::uint64_t randomSeed();

} // namespace lightquality
