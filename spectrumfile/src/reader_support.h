#pragma once

// What the readers share: lines with their numbers, numbers in either
// decimal sign, the one-line failure and the samples each reader collects.

#include "spectrumfile/spectrum_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace spectrumfile::detail {

struct Line {
  int number; // from 1, as an editor counts
  std::string_view text;
};

// The lines of a text without their LF or CR LF ends, after a UTF-8
// byte-order mark.
std::vector<Line> splitLines(std::string_view text);

std::string_view trimmed(std::string_view text);

// A finite number written with a decimal point (or, with `decimalComma`, a
// decimal comma) and nothing else but surrounding blanks.
bool parseNumber(std::string_view text, bool decimalComma, double *value);

// A piece of the input for a message, made safe by quoting::quotedText, in
// single quotes.
std::string quoted(std::string_view text);

// Stores "line N: expected ..." in `error` (may be null); returns false.
bool failAt(int line, std::string_view expected, std::string *error);

// The samples of one spectrum as a reader finds them, checked as they come.
class Samples {
public:
  // False, with why, when `nm` does not rise above the sample before it.
  bool add(int line, double nm, double value, std::string *error);

  // Resamples into `spectrum`. False, with why, with fewer than two samples
  // or none between 380 and 780 nm; `where` says where they were expected.
  bool finish(std::string_view where, lightquality::Spectrum *spectrum, std::string *error) const;

  bool empty() const { return samples_.empty(); }
  std::size_t size() const { return samples_.size(); }

private:
  std::vector<Sample> samples_;
};

// One reader per format: each fills
// `spectrum` or fails with one line.
bool readTwoColumn(const std::vector<Line> &lines, ImportedSpectrum *spectrum, std::string *error);
bool readSpdx(std::string_view text, ImportedSpectrum *spectrum, std::string *error);
bool readUprtek(const std::vector<Line> &lines, ImportedSpectrum *spectrum, std::string *error);
bool readSekonic(const std::vector<Line> &lines, ImportedSpectrum *spectrum, std::string *error);

} // namespace spectrumfile::detail
