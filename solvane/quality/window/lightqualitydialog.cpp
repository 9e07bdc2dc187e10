#include "lightqualitydialog.h"

#include "dialog_widgets.h"
#include "filechooser.h"
#include "fitting.h"
#include "messagebox.h"
#include "quality_charts.h"
#include "quoting/quoted_qstring.h"
#include "solvane/quality/irradiance_csv.h"
#include "solvane/quality/spdx.h"
#include "uncertainty_panel.h"

#include "lightquality/uncertainty_display.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace solvane::quality {

using namespace dialogwidgets;

LightQualityDialog::LightQualityDialog(const RecordQuality &quality, QWidget *parent)
    : QDialog(parent), m_quality(quality) {
  setObjectName("LightQualityDialog");
  setWindowTitle(tr("Light quality of %1").arg(quality.input.label));

  auto *graphicColumn = new QVBoxLayout;
  graphicColumn->addWidget(new QLabel(tr("TM-30 colour vector graphic")), 0, Qt::AlignHCenter);
  auto *graphic = new VectorGraphicView(vectorGraphic(quality.metrics.fidelity));
  graphic->setObjectName("view_vectorGraphic");
  graphicColumn->addWidget(graphic, 1);

  auto *figureColumn = new QVBoxLayout;
  figureColumn->addWidget(createFiguresBox());
  figureColumn->addWidget(createOwnFiguresBox());
  figureColumn->addStretch(1);

  auto *top = new QHBoxLayout;
  top->addLayout(graphicColumn, 1);
  top->addLayout(figureColumn);

  auto *exportButton = new QPushButton(tr("Export spectrum (SPDX)..."));
  exportButton->setObjectName("btn_exportSpdx");
  auto *csvButton = new QPushButton(tr("Export spectrum (CSV)..."));
  csvButton->setObjectName("btn_exportIrradiance");
  csvButton->setToolTip(tr("The spectrum as spectral irradiance in W·m⁻²·nm⁻¹"));
  auto *closeButton = new QPushButton(tr("Close"));
  closeButton->setObjectName("btn_close");
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton);
  buttons->addWidget(csvButton);
  buttons->addWidget(closeButton);

  // The figures scroll on a screen too low for them; the header, the tabs,
  // the reasons and the buttons stay in view.
  auto *figures = new QWidget;
  auto *body = new QVBoxLayout(figures);
  body->setContentsMargins(4, 4, 4, 4); // the tab's frame is margin enough
  body->addLayout(top, 1);
  body->addWidget(new QLabel(tr("CIE 13.3 special colour rendering indices")));
  body->addWidget(createSpecialIndexTable());
  body->addWidget(createShiftBars());
  body->addWidget(new QLabel(tr("CIE S 026 α-opic quantities at the record's illuminance")));
  body->addWidget(createAlphaOpicTable());
  auto *scroll = new solvane::ui::FittingScrollArea(figures);
  scroll->setObjectName("scrollArea_figures");

  auto *tabs = new QTabWidget;
  tabs->setObjectName("tab_groups");
  tabs->addTab(scroll, tr("Colour and α-opic"));
  addUserGroupTabs(tabs);

  m_uncertainty = new UncertaintyPanel(quality.input.spectrum, quality.input.illuminance);
  m_uncertainty->setObjectName("panel_uncertainty");
  connect(m_uncertainty, &UncertaintyPanel::resultsChanged, this,
          &LightQualityDialog::showUncertainty);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(createHeader());
  layout->addWidget(m_uncertainty);
  layout->addWidget(tabs, 1);
  layout->addWidget(createReasons());
  layout->addLayout(buttons);
  QMetaObject::connectSlotsByName(this);
}

QWidget *LightQualityDialog::createHeader() {
  const RecordInput &input = m_quality.input;
  // A label or date of any length from a file is elided, never widens the window.
  auto *header = new solvane::ui::ElidedLabel;
  header->setText(tr("Record %1    %2    Ev %3 lx")
                      .arg(input.label, input.time)
                      .arg(input.illuminance, 0, 'f', 2));
  header->setObjectName("label_record");
  QFont font = header->font();
  font.setPointSize(font.pointSize() + 2);
  font.setBold(true);
  header->setFont(font);
  return header;
}

