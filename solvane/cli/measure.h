#pragma once

#include <QStringList>

class LuxEngine;

// measure [--count N] [--interval SECONDS] [--mode M] [--csv FILE] [--json]:
// live readings, printed as they arrive, optionally written to a data file
// line by line. Ctrl-C ends the series after the reading in progress.
int measureLive(LuxEngine &meter, const QStringList &args);
