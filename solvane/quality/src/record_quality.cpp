#include "solvane/quality/record_quality.h"

#include "count_text.h"
#include "file_error.h"
#include "quoting/quoted_qstring.h"
#include "solvane/records/measurement_record.h"

#include <cmath>
#include <limits>

namespace solvane::quality {
namespace {

namespace rec = solvane::records;

double numberOrNaN(const QString &text) {
  bool ok = false;
  const double value = text.toDouble(&ok);
  return ok ? value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

bool readRecordInput(const QStringList &record, RecordInput *input, QString *error) {
  if (record.size() < rec::kFieldCount) {
    return errors::report(error, QString("the record has %1, the metrics need %2")
                                     .arg(errors::counted(record.size(), "field"))
                                     .arg(rec::kFieldCount));
  }
  input->label = record[rec::kLabel];
  input->time = record[rec::kDateTime];
  input->illuminance = numberOrNaN(record[rec::kIlluminance]);
  if (!std::isfinite(input->illuminance)) {
    return errors::report(error, QString("the illuminance '%1' is not a number")
                                     .arg(quoting::quotedText(record[rec::kIlluminance])));
  }
  input->own = {numberOrNaN(record[rec::kX]),      numberOrNaN(record[rec::kY]),
                numberOrNaN(record[rec::kUPrime]), numberOrNaN(record[rec::kVPrime]),
                numberOrNaN(record[rec::kCct]),    numberOrNaN(record[rec::kDuv]),
                numberOrNaN(record[rec::kRa]),     numberOrNaN(record[rec::kDominantWavelength])};
  const QStringList intensities = rec::intensityTexts(record);
  for (int i = 0; i < rec::kSpectrumFields; ++i) {
    const double value = numberOrNaN(intensities[i]);
    if (!std::isfinite(value)) {
      return errors::report(error, QString("the intensity at %1 nm, '%2', is not a number")
                                       .arg(rec::kFirstWavelength + i)
                                       .arg(quoting::quotedText(intensities[i])));
    }
    input->spectrum[static_cast<std::size_t>(i)] = value;
  }
  return true;
}

bool evaluateRecord(const QStringList &record, RecordQuality *quality, QString *error) {
  if (!readRecordInput(record, &quality->input, error)) {
    return false;
  }
  quality->metrics =
      lightquality::lightQuality(quality->input.spectrum, quality->input.illuminance);
  return true;
}

} // namespace solvane::quality