QGroupBox *LightQualityDialog::createFiguresBox() {
  using G = lightquality::FigureGroup;
  const lightquality::FigureSource source = m_quality.figures();
  auto *box = new QGroupBox(tr("Standard figures"));
  auto *grid = new QGridLayout(box);
  addMarkedFigureRow(grid, lightquality::figure(G::kFidelity, "rf"), source, "value_rf");
  addMarkedFigureRow(grid, lightquality::figure(G::kFidelity, "rg"), source, "value_rg");
  addMarkedFigureRow(grid, lightquality::figure(G::kRendering, "ra"), source, "value_ra");
  addMarkedFigureRow(grid, lightquality::figure(G::kCct, "cct_K"), source, "value_cct");
  addMarkedFigureRow(grid, lightquality::figure(G::kCct, "duv"), source, "value_duv");
  return box;
}

QGroupBox *LightQualityDialog::createOwnFiguresBox() {
  using G = lightquality::FigureGroup;
  const lightquality::FigureSource source = m_quality.figures();
  auto *box = new QGroupBox(tr("The record's own figures (meter's method)"));
  auto *grid = new QGridLayout(box);
  // The box's title names their method.
  const std::pair<const char *, const char *> rows[] = {
      {"ra", "value_ownRa"}, {"cct_K", "value_ownCct"}, {"duv", "value_ownDuv"}};
  for (const auto &[key, objectName] : rows) {
    const lightquality::Figure &row = lightquality::figure(G::kInstrument, key);
    addRow(grid, translatedFigureText(row.label), figureLabel(row, source, objectName),
           figureUnit(row));
  }
  auto *note = new QLabel(methodsNote(translatedFigureText));
  note->setObjectName("label_methodsNote");
  note->setWordWrap(true);
  note->setStyleSheet("color: rgb(110,110,110);");
  grid->addWidget(note, grid->rowCount(), 0, 1, 3);
  return box;
}

