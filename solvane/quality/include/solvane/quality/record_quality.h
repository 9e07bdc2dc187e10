#pragma once

// The standard light-quality metrics of one measurement record, from its
// text fields: the 401 intensities and the illuminance, with the record's own
// Ra, CCT and Δuv kept beside them. The window, the report, the SPDX export
// and solvane-cli all start from here, so they read a record the same way.

#include "lightquality/figure_table.h"
#include "lightquality/metrics.h"

#include <QString>
#include <QStringList>

namespace solvane::quality {

struct RecordInput {
  QString label;      // field 0, "NO.000"
  QString time;       // field 1, ISO date-time
  double illuminance; // field 2, lx
  lightquality::InstrumentFigures own; // computed the meter's way; NaN where a field is no number
  lightquality::Spectrum spectrum; // the 401 intensities, 380..780 nm
};

// Reads a record's fields into `input`. False, with why in `error` (may be
// null), for a record with fewer than 430 fields or a non-numeric
// illuminance or intensity.
bool readRecordInput(const QStringList &record, RecordInput *input, QString *error);

struct RecordQuality {
  RecordInput input;
  lightquality::LightQuality metrics;

  // What the figure table's rows read: the metrics and the record's own figures.
  lightquality::FigureSource figures() const { return {metrics, &input.own}; }
};

// readRecordInput, then every metric of the spectrum at the record's
// illuminance. False, with why in `error`, when the record cannot be read.
bool evaluateRecord(const QStringList &record, RecordQuality *quality, QString *error);

} // namespace solvane::quality
