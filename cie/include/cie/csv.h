#pragma once

// Reading the CSV files in data/: the CIE tables, their reference values and
// the light-quality verification values.

#include <string>
#include <vector>

namespace cie {

// Splits one CSV line, honouring double-quoted fields.
inline std::vector<std::string> csvFields(const std::string &line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char ch : line) {
    if (ch == '"') {
      quoted = !quoted;
    } else if (ch == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += ch;
    }
  }
  return fields;
}

} // namespace cie
