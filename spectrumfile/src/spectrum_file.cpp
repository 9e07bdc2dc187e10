#include "spectrumfile/spectrum_file.h"

#include "reader_support.h"

#include "quoting/quoted_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spectrumfile {
namespace detail {

std::vector<Line> splitLines(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  std::vector<Line> lines;
  int number = 1;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back({number++, line});
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && blank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

bool parseNumber(std::string_view text, bool decimalComma, double *value) {
  text = trimmed(text);
  std::string copy(text);
  if (decimalComma) {
    std::replace(copy.begin(), copy.end(), ',', '.');
  }
  // from_chars takes no leading '+', which some programs write.
  const std::size_t start = !copy.empty() && copy.front() == '+' ? 1 : 0;
  const char *first = copy.data() + start;
  const char *last = copy.data() + copy.size();
  if (first == last || *first == '+' || (*first == '-' && start == 1)) {
    return false;
  }
  const std::from_chars_result result = std::from_chars(first, last, *value);
  return result.ec == std::errc() && result.ptr == last && std::isfinite(*value);
}

std::string quoted(std::string_view text) {
  return "'" + quoting::quotedText(text) + "'";
}

bool failAt(int line, std::string_view expected, std::string *error) {
  if (error) {
    *error = "line " + std::to_string(line) + ": expected " + std::string(expected);
  }
  return false;
}

bool Samples::add(int line, double nm, double value, std::string *error) {
  if (!samples_.empty() && !(nm > samples_.back().nm)) {
    char previous[32];
    const auto end = std::to_chars(previous, previous + sizeof previous, samples_.back().nm);
    return failAt(line,
                  "a wavelength above the one before it (" + std::string(previous, end.ptr) +
                      " nm)",
                  error);
  }
  samples_.push_back({nm, value});
  return true;
}

bool Samples::finish(std::string_view where, lightquality::Spectrum *spectrum,
                     std::string *error) const {
  if (samples_.size() < 2) {
    if (error) {
      *error = "expected at least two samples of wavelength and value " + std::string(where) +
               ", found " + std::to_string(samples_.size());
    }
    return false;
  }
  if (samples_.back().nm < lightquality::kFirstNm || samples_.front().nm > lightquality::kLastNm) {
    if (error) {
      *error = "expected wavelengths in nm reaching into 380 to 780 " + std::string(where);
    }
    return false;
  }
  *spectrum = resample(samples_);
  return true;
}

} // namespace detail

const char *formatName(Format format) {
  switch (format) {
  case Format::kTwoColumn:
    return "two-column text";
  case Format::kSpdx:
    return "IES TM-27-14 (SPDX)";
  case Format::kUprtek:
    return "UPRtek text export";
  case Format::kSekonic:
    return "Sekonic CSV export";
  case Format::kDetect:
    break;
  }
  return "spectrum";
}

Format detectFormat(std::string_view text) {
  const std::vector<detail::Line> lines = detail::splitLines(text.substr(0, 256));
  const std::string_view first = lines.empty() ? std::string_view() : lines.front().text;
  const std::string_view start = detail::trimmed(first);
  if (!start.empty() && start.front() == '<') {
    return Format::kSpdx;
  }
  if (first.substr(0, 11) == "Model Name\t") {
    return Format::kUprtek;
  }
  if (first.substr(0, 11) == "Date Saved,") {
    return Format::kSekonic;
  }
  return Format::kTwoColumn;
}

double ImportedSpectrum::figure(std::string_view name) const {
  const auto found = std::find_if(figures.begin(), figures.end(),
                                  [name](const FileFigure &f) { return f.name == name; });
  return found == figures.end() ? std::numeric_limits<double>::quiet_NaN() : found->value;
}

bool readSpectrum(std::string_view text, Format format, ImportedSpectrum *spectrum,
                  std::string *error) {
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    if (error) {
      *error = "the file is empty: expected a spectrum";
    }
    return false;
  }
  if (text.size() > kMaxFileBytes) {
    if (error) {
      *error = "expected a spectrum of at most 16 MiB, the file holds " +
               std::to_string(text.size()) + " bytes";
    }
    return false;
  }
  ImportedSpectrum read;
  read.format = format == Format::kDetect ? detectFormat(text) : format;
  bool ok = false;
  switch (read.format) {
  case Format::kSpdx:
    ok = detail::readSpdx(text, &read, error);
    break;
  case Format::kUprtek:
    ok = detail::readUprtek(detail::splitLines(text), &read, error);
    break;
  case Format::kSekonic:
    ok = detail::readSekonic(detail::splitLines(text), &read, error);
    break;
  case Format::kTwoColumn:
  case Format::kDetect:
    ok = detail::readTwoColumn(detail::splitLines(text), &read, error);
    break;
  }
  if (ok) {
    *spectrum = std::move(read);
  }
  return ok;
}

lightquality::Spectrum resample(const std::vector<Sample> &samples) {
  lightquality::Spectrum spectrum{};
  std::size_t next = 0; // the first sample at or above the wavelength
  for (int i = 0; i < lightquality::kSpectrumValues; ++i) {
    const double nm = lightquality::kFirstNm + i;
    while (next < samples.size() && samples[next].nm < nm) {
      ++next;
    }
    if (next == samples.size()) {
      break;
    }
    const Sample &above = samples[next];
    if (above.nm == nm) {
      spectrum[static_cast<std::size_t>(i)] = above.value;
    } else if (next > 0) {
      const Sample &below = samples[next - 1];
      const double t = (nm - below.nm) / (above.nm - below.nm);
      spectrum[static_cast<std::size_t>(i)] = below.value + t * (above.value - below.value);
    }
  }
  return spectrum;
}

} // namespace spectrumfile
