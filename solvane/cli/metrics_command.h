#pragma once

// solvane-cli metrics: the standard light-quality metrics of every stored
// record beside the record's own Ra, CCT and Δuv.

#include <QStringList>

class LuxEngine;

// Arguments: none (a table) or "--json". Exit status as the other commands.
int showMetrics(LuxEngine &meter, const QStringList &args);
