#include "uncertainty_draws.h"

#include <algorithm>
#include <cmath>

namespace lightquality {
namespace {

// The factor stops when the covariance it leaves is this small, relative
// to the largest variance: well within the 10⁻⁸ to which any factor draws
// the same errors as the exact one.
constexpr double kFactorTolerance = 5e-9;

std::uint64_t splitMix64(std::uint64_t *x) {
  std::uint64_t z = (*x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t rotateLeft(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}

} // namespace

DrawRandom::DrawRandom(std::uint64_t seed, std::uint64_t draw) {
  std::uint64_t mixedSeed = seed;
  // Distinct draws of one seed start distinct generators: the product with
  // an odd constant is a bijection.
  std::uint64_t x = splitMix64(&mixedSeed) ^ (draw * 0xD1B54A32D192ED03ull);
  for (std::uint64_t &word : state_) {
    word = splitMix64(&x);
  }
}

std::uint64_t DrawRandom::next() {
  const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = rotateLeft(state_[3], 45);
  return result;
}

double DrawRandom::normal() {
  if (hasSpare_) {
    hasSpare_ = false;
    return spare_;
  }
  constexpr double kUnit = 0x1.0p-53;
  constexpr double kTwoPi = 6.283185307179586;
  const double u1 = (static_cast<double>(next() >> 11) + 0.5) * kUnit; // never 0
  const double u2 = static_cast<double>(next() >> 11) * kUnit;
  const double radius = std::sqrt(-2 * std::log(u1));
  spare_ = radius * std::sin(kTwoPi * u2);
  hasSpare_ = true;
  return radius * std::cos(kTwoPi * u2);
}

Spectrum responsivityUncertainty(const UncertaintyBudget &budget) {
  const std::vector<ResponsivityPoint> &points = budget.responsivity;
  Spectrum u{};
  if (points.empty()) {
    return u;
  }
  for (int i = 0; i < kSpectrumValues; ++i) {
    const double nm = kFirstNm + i;
    const auto above = std::upper_bound(points.begin(), points.end(), nm,
                                        [](double x, const ResponsivityPoint &p) { return x < p.nm; });
    if (above == points.begin()) {
      u[i] = points.front().uRel;
    } else if (above == points.end()) {
      u[i] = points.back().uRel;
    } else {
      const ResponsivityPoint &a = *(above - 1);
      u[i] = a.uRel + (nm - a.nm) / (above->nm - a.nm) * (above->uRel - a.uRel);
    }
  }
  return u;
}

ResponsivityFactor responsivityFactor(const UncertaintyBudget &budget) {
  const Spectrum u = responsivityUncertainty(budget);
  const double twoLengthSquared = 2 * budget.correlationNm * budget.correlationNm;
  const auto covariance = [&](int i, int j) {
    const double d = i - j;
    return u[i] * u[j] * std::exp(-d * d / twoLengthSquared);
  };
  Spectrum residual{}; // the diagonal of K − F·Fᵀ
  for (int i = 0; i < kSpectrumValues; ++i) {
    residual[i] = u[i] * u[i];
  }
  const double largest = *std::max_element(residual.begin(), residual.end());
  ResponsivityFactor factor;
  while (factor.rank < kSpectrumValues) {
    const int pivot =
        static_cast<int>(std::max_element(residual.begin(), residual.end()) - residual.begin());
    if (!(residual[pivot] > kFactorTolerance * largest)) {
      break;
    }
    const double root = std::sqrt(residual[pivot]);
    std::vector<double> column(kSpectrumValues);
    for (int i = 0; i < kSpectrumValues; ++i) {
      double sum = covariance(i, pivot);
      for (int m = 0; m < factor.rank; ++m) {
        const double *previous = &factor.columns[static_cast<std::size_t>(m) * kSpectrumValues];
        sum -= previous[i] * previous[pivot];
      }
      column[i] = sum / root;
    }
    for (int i = 0; i < kSpectrumValues; ++i) {
      residual[i] = std::max(0.0, residual[i] - column[i] * column[i]);
    }
    residual[pivot] = 0;
    factor.columns.insert(factor.columns.end(), column.begin(), column.end());
    ++factor.rank;
  }
  return factor;
}

DrawModel drawModel(const Spectrum &record, const UncertaintyBudget &budget) {
  DrawModel model{record, {}, responsivityFactor(budget), budget.scaleURel, budget.shiftNm};
  const double peak = *std::max_element(record.begin(), record.end());
  const double floorPeak = budget.noiseFloorRelPeak * peak;
  for (int i = 0; i < kSpectrumValues; ++i) {
    const double relative = budget.noiseURel * record[i];
    model.noiseSigma[i] = std::sqrt(relative * relative + floorPeak * floorPeak +
                                    budget.noiseFloorCounts * budget.noiseFloorCounts);
  }
  return model;
}

DrawErrors drawErrors(const DrawModel &model, DrawRandom *random) {
  DrawErrors errors{model.scaleURel * random->normal(), model.shiftNm * random->normal(), {}};
  for (int m = 0; m < model.responsivity.rank; ++m) {
    const double z = random->normal();
    const double *column = &model.responsivity.columns[static_cast<std::size_t>(m) * kSpectrumValues];
    for (int i = 0; i < kSpectrumValues; ++i) {
      errors.responsivity[i] += column[i] * z;
    }
  }
  return errors;
}

Spectrum formDraw(const DrawModel &model, const Spectrum &record, const DrawErrors &errors,
                  DrawRandom *random) {
  // Sample i of the shifted spectrum lies at index i − δ of the record.
  const double position = -errors.shiftNm;
  const double below = std::floor(position);
  const double t = position - below;
  const int offset = static_cast<int>(below);
  const auto at = [&](int j) { return record[std::clamp(j, 0, kSpectrumValues - 1)]; };
  Spectrum s;
  for (int i = 0; i < kSpectrumValues; ++i) {
    const double shifted = at(i + offset) + t * (at(i + offset + 1) - at(i + offset));
    s[i] = (shifted + model.noiseSigma[i] * random->normal()) /
           ((1 + errors.scale) * (1 + errors.responsivity[i]));
  }
  return s;
}

Spectrum drawSpectrum(const DrawModel &model, std::uint64_t seed, std::uint64_t draw) {
  DrawRandom random(seed, draw);
  const DrawErrors errors = drawErrors(model, &random);
  return formDraw(model, model.record, errors, &random);
}

} // namespace lightquality
