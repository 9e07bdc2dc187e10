// The exports of two hand-held spectral meters: the UPRtek tab-separated
// text (key lines, then "380nm<TAB>value" lines at 1 nm, relative values
// with the illuminance under "LUX") and the Sekonic CSV (blocks of key,value
// lines, the spectrum in W·m⁻²·nm⁻¹ at 5 nm and again at 1 nm).

#include "reader_support.h"

#include <algorithm>

namespace spectrumfile::detail {
namespace {

// "key<SEP>value" split at the first separator; false without one.
bool keyValue(std::string_view line, char separator, std::string_view *key,
              std::string_view *value) {
  const std::size_t at = line.find(separator);
  if (at == std::string_view::npos) {
    return false;
  }
  *key = trimmed(line.substr(0, at));
  *value = trimmed(line.substr(at + 1));
  return true;
}

// Keeps a numeric value as one of the instrument's figures; other values
// (text, "---" for not computed) are not figures.
void keepFigure(std::string_view key, std::string_view value, ImportedSpectrum *spectrum) {
  double number = 0;
  if (parseNumber(value, false, &number)) {
    spectrum->figures.push_back({std::string(key), number});
  }
}

// The wavelength of "380nm" / "Spectral Data 380[nm]": the number between
// `prefix` and `suffix`.
bool wavelengthOf(std::string_view key, std::string_view prefix, std::string_view suffix,
                  double *nm) {
  if (key.size() <= prefix.size() + suffix.size() || key.substr(0, prefix.size()) != prefix ||
      key.substr(key.size() - suffix.size()) != suffix) {
    return false;
  }
  return parseNumber(key.substr(prefix.size(), key.size() - prefix.size() - suffix.size()), false,
                     nm);
}

} // namespace

bool readUprtek(const std::vector<Line> &lines, ImportedSpectrum *spectrum, std::string *error) {
  if (lines.empty() || lines.front().text.substr(0, 11) != "Model Name\t") {
    return failAt(1, "'Model Name' and a tab, the first line of a UPRtek text export", error);
  }
  std::string model;
  std::string serial;
  Samples samples;
  for (const Line &line : lines) {
    if (trimmed(line.text).empty()) {
      continue;
    }
    std::string_view key;
    std::string_view value;
    const bool paired = keyValue(line.text, '\t', &key, &value);
    if (!paired) {
      key = trimmed(line.text);
    }
    double nm = 0;
    if (wavelengthOf(key, "", "nm", &nm)) {
      double number = 0;
      if (!paired || !parseNumber(value, false, &number)) {
        return failAt(line.number, "a wavelength, a tab and a number, found " + quoted(line.text),
                      error);
      }
      if (!samples.add(line.number, nm, number, error)) {
        return false;
      }
    } else if (!samples.empty()) {
      return failAt(line.number,
                    "a line 'NNNnm<TAB>value' of the spectrum, found " + quoted(line.text), error);
    } else if (!paired && key != "Memo") { // an empty memo has no tab
      return failAt(line.number, "'key<TAB>value', found " + quoted(line.text), error);
    } else if (key == "Model Name") {
      model = value;
    } else if (key == "Serial Number") {
      serial = value;
    } else if (key == "Time") {
      spectrum->time = value;
    } else if (key != "Memo") {
      keepFigure(key, value, spectrum);
    }
  }
  if (!samples.finish("in the lines 'NNNnm<TAB>value'", &spectrum->values, error)) {
    return false;
  }
  spectrum->description = serial.empty() ? model : model + " " + serial;
  spectrum->illuminanceLux = spectrum->figure("LUX");
  return true;
}

bool readSekonic(const std::vector<Line> &lines, ImportedSpectrum *spectrum, std::string *error) {
  if (lines.empty() || lines.front().text.substr(0, 11) != "Date Saved,") {
    return failAt(1, "'Date Saved,' and a date, the first line of a Sekonic CSV export", error);
  }
  // Each run of "Spectral Data" lines is one block; the one with the most
  // samples (1 nm rather than 5 nm) is the spectrum.
  std::vector<Samples> blocks;
  bool inBlock = false;
  bool inVectorGraphic = false;
  for (const Line &line : lines) {
    std::string_view key;
    std::string_view value;
    if (trimmed(line.text).empty()) {
      inBlock = false;
      inVectorGraphic = false;
      continue;
    }
    if (inVectorGraphic) { // "binN,x_ref,y_ref,x_test,y_test": no figures
      continue;
    }
    if (!keyValue(line.text, ',', &key, &value)) {
      return failAt(line.number, "'key,value', found " + quoted(line.text), error);
    }
    double nm = 0;
    if (wavelengthOf(key, "Spectral Data ", "[nm]", &nm)) {
      double number = 0;
      if (!parseNumber(value, false, &number)) {
        return failAt(line.number, "a number after 'Spectral Data NNN[nm],', found " +
                                       quoted(line.text),
                      error);
      }
      if (!inBlock) {
        blocks.emplace_back();
        inBlock = true;
      }
      if (!blocks.back().add(line.number, nm, number, error)) {
        return false;
      }
      continue;
    }
    inBlock = false;
    if (key == "Date Saved") {
      spectrum->time = value;
    } else if (key == "Title") {
      spectrum->description = value;
    } else if (key == "TM-30 Color Vector Graphic") {
      inVectorGraphic = true;
    } else {
      keepFigure(key, value, spectrum);
    }
  }
  const auto fullest =
      std::max_element(blocks.begin(), blocks.end(),
                       [](const Samples &a, const Samples &b) { return a.size() < b.size(); });
  const Samples none;
  if (!(fullest == blocks.end() ? none : *fullest)
           .finish("in the lines 'Spectral Data NNN[nm],value'", &spectrum->values, error)) {
    return false;
  }
  spectrum->absolute = true;
  spectrum->illuminanceLux = spectrum->figure("Illuminance [lx]");
  return true;
}

} // namespace spectrumfile::detail
