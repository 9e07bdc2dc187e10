#include "solvane/quality/spdx.h"

#include "file_error.h"
#include "file_target.h"

#include "spdx/spdx_document.h"

#include <QDateTime>

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
  document.comments = QString("Relative spectral distribution: the record's intensities as the "
                              "meter stores them, not scaled to the illuminance (%1 lx).")
                          .arg(input.illuminance, 0, 'f', 2);
  for (int i = 0; i < lightquality::kSpectrumValues; ++i) {
    document.samples.append({static_cast<double>(lightquality::kFirstNm + i),
                             input.spectrum[static_cast<std::size_t>(i)]});
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
