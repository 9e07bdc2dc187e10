#include "solvane/quality/spdx.h"

#include "file_error.h"
#include "file_target.h"

#include "spdx/spdx_document.h"

#include "lightquality/usergroups.h"

#include <QDateTime>

#include <cmath>

#include <memory>

namespace solvane::quality {
namespace {

spdx::Document recordDocument(const RecordInput &input) {
  spdx::Document document;
  document.description = QString("Spectrum of measurement record %1 (%2), Ev %3 lx")
                              .arg(input.label, input.time)
                              .arg(input.illuminance, 0, 'f', 2);
  document.creator = "solvane";
  document.equipment = "hand-held spectral light meter";
  document.reportDate = QDateTime::fromString(input.time, Qt::ISODate).date();
  // Scaled by its illuminance the spectrum is absolute, the quantity lighting
  // tools expect; a spectrum without light or illuminance stays relative.
  const lightquality::Spectrum irradiance =
      lightquality::spectralIrradiance(input.spectrum, input.illuminance);
  const bool absolute = std::isfinite(irradiance.front());
  const lightquality::Spectrum &values = absolute ? irradiance : input.spectrum;
  if (absolute) {
    document.quantity = "irradiance";
    document.comments = QString("Spectral irradiance in W·m⁻²·nm⁻¹: the record's intensities "
                                "scaled so that their illuminance is the record's (%1 lx).")
                            .arg(input.illuminance, 0, 'f', 2);
  } else {
    document.comments = QString("Relative spectral distribution: the record's intensities as the "
                                "meter stores them; the record gives no illuminance to scale "
                                "them by.");
  }
  for (int i = 0; i < lightquality::kSpectrumValues; ++i) {
    document.samples.append({static_cast<double>(lightquality::kFirstNm + i),
                             values[static_cast<std::size_t>(i)]});
  }
  return document;
}

} // namespace

QByteArray spdxDocument(const RecordInput &input, const QDate &created) {
  return spdx::write(recordDocument(input), created);
}

bool saveSpdx(const RecordInput &input, const QString &path, QString *error) {
  const QByteArray document = spdxDocument(input, QDate::currentDate());
  const std::unique_ptr<QFileDevice> target = files::openTarget(path);
  QFileDevice &file = *target;
  if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() ||
      !files::finishTarget(file)) {
    return errors::report(error,
                          errors::fileError(QStringLiteral("cannot write the SPDX file"), file));
  }
  return true;
}

} // namespace solvane::quality
