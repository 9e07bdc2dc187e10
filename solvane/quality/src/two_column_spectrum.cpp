#include "solvane/quality/two_column_spectrum.h"

#include "file_error.h"
#include "quoting/quoted_qstring.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <vector>

namespace solvane::quality {
namespace {

struct Sample {
  double nm;
  double value;
};

// Linear between neighbouring samples at each whole nanometre, 0 outside.
lightquality::Spectrum resampled(const std::vector<Sample> &samples) {
  lightquality::Spectrum s{};
  std::size_t next = 0;
  for (int j = 0; j < lightquality::kSpectrumValues; ++j) {
    const double nm = lightquality::kFirstNm + j;
    while (next < samples.size() && samples[next].nm < nm) {
      ++next;
    }
    if (next == samples.size()) {
      break;
    }
    if (samples[next].nm == nm) {
      s[j] = samples[next].value;
    } else if (next > 0) {
      const Sample &a = samples[next - 1];
      const Sample &b = samples[next];
      s[j] = a.value + (nm - a.nm) / (b.nm - a.nm) * (b.value - a.value);
    }
  }
  return s;
}

} // namespace

bool readTwoColumnSpectrum(const QString &path, lightquality::Spectrum *spectrum,
                           QString *error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return solvane::errors::report(
        error, solvane::errors::fileError("cannot read the spectrum file", file));
  }
  static const QRegularExpression separators("[\\s,;]+");
  std::vector<Sample> samples;
  QTextStream in(&file);
  for (int line = 1; !in.atEnd(); ++line) {
    const QString text = in.readLine().trimmed();
    if (text.isEmpty() || text.startsWith('#')) {
      continue;
    }
    const QStringList fields = text.split(separators, Qt::SkipEmptyParts);
    bool nmOk = false;
    bool valueOk = false;
    const Sample s{fields.value(0).toDouble(&nmOk), fields.value(1).toDouble(&valueOk)};
    const bool pair = fields.size() == 2 && nmOk && valueOk && std::isfinite(s.nm) &&
                      std::isfinite(s.value);
    if (!pair && samples.empty()) {
      continue; // a header
    }
    const QString where = QString("the spectrum file %1, line %2: ").arg(quoting::quotedText(path)).arg(line);
    if (!pair) {
      return solvane::errors::report(error, where + "expected a wavelength and a value");
    }
    if (!samples.empty() && s.nm <= samples.back().nm) {
      return solvane::errors::report(error, where + "the wavelengths do not rise");
    }
    samples.push_back(s);
  }
  if (samples.empty()) {
    return solvane::errors::report(
        error, QString("the spectrum file %1 holds no wavelength and value pair")
                   .arg(quoting::quotedText(path)));
  }
  *spectrum = resampled(samples);
  return true;
}

} // namespace solvane::quality
