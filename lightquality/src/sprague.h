#pragma once

// Sprague's fifth-degree interpolation of 5 nm tables to 1 nm, the method
// CIE 167:2005 recommends for that step.

namespace lightquality {

// The value at fraction x (0 to 1) of the interval from p[0] to p[1] of an
// evenly spaced series; reads p[−2] to p[3] (CIE 167:2005 eq. 5).
inline double spragueInterpolate(const double *p, double x) {
  const double a1 = (2 * p[-2] - 16 * p[-1] + 16 * p[1] - 2 * p[2]) / 24;
  const double a2 = (-p[-2] + 16 * p[-1] - 30 * p[0] + 16 * p[1] - p[2]) / 24;
  const double a3 = (-9 * p[-2] + 39 * p[-1] - 70 * p[0] + 66 * p[1] - 33 * p[2] + 7 * p[3]) / 24;
  const double a4 =
      (13 * p[-2] - 64 * p[-1] + 126 * p[0] - 124 * p[1] + 61 * p[2] - 12 * p[3]) / 24;
  const double a5 = (-5 * p[-2] + 25 * p[-1] - 50 * p[0] + 50 * p[1] - 25 * p[2] + 5 * p[3]) / 24;
  return p[0] + x * (a1 + x * (a2 + x * (a3 + x * (a4 + x * a5))));
}

// A series on a regular grid (first nm, step) sampled at 1 nm from 380 to
// 780 nm: `at(row)` gives the series at a grid row. The grid must reach two
// rows below 380 nm and three above 780 nm's interval.
template <typename Spectrum, typename RowValue>
Spectrum spragueTo1nm(int firstNm, int stepNm, RowValue at) {
  Spectrum s{};
  for (int j = 0; j < static_cast<int>(s.size()); ++j) {
    const int offset = 380 + j - firstNm;
    const int row = offset / stepNm;
    const int within = offset % stepNm;
    if (within == 0) {
      s[j] = at(row);
    } else {
      const double p[6] = {at(row - 2), at(row - 1), at(row),
                           at(row + 1), at(row + 2), at(row + 3)};
      s[j] = spragueInterpolate(p + 2, static_cast<double>(within) / stepNm);
    }
  }
  return s;
}

} // namespace lightquality
