#pragma once

// Numbers in solvane-cli's tables.

#include "lightquality/figure_table.h"

#include <cmath>
#include <cstdio>
#include <string>

// Element `element` of a row with the listing's decimals, or "n/a".
inline std::string listed(const lightquality::Figure &row, const lightquality::FigureSource &source,
                          int element = 0) {
  return lightquality::figureText(lightquality::figureValue(row, source, element),
                                  row.listingDecimals);
}

// The same with the row's unit after a space where there is a value.
inline std::string listedWithUnit(const lightquality::Figure &row,
                                  const lightquality::FigureSource &source) {
  const double value = lightquality::figureValue(row, source);
  const std::string text = listed(row, source);
  return std::isfinite(value) && *row.unit ? text + ' ' + row.unit : text;
}

// A group's reason for its NaN values, after its line of the table.
inline void endLine(const std::string &reason) {
  std::printf(reason.empty() ? "\n" : "   (%s)\n", reason.c_str());
}
