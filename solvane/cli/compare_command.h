#pragma once

// solvane-cli compare: records of a data file and spectra of other
// instruments' files against the first of them, the table of the window's
// Compare dialog.

#include <QStringList>

// Arguments: "--csv FILE --records 0,3[,…]" and any number of "--spectrum
// FILE", two lights or more in all, and optionally "--json"; the lights are
// compared in the order given. Exit status as the other commands.
int compareRecords(const QStringList &args);