QTableWidget *LightQualityDialog::createSpecialIndexTable() {
  const lightquality::Figure &special =
      lightquality::figure(lightquality::FigureGroup::kRendering, "r1_r14");
  const lightquality::FigureSource source = m_quality.figures();
  auto *table = valueTable(1, special.count);
  table->setObjectName("table_specialIndices");
  table->verticalHeader()->hide();
  for (int i = 0; i < table->columnCount(); ++i) {
    table->setHorizontalHeaderItem(
        i, new QTableWidgetItem(QString("%1%2").arg(special.symbol).arg(i + 1)));
    setCell(table, 0, i, figureText(special, source, i));
    markCell(table, 0, i, special, i);
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitHeight(table);
  return table;
}

void LightQualityDialog::addMark(const lightquality::Figure &row, int element,
                                 std::function<void(const QString &)> show, const QString &plain) {
  const int figure = lightquality::uncertainFigureOf(row, element);
  if (figure >= 0) {
    m_marks.push_back({static_cast<std::size_t>(figure), plain, row.decimals, std::move(show)});
  }
}

void LightQualityDialog::markLabel(QLabel *label, const lightquality::Figure &row) {
  addMark(row, 0, [label](const QString &text) { label->setText(text); }, label->text());
}

void LightQualityDialog::addMarkedFigureRow(QGridLayout *grid, const lightquality::Figure &row,
                                            const lightquality::FigureSource &source,
                                            const QString &objectName) {
  QLabel *label = figureLabel(row, source, objectName);
  markLabel(label, row);
  addRow(grid, figureName(row), label, figureUnit(row));
}

void LightQualityDialog::markCell(QTableWidget *table, int tableRow, int column,
                                  const lightquality::Figure &row, int element) {
  QTableWidgetItem *item = table->item(tableRow, column);
  // A cell is narrow: the uncertainty goes on a line of its own, and the
  // table grows to show it.
  addMark(
      row, element,
      [table, item](const QString &text) {
        item->setText(
            QString(text).replace(" ± ", "\n± ").replace(" [", "\n[").replace(" (", "\n("));
        item->setToolTip(text);
        table->resizeRowsToContents();
        fitHeight(table);
      },
      item->text());
}

void LightQualityDialog::showUncertainty(const lightquality::UncertaintyResult &result) {
  for (const UncertaintyMark &mark : m_marks) {
    mark.show(result.figures.empty()
                  ? mark.plain
                  : QString::fromStdString(
                        lightquality::uncertaintyDisplay(result.figures[mark.figure], result.draws,
                                                         mark.decimals)
                            .text));
  }
}

QTableWidget *LightQualityDialog::createAlphaOpicTable() {
  using G = lightquality::FigureGroup;
  const lightquality::Figure *rows[] = {&lightquality::figure(G::kAlphaOpic, "irradiance_mW_m2"),
                                        &lightquality::figure(G::kAlphaOpic, "edi_lx"),
                                        &lightquality::figure(G::kAlphaOpic, "der")};
  const lightquality::FigureSource source = m_quality.figures();
  auto *table = valueTable(3, lightquality::kAlphaOpicChannels);
  table->setObjectName("table_alphaOpic");
  QStringList channels;
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    channels << translatedFigureText(rows[0]->elementNames[c]);
  }
  table->setHorizontalHeaderLabels(channels);
  for (int r = 0; r < 3; ++r) {
    const QString unit = figureUnit(*rows[r]);
    const QString name = translatedFigureText(rows[r]->label);
    table->setVerticalHeaderItem(
        r, new QTableWidgetItem(unit.isEmpty() ? name : QString("%1 (%2)").arg(name, unit)));
    for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
      setCell(table, r, c, figureText(*rows[r], source, c));
      markCell(table, r, c, *rows[r], c);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitHeight(table);
  return table;
}

QWidget *LightQualityDialog::createShiftBars() {
  const lightquality::ColourFidelity &f = m_quality.metrics.fidelity;
  auto *bars = new QWidget;
  auto *row = new QHBoxLayout(bars);
  row->setContentsMargins(0, 0, 0, 0);
  auto *chroma =
      new ShiftBarsView(tr("Local chroma shift Rcs,hj (%) by hue bin"), f.binChromaShift, 40);
  chroma->setObjectName("view_chromaShift");
  auto *hue = new ShiftBarsView(tr("Local hue shift Rhs,hj by hue bin"), f.binHueShift, 0.4);
  hue->setObjectName("view_hueShift");
  row->addWidget(chroma);
  row->addWidget(hue);
  return bars;
}

// Why some figures read "n/a", one line per group.
QLabel *LightQualityDialog::createReasons() {
  const QStringList lines = reasonLines(m_quality.figures(), true, translatedFigureText) +
                            caveatLines(m_quality.figures(), translatedFigureText);
  auto *label = new QLabel(lines.join('\n'));
  label->setObjectName("label_reasons");
  label->setWordWrap(true);
  label->setStyleSheet("color: rgb(200,40,40);");
  label->setVisible(!lines.isEmpty());
  return label;
}

void LightQualityDialog::on_btn_exportSpdx_clicked() {
  const QString path = solvane::ui::chooseFile(
      this, QFileDialog::AcceptSave, tr("Export spectrum"), m_quality.input.label + ".spdx",
      tr("IES TM-27-14 spectral data (*.spdx)"), QStringLiteral("spdx"));
  if (!path.isEmpty()) {
    exportSpectrum(path);
  }
}

void LightQualityDialog::on_btn_exportIrradiance_clicked() {
  const QString path = solvane::ui::chooseFile(
      this, QFileDialog::AcceptSave, tr("Export spectrum"), m_quality.input.label + ".csv",
      tr("Spectral irradiance, W·m⁻²·nm⁻¹ (*.csv)"), QStringLiteral("csv"));
  QString error;
  if (!path.isEmpty() && !saveIrradianceCsv({m_quality.input}, path, &error)) {
    solvane::ui::warning(this, tr("Error"),
                         tr("Cannot write %1").arg(quoting::quotedText(path)) + '\n' + error);
  }
}

bool LightQualityDialog::exportSpectrum(const QString &path) {
  QString error;
  if (saveSpdx(m_quality.input, path, &error)) {
    return true;
  }
  solvane::ui::warning(this, tr("Error"),
                       tr("Cannot write %1").arg(quoting::quotedText(path)) + '\n' + error);
  return false;
}

} // namespace solvane::quality
