#pragma once

// The main window's three record tables: the stored-data list (label and
// date-time per record), the 27 test items of the selected record and its
// 401 intensities.

#include <QList>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace solvane::tables {

// Styles, column widths, the wavelength column, value colours, the full
// text as tooltip of every elided cell (the delegate is owned by `window`),
// and "meter's method" beside the test items that the Light quality window
// shows by a standard method too.
void setUp(QTableWidget *stored, QTableWidget *items, QTableWidget *intensity, QWidget *window);

// The list shows `records`, in one step: a row insertion per record lays
// out the header again every time, which a file of 100,000 records turns
// into minutes.
void fillStored(QTableWidget *table, const QList<QStringList> &records);
void appendStored(QTableWidget *table, const QStringList &record);

// The record's test items in the value column. A record shorter than the
// full layout shows the items it holds; the other value cells are emptied
// rather than left from the previous record. The meter's CCT, Ra, R1–R15
// and Δuv say on hover why the standard methods give other numbers; the
// CCT, Ra and R1–R15 are grey where the CCT is not defined.
void showTestItems(QTableWidget *table, const QStringList &record);

// The record's intensities in the value column; returns the values the
// record holds, for the plot (a short record plots only those).
QList<float> showIntensities(QTableWidget *table, const QStringList &record);

} // namespace solvane::tables
