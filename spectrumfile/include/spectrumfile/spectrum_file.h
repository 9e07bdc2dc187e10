#pragma once

// Spectra from other instruments' files, brought onto the grid every
// light-quality metric takes (401 values at 1 nm, 380–780 nm): two-column
// text, IES TM-27-14 (SPDX) documents and the exports of two hand-held
// meters. No Qt; any bytes either give a spectrum or one line saying what
// was expected at which line.

#include "lightquality/spectrum.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace spectrumfile {

enum class Format {
  kDetect,    // told apart by the file's first line
  kTwoColumn, // wavelength and value a line
  kSpdx,      // IES TM-27-14 XML
  kUprtek,    // "Model Name<TAB>..." key lines, then "380nm<TAB>value" lines
  kSekonic,   // "Date Saved,..." CSV blocks with "Spectral Data 380[nm],value" lines
};

// The name a message uses for the format ("two-column text", "SPDX", ...).
const char *formatName(Format format);

// The format of a file by its first line: '<' is SPDX, "Model Name" then a
// tab the UPRtek export, "Date Saved," the Sekonic export, anything else
// two-column text.
Format detectFormat(std::string_view text);

// A figure the file gives beside its spectrum, under the file's own name
// ("CCT", "Tcp [K]", "CRI Ra").
struct FileFigure {
  std::string name;
  double value;
};

struct ImportedSpectrum {
  Format format = Format::kDetect; // the format it was read as
  lightquality::Spectrum values{}; // 380–780 nm at 1 nm, resampled
  bool absolute = false;           // values are spectral irradiance in W·m⁻²·nm⁻¹
  // The illuminance the file states; NaN when it states none.
  double illuminanceLux = std::numeric_limits<double>::quiet_NaN();
  std::string description;         // the file's title, model or description; may be empty
  std::string time;                // the measurement's time as the file writes it; may be empty
  std::vector<FileFigure> figures; // the instrument's own figures, in file order

  // The figure of that name, NaN when the file gives none.
  double figure(std::string_view name) const;
};

// Files above this size are refused before they are read: a spectrum of
// 1 nm steps over any range is far smaller.
inline constexpr std::size_t kMaxFileBytes = 16u << 20;

// Reads `text` as `format` (kDetect: as detectFormat says). False, with one
// line in `error` (may be null) naming what was expected and at which line,
// for a file that is not a spectrum of that format; an empty file is one.
bool readSpectrum(std::string_view text, Format format, ImportedSpectrum *spectrum,
                  std::string *error);

struct Sample {
  double nm;
  double value;
};

// The resampling rule for any step: linear interpolation between the two
// neighbouring samples at each whole nanometre from 380 to 780; 0 outside
// the samples' range (an instrument that stops at 730 nm saw no light
// beyond it). `samples` are in strictly increasing wavelength.
lightquality::Spectrum resample(const std::vector<Sample> &samples);

} // namespace spectrumfile
