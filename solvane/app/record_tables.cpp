#include "record_tables.h"

#include "fitting.h"
#include "window_style.h"

#include "lightquality/cct.h"
#include "lightquality/figure_table.h"
#include "solvane/quality/figure_text.h"
#include "solvane/records/measurement_record.h"

#include <QFont>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <cmath>

namespace solvane::tables {
namespace {

namespace rec = solvane::records;

QFont valueFont() {
  QFont font(QStringLiteral("微软雅黑"), 10);
  font.setWeight(QFont::Bold); // 75
  return font;
}

QTableWidgetItem *valueItem(const QString &text, Qt::Alignment alignment) {
  auto *item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment);
  item->setForeground(style::kValueColour);
  item->setFont(valueFont());
  return item;
}

QTableWidgetItem *centredItem(const QString &text) {
  auto *item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

void setStoredRow(QTableWidget *table, int row, const QStringList &record) {
  table->setItem(row, 0, centredItem(rec::fieldOrEmpty(record, rec::kLabel)));
  table->setItem(row, 1, centredItem(rec::fieldOrEmpty(record, rec::kDateTime)));
}

// The meter's CCT, Ra and R1–R15 rest on its CCT: far from the Planckian
// locus (|Δuv| > 0.05) they are not defined.
bool restsOnMeterCct(int field) {
  return field >= rec::kCct && field <= rec::kR1 + 14; // R15
}

// The rows that the Light quality window also shows by a standard method:
// beside those, the meter's Δuv (Duv of CIE 15:2018 there).
bool hasStandardCounterpart(int field) {
  return restsOnMeterCct(field) || field == rec::kDuv;
}

// Those rows name the meter's method beside their value, in the unit
// column, which is empty on them; the note of why the methods differ is
// its tooltip.
void captionMeterMethodRows(QTableWidget *table) {
  using solvane::quality::translatedFigureText;
  const lightquality::Figure &own =
      lightquality::figure(lightquality::FigureGroup::kInstrument, "ra");
  QFont font(QStringLiteral("微软雅黑"), 8);
  font.setItalic(true);
  for (int row = 0; row < table->rowCount(); ++row) {
    if (!hasStandardCounterpart(rec::kFirstTestItem + row)) {
      continue;
    }
    auto *caption = new QTableWidgetItem(translatedFigureText(own.method));
    caption->setFont(font);
    caption->setForeground(style::kCaptionColour);
    caption->setToolTip(solvane::quality::methodsNote(translatedFigureText));
    table->setItem(row, 3, caption);
  }
}

// The values of those rows carry the same note on hover; where the CCT is
// not defined, the values that rest on it are grey and say why instead.
void markMeterMethodItems(QTableWidget *table, const QStringList &values) {
  using solvane::quality::translatedFigureText;
  bool isNumber = false;
  const double duv = values.value(rec::kDuv - rec::kFirstTestItem).toDouble(&isNumber);
  const bool undefined = isNumber && std::fabs(duv) > lightquality::kMaximumAbsDuv;
  const QString methods = solvane::quality::methodsNote(translatedFigureText);
  for (int row = 0; row < values.size(); ++row) {
    const int field = rec::kFirstTestItem + row;
    if (!hasStandardCounterpart(field)) {
      continue;
    }
    QTableWidgetItem *item = table->item(row, 2);
    if (undefined && restsOnMeterCct(field)) {
      item->setForeground(QColor(160, 160, 160));
      item->setToolTip(translatedFigureText(lightquality::kFarFromLocus));
    } else {
      item->setToolTip(methods);
    }
  }
}

void styleTable(QTableWidget *table) {
  table->setStyleSheet(style::kTable);
  table->horizontalHeader()->setStyleSheet(style::kHeader);
  table->horizontalHeader()->setFixedHeight(30);
}

} // namespace

void setUp(QTableWidget *stored, QTableWidget *items, QTableWidget *intensity, QWidget *window) {
  stored->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  styleTable(stored);
  stored->verticalScrollBar()->setStyleSheet(style::kScrollBar);

  items->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  items->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  items->setColumnWidth(0, 80);
  items->setColumnWidth(1, 80);
  items->setStyleSheet(style::kItemTable);
  captionMeterMethodRows(items);
  items->verticalScrollBar()->setStyleSheet(style::kScrollBar);
  for (int row = 0; row < items->rowCount(); ++row) {
    QTableWidgetItem *value = items->item(row, 2);
    if (!value) {
      value = new QTableWidgetItem;
      items->setItem(row, 2, value);
    }
    value->setForeground(style::kValueColour);
  }

  intensity->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  styleTable(intensity);
  intensity->verticalScrollBar()->setStyleSheet(style::kIntensityScrollBar);
  for (int row = 0; row < rec::kSpectrumFields; ++row) {
    intensity->insertRow(row);
    intensity->setItem(row, 0,
                       centredItem(QString::number(rec::kFirstWavelength + row, 10) + " nm"));
  }
  // Cells elide what does not fit; the full text shows as tooltip.
  auto *fullTexts = new solvane::ui::FullTextToolTips(window);
  for (QTableWidget *table : {stored, items, intensity}) {
    table->setItemDelegate(fullTexts);
  }
}

void fillStored(QTableWidget *table, const QList<QStringList> &records) {
  table->setRowCount(0);
  table->setRowCount(records.size());
  for (int row = 0; row < records.size(); ++row) {
    setStoredRow(table, row, records[row]);
  }
}

void appendStored(QTableWidget *table, const QStringList &record) {
  const int row = table->rowCount();
  table->insertRow(row);
  setStoredRow(table, row, record);
}

void showTestItems(QTableWidget *table, const QStringList &record) {
  const QStringList values = rec::testItemTexts(record);
  for (int row = 0; row < values.size(); ++row) {
    table->setItem(row, 2, valueItem(values[row], Qt::AlignRight | Qt::AlignVCenter));
  }
  markMeterMethodItems(table, values);
}

QList<float> showIntensities(QTableWidget *table, const QStringList &record) {
  const QStringList texts = rec::intensityTexts(record);
  QList<float> values;
  for (int row = 0; row < texts.size(); ++row) {
    table->setItem(row, 1, valueItem(texts[row], Qt::AlignCenter));
    if (!texts[row].isEmpty()) {
      values.append(rec::fieldValue(texts[row]));
    }
  }
  return values;
}

} // namespace solvane::tables
