#pragma once

// The verification tables' rows and their standard sources given as meter
// records: 401 values at 1 nm, the F illuminants interpolated linearly from
// 5 nm.

#include "lightquality/reference.h"
#include "lightquality/spectrum.h"

#include "cie/csv.h"
#include "cie/tables.h"

#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace lightquality::testing {

// One row of a verification table, by column name.
using Row = std::map<std::string, std::string>;

// The rows of a table; `file` is relative to the data folder.
inline std::vector<Row> verificationRows(const std::string &file) {
  std::ifstream in(SUITE_DATA_DIR "/" + file);
  std::string line;
  std::getline(in, line);
  const std::vector<std::string> header = cie::csvFields(line);
  std::vector<Row> rows;
  while (std::getline(in, line)) {
    const std::vector<std::string> fields = cie::csvFields(line);
    Row row;
    for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i) {
      row[header[i]] = fields[i];
    }
    rows.push_back(row);
  }
  return rows;
}

// A table column from 380 to 780 nm, linearly interpolated to 1 nm where the
// table is coarser, as the verification values were made.
inline Spectrum tableColumn(const cie::Table &table, int column) {
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    s[j] = table.linearAt(kFirstNm + j, column);
  }
  return s;
}

inline Spectrum sourceSpectrum(const std::string &name) {
  if (name == "A") {
    return tableColumn(cie::illuminantA, 0);
  }
  if (name == "D65") {
    return tableColumn(cie::illuminantD65, 0);
  }
  if (name.rfind("Planck", 0) == 0) {
    return planckianRadiator(std::stod(name.substr(6)));
  }
  // "F2" in one file, "FL2" in the other.
  return tableColumn(cie::illuminantsF1toF12,
                     std::stoi(name.substr(name.find_first_of("0123456789"))) - 1);
}

} // namespace lightquality::testing
