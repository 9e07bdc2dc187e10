#pragma once

// solvane-cli metrics --out FILE: one CSV line per record, one column per
// element of every row of the figure table, named with its unit and method
// so the record's own figures and the standard ones are told apart. With
// --uncertainty each figure that has one is followed by its standard
// uncertainty, 95 % interval and undefined draws. Numbers are written in
// their shortest exact form, undefined ones as empty fields.

#include "spectrum_reference.h"
#include "uncertainty_output.h"

#include "solvane/quality/record_quality.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class MetricsCsv {
public:
  // `uncertainty`: the uncertainty wanted, or null.
  MetricsCsv(const ExtraReferences &extra, const UncertaintyRequest *uncertainty);

  QByteArray header() const;

  // A record with its figures and, when wanted, their uncertainty.
  QByteArray line(const QString &name, const solvane::quality::RecordQuality &record,
                  const lightquality::UncertaintyResult &uncertainty) const;
  // A record that could not be evaluated: its name and why, the rest empty.
  QByteArray unevaluatedLine(const QString &name, const QString &problem) const;

private:
  QStringList columnNames() const;

  const ExtraReferences &extra_;
  const UncertaintyRequest *uncertainty_;
};
