#pragma once

// Tristimulus values of reflecting samples lit by a spectrum, the sums the
// colour rendering and colour fidelity indices are made of.

#include "lightquality/spectrum.h"

#include <algorithm>
#include <array>

// The sample sums are most of the time a light's figures take. Where the
// loader picks a function by processor (GNU ifunc), a function marked with
// LIGHTQUALITY_WIDE_SUMS is also built for AVX2, the sums inlined into it,, which sums four samples at a time instead of
// two. Every sum keeps its order of operations and AVX2 brings no fused
// multiply-add, so both builds give the same numbers.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)
#define LIGHTQUALITY_WIDE_SUMS __attribute__((target_clones("avx2", "default")))
#define LIGHTQUALITY_SUMS_INLINE __attribute__((always_inline)) inline
#else
#define LIGHTQUALITY_WIDE_SUMS
#define LIGHTQUALITY_SUMS_INLINE inline
#endif

namespace lightquality {

template <int Samples> struct SampleAccumulators { std::array<double, Samples> x{}, y{}, z{}; };

// Adds rows j to j + Rows − 1 of sampleTristimulus(). The accumulators are
// local arrays, so the compiler knows the table does not alias them and
// runs the loop two samples at a time.
template <int Samples, int Rows>
LIGHTQUALITY_SUMS_INLINE void addSampleRows(const Spectrum &spectrum, int j, const double *factors, int stride,
                   const double *cmf, SampleAccumulators<Samples> &sums) {
  const double *f[Rows];
  double sx[Rows], sy[Rows], sz[Rows];
  for (int r = 0; r < Rows; ++r) {
    f[r] = factors + (j + r) * stride;
    sx[r] = spectrum[j + r] * cmf[3 * (j + r)];
    sy[r] = spectrum[j + r] * cmf[3 * (j + r) + 1];
    sz[r] = spectrum[j + r] * cmf[3 * (j + r) + 2];
  }
  for (int i = 0; i < Samples; ++i) {
    double dx = 0, dy = 0, dz = 0;
    for (int r = 0; r < Rows; ++r) {
      dx += f[r][i] * sx[r];
      dy += f[r][i] * sy[r];
      dz += f[r][i] * sz[r];
    }
    sums.x[i] += dx;
    sums.y[i] += dy;
    sums.z[i] += dz;
  }
}

// Σ S(λ)·R_i(λ)·x̄(λ) etc. for every sample i: `factors` holds a row per nm
// from 380 nm (`stride` values apart) with a column per sample, `cmf` the
// colour-matching rows from 380 nm (three values a row). The X of all
// samples go to x, their Y to y, their Z to z. Four rows a pass: the inner
// loop runs over the samples (two at a time in SSE2) and the accumulators
// are loaded and stored a quarter as often as row by row.
template <int Samples>
LIGHTQUALITY_SUMS_INLINE void sampleTristimulus(const Spectrum &spectrum, const double *factors, int stride,
                       const double *cmf, double *x, double *y, double *z) {
  constexpr int kRows = 4;
  SampleAccumulators<Samples> sums;
  int j = 0;
  for (; j + kRows <= kSpectrumValues; j += kRows) {
    addSampleRows<Samples, kRows>(spectrum, j, factors, stride, cmf, sums);
  }
  for (; j < kSpectrumValues; ++j) {
    addSampleRows<Samples, 1>(spectrum, j, factors, stride, cmf, sums);
  }
  std::copy(sums.x.begin(), sums.x.end(), x);
  std::copy(sums.y.begin(), sums.y.end(), y);
  std::copy(sums.z.begin(), sums.z.end(), z);
}

} // namespace lightquality
