#pragma once

// solvane-cli compare: records of a data file against the first of them,
// the table of the window's Compare dialog.

#include <QStringList>

// Arguments: "--csv FILE --records 0,3[,…]" and optionally "--json", in any
// order. Exit status as the other commands.
int compareRecords(const QStringList &args);
