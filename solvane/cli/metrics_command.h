#pragma once

// solvane-cli metrics: the standard light-quality metrics of every stored
// record, or of every record of a data file, beside the record's own Ra, CCT
// and Δuv.

#include <QStringList>

class LuxEngine;

// Arguments: none (a table), "--json" or "--out FILE" (a CSV file), and the
// reference and uncertainty options. Exit status as the other commands.
int showMetrics(LuxEngine &meter, const QStringList &args);

// True when the arguments name a data file (--csv) or a spectrum file
// (--spectrum), so no meter is needed.
bool metricsReadFile(const QStringList &args);

// Arguments: "--csv FILE" or "--spectrum FILE", optionally "--json" or
// "--out FILE" and the reference and uncertainty options, in any order.
int showFileMetrics(const QStringList &args);
