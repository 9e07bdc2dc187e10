#include "solvane/quality/spectrum_record.h"

#include "file_error.h"
#include "solvane/colour/tristimulus.h"
#include "solvane/records/measurement_record.h"

#include "devlink/meter_records.h"
#include "lightquality/usergroups.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace solvane::quality {
namespace {

namespace rec = solvane::records;

double illuminanceOf(const spectrumfile::ImportedSpectrum &spectrum) {
  if (std::isfinite(spectrum.illuminanceLux) || !spectrum.absolute) {
    return spectrum.illuminanceLux;
  }
  return lightquality::illuminanceOfIrradiance(spectrum.values);
}

} // namespace

bool readSpectrumFile(const QString &path, spectrumfile::Format format,
                      spectrumfile::ImportedSpectrum *spectrum, QString *error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return errors::report(error, errors::fileError("cannot read the spectrum", file));
  }
  // One byte beyond the bound tells a file that is too large.
  const QByteArray text = file.read(static_cast<qint64>(spectrumfile::kMaxFileBytes) + 1);
  if (file.error() != QFileDevice::NoError) {
    return errors::report(error, errors::fileError("cannot read the spectrum", file));
  }
  const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
  const spectrumfile::Format used =
      format == spectrumfile::Format::kDetect ? spectrumfile::detectFormat(view) : format;
  std::string problem;
  if (!spectrumfile::readSpectrum(view, used, spectrum, &problem)) {
    return errors::report(
        error, errors::fileError(QStringLiteral("cannot read the spectrum as %1")
                                     .arg(QLatin1String(spectrumfile::formatName(used))),
                                 path, QString::fromStdString(problem)));
  }
  return true;
}

bool readSpectrumRecord(const QString &path, spectrumfile::Format format, QStringList *record,
                        QString *error) {
  spectrumfile::ImportedSpectrum spectrum;
  if (!readSpectrumFile(path, format, &spectrum, error)) {
    return false;
  }
  const double illuminance = illuminanceOf(spectrum);
  const double plainY =
      solvane::tristimulus(spectrum.values.data(), rec::kSpectrumFields, solvane::kObserver2deg).Y;
  const double ratio =
      std::isfinite(illuminance) ? devlink::meter::ratioForIlluminance(illuminance, plainY) : 1;
  *record =
      rec::buildMeasurementRecord(0, QDateTime(), std::isfinite(illuminance) ? illuminance : 0,
                                  spectrum.values.data(), rec::kSpectrumFields, ratio, 0);
  // The record may be exported to a data file, whose fields hold no commas.
  (*record)[rec::kLabel] = rec::plainField(QFileInfo(path).fileName());
  (*record)[rec::kDateTime] = rec::plainField(QString::fromStdString(spectrum.time));
  if (!std::isfinite(illuminance)) {
    (*record)[rec::kIlluminance].clear();
  }
  return true;
}

} // namespace solvane::quality
