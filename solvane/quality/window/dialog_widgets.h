#pragma once

// The small widgets the Light quality window and the Compare dialog build
// their figures from: bold right-aligned values, label rows, read-only
// tables just tall enough for their rows.

#include "solvane/quality/figure_text.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QString>
#include <QTableWidget>

#include <cmath>

namespace solvane::quality::dialogwidgets {

// A figure with its decimals, or "n/a" where it is undefined (the reason
// stands at the foot of the window).
using solvane::quality::figureText;

// A row's name in the window's language, with the method that defines it.
inline QString figureName(const lightquality::Figure &row) {
  const QString name = translatedFigureText(row.label);
  return *row.method ? QString("%1 (%2)").arg(name, translatedFigureText(row.method)) : name;
}

// A row's unit in the window's language, "" for none.
inline QString figureUnit(const lightquality::Figure &row) {
  return translatedFigureText(row.unit);
}

inline QLabel *valueLabel(const QString &text, const QString &objectName) {
  auto *label = new QLabel(text);
  label->setObjectName(objectName);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

inline void addRow(QGridLayout *grid, const QString &name, QLabel *value,
                   const QString &unit = {}) {
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(name), row, 0);
  grid->addWidget(value, row, 1);
  grid->addWidget(new QLabel(unit), row, 2);
}

// The value of a row; grey, with why on hover, where it is a number that
// is not valid (a CCT far from the locus, an index built on it).
inline QLabel *figureLabel(const lightquality::Figure &row,
                           const lightquality::FigureSource &source, const QString &objectName) {
  QLabel *label = valueLabel(figureText(row, source), objectName);
  if (const std::string caveat = lightquality::figureCaveat(row, source); !caveat.empty()) {
    label->setStyleSheet("color: rgb(140,140,140);");
    label->setToolTip(solvane::quality::reasonText(caveat, translatedFigureText));
  }
  return label;
}

// A grid row for one figure of the table: its name, value and unit.
inline void addFigureRow(QGridLayout *grid, const lightquality::Figure &row,
                         const lightquality::FigureSource &source, const QString &objectName) {
  addRow(grid, figureName(row), figureLabel(row, source, objectName), figureUnit(row));
}

inline QTableWidget *valueTable(int rows, int columns) {
  auto *table = new QTableWidget(rows, columns);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  return table;
}

inline void setCell(QTableWidget *table, int row, int column, const QString &text) {
  auto *item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table->setItem(row, column, item);
}

// Just tall enough for its rows, so the window shows every value unscrolled.
inline void fitHeight(QTableWidget *table) {
  table->resizeColumnsToContents();
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
  for (int row = 0; row < table->rowCount(); ++row) {
    height += table->rowHeight(row);
  }
  table->setFixedHeight(height);
}

} // namespace solvane::quality::dialogwidgets
