#pragma once

// The random spectra of the Monte Carlo propagation: one stream of random
// numbers per draw, the factor that gives the responsivity error its
// smooth covariance, and the forming of one draw from the record.

#include "lightquality/spectrum.h"
#include "lightquality/uncertainty.h"
#include "lightquality/uncertainty_budget.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace lightquality {

// The random numbers of one draw: xoshiro256** started from the seed and
// the draw's number through SplitMix64, so a draw is the same whichever
// thread makes it and whenever; normal deviates by the Box–Muller method.
// It is also a uniform random bit generator for the standard library's
// distributions.
class DrawRandom {
public:
  using result_type = std::uint64_t;

  DrawRandom(std::uint64_t seed, std::uint64_t draw);
  double normal();

  static constexpr result_type min() { return 0; }
  static constexpr result_type max() { return ~result_type{0}; }
  result_type operator()() { return next(); }

private:
  std::uint64_t next();
  std::uint64_t state_[4];
  double spare_ = 0;
  bool hasSpare_ = false;
};

// F with F·Fᵀ = K, K the covariance of the relative responsivity error,
// K_ij = u(λ_i)·u(λ_j)·exp(−(λ_i − λ_j)² / 2ℓ²): the pivoted Cholesky
// factor stopped when what it leaves of K is below 5·10⁻⁹ of K's largest
// diagonal element, a few dozen columns for smooth errors instead of 401.
// Column m is columns[m · kSpectrumValues …]; none when every u is 0.
struct ResponsivityFactor {
  int rank = 0;
  std::vector<double> columns;
};

// u(λ) of the budget's points on the 1 nm grid.
Spectrum responsivityUncertainty(const UncertaintyBudget &budget);

ResponsivityFactor responsivityFactor(const UncertaintyBudget &budget);

// What a draw needs of the record and the budget, computed once.
struct DrawModel {
  Spectrum record;     // the measured samples
  Spectrum noiseSigma; // σ_i, record units
  ResponsivityFactor responsivity;
  double scaleURel;
  double shiftNm;
};

DrawModel drawModel(const Spectrum &record, const UncertaintyBudget &budget);

// The errors common to all samples of one draw: the scale error a, the
// shift δ and the responsivity error r = F·z, in that order from the stream.
struct DrawErrors {
  double scale;
  double shiftNm;
  Spectrum responsivity;
};

DrawErrors drawErrors(const DrawModel &model, DrawRandom *random);

// S_i = (Ŝ(λ_i − δ) + σ_i z_i) / ((1 + a)(1 + r_i)) of the samples Ŝ of
// `record`, interpolated linearly between samples and held at the ends;
// the z_i come next from the stream.
Spectrum formDraw(const DrawModel &model, const Spectrum &record, const DrawErrors &errors,
                  DrawRandom *random);

// Draw `draw` of the model's record: its errors, then its noise.
Spectrum drawSpectrum(const DrawModel &model, std::uint64_t seed, std::uint64_t draw);

// Makes draw number k.
using DrawMaker = std::function<Spectrum(std::uint64_t draw)>;

// The statistics of every figure over the draws `makeDraw` makes, in the
// settings' mode, with the values from `estimate`; the absolute scale
// follows from the estimate and the illuminance as for a record. False when
// `progress` stopped it.
bool propagateDraws(const Spectrum &estimate, double illuminanceLux, const DrawMaker &makeDraw,
                    const UncertaintySettings &settings, UncertaintyResult *result,
                    const UncertaintyProgress &progress);

} // namespace lightquality
