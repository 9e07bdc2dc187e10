// Two-column text: a wavelength in nm and a value a line, separated by a
// comma, semicolon, tab or blanks, with a decimal point or, where the
// separator is not a comma, a decimal comma; one header line or none, and
// any number of comment lines starting with '#'.

#include "reader_support.h"

namespace spectrumfile::detail {
namespace {

constexpr std::string_view kExpectedPair =
    "two numbers, a wavelength in nm and a value, separated by a comma, semicolon, tab or "
    "blanks";

// The fields of `line` split at `separator` (' ' for a run of blanks),
// trimmed; a separator that ends the line adds no field.
std::vector<std::string_view> fieldsOf(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  line = trimmed(line);
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(trimmed(line.substr(start, end - start)));
    if (end == std::string_view::npos) {
      break;
    }
    start = separator == ' ' ? line.find_first_not_of(' ', end) : end + 1;
    if (start == std::string_view::npos) {
      break;
    }
  }
  if (fields.size() > 1 && fields.back().empty()) {
    fields.pop_back();
  }
  return fields;
}

// Wavelength and value with the first separator that gives two numbers:
// tab, semicolon, comma, blanks. Only a comma-separated line cannot hold
// decimal commas.
bool pairOf(std::string_view line, double *nm, double *value) {
  for (char separator : {'\t', ';', ',', ' '}) {
    const bool decimalComma = separator != ',';
    const std::vector<std::string_view> fields = fieldsOf(line, separator);
    if (fields.size() == 2 && parseNumber(fields[0], decimalComma, nm) &&
        parseNumber(fields[1], decimalComma, value)) {
      return true;
    }
  }
  return false;
}

// A header that gives the values' unit as W·m⁻²·nm⁻¹ (in any of its usual
// spellings) makes the spectrum absolute.
bool namesIrradianceUnit(std::string_view header) {
  for (std::string_view unit : {"W/m2", "W/m²", "W/(m", "W·m", "W m-2", "W m⁻²", "Wm-2"}) {
    if (header.find(unit) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

} // namespace

bool readTwoColumn(const std::vector<Line> &lines, ImportedSpectrum *spectrum, std::string *error) {
  Samples samples;
  bool first = true;
  for (const Line &line : lines) {
    const std::string_view text = trimmed(line.text);
    if (text.empty() || text.front() == '#') {
      continue;
    }
    double nm = 0;
    double value = 0;
    if (!pairOf(line.text, &nm, &value)) {
      if (first) { // the header
        first = false;
        spectrum->absolute = namesIrradianceUnit(line.text);
        spectrum->description = std::string(trimmed(line.text));
        continue;
      }
      return failAt(line.number, std::string(kExpectedPair) + ", found " + quoted(line.text),
                    error);
    }
    first = false;
    if (!samples.add(line.number, nm, value, error)) {
      return false;
    }
  }
  return samples.finish("on the lines of the file", &spectrum->values, error);
}

} // namespace spectrumfile::detail
