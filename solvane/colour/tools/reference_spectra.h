#pragma once

// Spectra and published figures that the tests and the report tool share:
// Planck radiators and CIE illuminants as 401 values at 1 nm from 380 nm,
// and the CIE figures of data/cie/reference_values.csv.

#include "cie/csv.h"
#include "cie/tables.h"
#include "colorimetry/planck.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace solvane_reference {

inline std::vector<double> planck1nm(double kelvin) {
  std::vector<double> s(colorimetry::kVisible1nm.count);
  colorimetry::samplePlanck(colorimetry::kReferencePlanck, kelvin, colorimetry::kVisible1nm,
                            s.data());
  return s;
}

// A column of a CIE table from 380 to 780 nm, linearly interpolated to 1 nm
// where the table has a coarser grid.
inline std::vector<double> illuminant1nm(const cie::Table &table, int column = 0) {
  std::vector<double> s(401);
  for (int j = 0; j < 401; ++j) {
    s[j] = table.linearAt(380 + j, column);
  }
  return s;
}

// Values of reference_values.csv by "subject/quantity", e.g. "F7/Ra". Empty
// when the file cannot be read.
inline std::map<std::string, double> referenceValues(const std::string &path) {
  std::map<std::string, double> values;
  std::ifstream in(path);
  std::string line;
  std::getline(in, line); // header
  while (std::getline(in, line)) {
    const std::vector<std::string> f = cie::csvFields(line);
    if (f.size() < 3) {
      continue;
    }
    std::istringstream number(f[2]);
    double value = 0;
    if (number >> value && number.eof()) {
      values[f[0] + "/" + f[1]] = value;
    }
  }
  return values;
}

} // namespace solvane_reference
