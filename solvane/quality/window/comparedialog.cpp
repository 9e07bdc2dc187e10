#include "comparedialog.h"

#include "dialog_widgets.h"
#include "solvane/quality/comparison_table.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvane::quality {

using namespace dialogwidgets;

CompareDialog::CompareDialog(const QList<RecordQuality> &records, QWidget *parent)
    : QDialog(parent) {
  setObjectName("CompareDialog");
  const RecordInput &first = records.first().input;
  setWindowTitle(tr("Compare records against %1").arg(first.label));

  auto *heading = new QLabel(tr("Against %1 (%2, Ev %3 lx), the first selected record")
                                 .arg(first.label, first.time)
                                 .arg(first.illuminance, 0, 'f', 2));
  heading->setObjectName("label_reference");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  const QList<lightquality::Comparison> rows = compareWithFirst(records);
  auto *table = valueTable(rows.size(), kComparisonColumns);
  table->setObjectName("table_comparison");
  QStringList headings;
  for (const char *text : kComparisonHeadings) {
    headings << QCoreApplication::translate("solvane::quality::CompareDialog", text);
  }
  table->setHorizontalHeaderLabels(headings);
  for (int row = 0; row < rows.size(); ++row) {
    table->setVerticalHeaderItem(row, new QTableWidgetItem(records[row].input.label));
    const QStringList cells = comparisonCells(rows[row]);
    for (int column = 0; column < cells.size(); ++column) {
      setCell(table, row, column, cells[column]);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitHeight(table);
  table->setMinimumWidth(640);

  auto *note = new QLabel(
      tr("Each record minus the first: illuminance in per cent of the first's, CIE 15:2018 CCT "
         "and Duv, the distance of the CIE 1976 u′v′ points, CIE 13.3 Ra, CIE 2017 Rf; SSI of "
         "each spectrum against the first (100: the same spectrum); TLMF of each light with the "
         "first as the reference luminaire (100: no visible difference). n/a: the figure is not "
         "defined for one of the two records."));
  note->setWordWrap(true);

  auto *close = new QPushButton(tr("Close"));
  close->setObjectName("btn_close");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(table);
  layout->addWidget(note);
  layout->addLayout(buttons);
  resize(760, sizeHint().height());
}

} // namespace solvane::quality
