#pragma once

// CIE reference tables, compiled in from the CSV copies in data/cie (see
// data/cie/README.md for the sources and their checks). Each table is a
// regular wavelength grid with one row of values per wavelength; values are
// the published text, never re-rounded or interpolated.

namespace cie {

struct Table {
  int firstNm;
  int stepNm;
  int rows;
  int columns;
  const double *values; // row-major, rows x columns

  int lastNm() const { return firstNm + stepNm * (rows - 1); }
  // Row for a wavelength on the grid, or nullptr off the grid.
  const double *row(int nm) const;
  // Value at a wavelength on the grid; NaN off the grid or for a bad column.
  double at(int nm, int column) const;
  // Value at a wavelength from firstNm to lastNm, linear between the grid
  // rows around it; NaN for a bad column.
  double linearAt(int nm, int column) const;
};

// CIE 1931 2° standard observer x̄, ȳ, z̄ (CIE 018:2019 Table 6,
// ISO/CIE 11664-1:2019); 360–830 nm at 1 nm; x̄, z̄ 12 decimals, ȳ 13.
// The published 5 nm table is the subset of rows at multiples of 5 nm.
extern const Table cmf1931_2deg;

// CIE 1964 10° supplementary observer x̄10, ȳ10, z̄10 (ISO/CIE 11664-1:2019
// Table 2); 360–830 nm at 1 nm; as published, z̄10 = 0 from 560 nm on.
extern const Table cmf1964_10deg;

// Spectral locus x, y of the CIE 1931 2° observer; 380–780 nm at 5 nm;
// rounded to 4 decimals (the widely reproduced CIE tabulation).
extern const Table locus1931_5nm_4dp;

// Spectral locus x, y, z of the CIE 1931 2° observer, x̄/(x̄+ȳ+z̄) etc. of
// cmf1931_2deg; 360–830 nm at 1 nm; rounded half-up to 5 decimals.
extern const Table locus1931_1nm_5dp;

// Spectral radiance factors of CIE 13.3-1995 test colour samples 1 to 14
// (columns 0 to 13); 360–830 nm at 5 nm; 3 decimals.
extern const Table tcs1to14;

// Spectral radiance factor of the fifteenth test colour sample, the
// product's own addition to the CIE set; 380–780 nm at 5 nm; 3 decimals.
extern const Table tcs15;

// CIE daylight components S0, S1, S2 (CIE 015:2018, CIE 15:2004 Table T.2);
// 300–830 nm at 5 nm; 2 decimals. The published 10 nm table is the subset
// of rows at multiples of 10 nm.
extern const Table daylightComponents;

// CIE standard illuminant A (ISO/CIE 11664-2:2022 Table A.1);
// 300–830 nm at 1 nm; 6 significant digits.
extern const Table illuminantA;

// CIE standard illuminant D65 (ISO/CIE 11664-2:2022 Table B.1);
// 300–830 nm at 1 nm; as published.
extern const Table illuminantD65;

// CIE fluorescent illuminants F1 to F12 (FL1–FL12, CIE 015:2018 Table 10.1),
// columns 0 to 11; 380–780 nm at 5 nm; 2 decimals.
extern const Table illuminantsF1toF12;

// Spectral radiance factors of the 99 colour evaluation samples of
// CIE 224:2017 (also those of ANSI/IES TM-30), columns 0 to 98 for CES1 to
// CES99; 380–780 nm at 1 nm (data/cie/extended/ces99_1nm.csv).
extern const Table colourEvaluationSamples;

// CIE S 026:2018 α-opic action spectra s_sc, s_mc, s_lc, s_rh, s_mel
// (columns 0 to 4; 0 where the CIE leaves them undefined) and the scotopic
// V′(λ) of CIE 018:2019 (column 5); 380–780 nm at 1 nm
// (data/cie/extended/alpha_opic_1nm.csv).
extern const Table alphaOpicActionSpectra;

// CIE 1951 scotopic luminous efficiency function V′(λ), one column, peak 1
// at 507 nm; 380–780 nm at 1 nm (data/cie/extended/scotopic_1951_1nm.csv).
extern const Table scotopic1951;

// The television lighting figures' tables, 380–760 nm at 5 nm
// (data/cie/extended/tlci/): the EBU standard camera r̄, ḡ, b̄ (columns 0
// to 2, each summing to 1); the reflectances of its 24 test patches
// (columns 0 to 17 the coloured ones, 18 to 23 the grey scale from white to
// black); its own daylight components S0, S1, S2, which differ from
// daylightComponents at odd multiples of 5 nm.
extern const Table televisionCamera;
extern const Table televisionTestPatches;
extern const Table televisionDaylightBasis;

} // namespace cie
