// A reader of other instruments' spectra (the format is fixed per target by
// SPECTRUM_FORMAT): any bytes either give 401 finite values with a finite
// or NaN illuminance, or one line without control characters that names a
// line or says the file is empty or too large. Reading the same bytes with
// the format detected gives the same answer when the detection picks it.

#include "fuzz_check.h"

#include "spectrumfile/spectrum_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool oneHarmlessLine(const std::string &error) {
  if (error.empty()) {
    return false;
  }
  for (char c : error) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      return false;
    }
  }
  return error.rfind("line ", 0) == 0 || error.rfind("expected ", 0) == 0 ||
         error.rfind("the file is empty", 0) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  constexpr spectrumfile::Format kFormat = spectrumfile::Format::SPECTRUM_FORMAT;
  spectrumfile::ImportedSpectrum spectrum;
  std::string error;
  const bool read = spectrumfile::readSpectrum(text, kFormat, &spectrum, &error);
  if (read) {
    FUZZ_CHECK(spectrum.format == kFormat);
    for (double value : spectrum.values) {
      FUZZ_CHECK(std::isfinite(value));
    }
    FUZZ_CHECK(!std::isinf(spectrum.illuminanceLux));
  } else {
    FUZZ_CHECK(oneHarmlessLine(error));
  }
  if (spectrumfile::detectFormat(text) == kFormat) {
    spectrumfile::ImportedSpectrum detected;
    std::string again;
    FUZZ_CHECK(spectrumfile::readSpectrum(text, spectrumfile::Format::kDetect, &detected,
                                          &again) == read);
    FUZZ_CHECK(again == error);
  }
  return 0;
}
