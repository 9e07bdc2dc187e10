#pragma once

// The user-group figures in solvane-cli metrics (SSI, TLCI, TLMF, photon
// quantities, S/P ratio, exposure), with the extra SSI and TLMF references
// the options ask for.

#include "spectrum_reference.h"

#include "solvane/quality/record_quality.h"

#include <QJsonObject>

// Adds what the figure table does not hold to a record's object: the
// exposure's calibration constant, the TLCI's reference and caution, and
// the figures against the extra references.
void addUserGroupJson(QJsonObject *object, const solvane::quality::RecordQuality &r,
                      const ExtraReferences &extra);

// The lines of the metrics table: cinema, television, horticulture, outdoor.
void printUserGroupLines(const solvane::quality::RecordQuality &r, const ExtraReferences &extra);
