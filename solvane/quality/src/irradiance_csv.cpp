#include "solvane/quality/irradiance_csv.h"

#include "file_error.h"
#include "file_target.h"
#include "quoting/quoted_qstring.h"
#include "solvane/records/measurement_record.h"

#include "lightquality/usergroups.h"

#include <cmath>
#include <memory>

namespace solvane::quality {

QByteArray irradianceCsvHeader() {
  QByteArray header = "Data,Date,Ev (lx)";
  for (int nm = lightquality::kFirstNm; nm <= lightquality::kLastNm; ++nm) {
    header += "," + QByteArray::number(nm) + " nm (W·m⁻²·nm⁻¹)";
  }
  return header + "\n";
}

bool irradianceCsvLine(const RecordInput &input, QByteArray *line, QString *error) {
  const lightquality::Spectrum irradiance =
      lightquality::spectralIrradiance(input.spectrum, input.illuminance);
  if (!std::isfinite(irradiance.front())) {
    return errors::report(error, std::isfinite(input.illuminance)
                                     ? QStringLiteral("its spectrum holds no light")
                                     : QStringLiteral("it has no illuminance"));
  }
  const auto plain = [](const QString &text) { return records::plainField(text).toUtf8(); };
  *line = plain(input.label) + "," + plain(input.time) + "," +
          QByteArray::number(input.illuminance, 'g', 7);
  for (double value : irradiance) {
    *line += "," + QByteArray::number(value, 'g', 7);
  }
  *line += "\n";
  return true;
}

bool saveIrradianceCsv(const QList<RecordInput> &records, const QString &path, QString *error) {
  QByteArray text = irradianceCsvHeader();
  for (const RecordInput &record : records) {
    QByteArray line;
    QString problem;
    if (!irradianceCsvLine(record, &line, &problem)) {
      return errors::report(error, QStringLiteral("%1 has no absolute spectrum: %2")
                                       .arg(quoting::quotedText(record.label), problem));
    }
    text += line;
  }
  const std::unique_ptr<QFileDevice> target = files::openTarget(path);
  if (!target->open(QIODevice::WriteOnly) || target->write(text) != text.size() ||
      !files::finishTarget(*target)) {
    return errors::report(error, errors::fileError(QStringLiteral("cannot write the spectrum file"),
                                                   *target));
  }
  return true;
}

} // namespace solvane::quality
