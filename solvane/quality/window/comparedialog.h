#pragma once

// The Compare window of several records: each against the first, ΔEv (%),
// ΔCCT, ΔDuv, Δu′v′, ΔRa, ΔRf and the SSI against the first record.

#include "solvane/quality/record_quality.h"

#include <QDialog>
#include <QList>

namespace solvane::quality {

class CompareDialog : public QDialog {
  Q_OBJECT

public:
  // `records` holds two or more evaluated records; the first is the reference.
  explicit CompareDialog(const QList<RecordQuality> &records, QWidget *parent = nullptr);
};

} // namespace solvane::quality
