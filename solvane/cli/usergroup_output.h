#pragma once

// The user-group figures in solvane-cli metrics (SSI, TLCI, TLMF, photon
// quantities, S/P ratio, exposure), with the extra SSI and TLMF references
// the options ask for.

#include "spectrum_reference.h"

#include "solvane/quality/record_quality.h"

#include <QJsonObject>
#include <QStringList>

#include <vector>

// Adds what the figure table does not hold to a record's object: the
// exposure's calibration constant, the TLCI's reference and caution, and
// the figures against the extra references.
void addUserGroupJson(QJsonObject *object, const solvane::quality::RecordQuality &r,
                      const ExtraReferences &extra);

// The lines of the metrics table: cinema, television, horticulture, outdoor.
void printUserGroupLines(const solvane::quality::RecordQuality &r, const ExtraReferences &extra);

// The figures against the extra references as columns: their names ("SSI
// planck_4300K", "TLMF lamp.txt") and a record's values, NaN where undefined.
QStringList extraFigureNames(const ExtraReferences &extra);
std::vector<double> extraFigureValues(const solvane::quality::RecordQuality &r,
                                      const ExtraReferences &extra);
