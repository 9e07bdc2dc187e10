#include "lightqualitydialog.h"

#include "dialog_widgets.h"
#include "filechooser.h"
#include "fitting.h"
#include "messagebox.h"
#include "quality_charts.h"
#include "quoting/quoted_qstring.h"
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

#include <algorithm>
#include <cmath>
#include <string>

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
  auto *closeButton = new QPushButton(tr("Close"));
  closeButton->setObjectName("btn_close");
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton);
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
  const lightquality::LightQuality &q = m_quality.metrics;
  auto *box = new QGroupBox(tr("Standard figures"));
  auto *grid = new QGridLayout(box);
  const auto marked = [this](double value, int decimals, const char *name, const char *key) {
    return markedValue(value, decimals, name, key);
  };
  addRow(grid, tr("Fidelity index Rf (CIE 2017, TM-30-18)"),
         marked(q.fidelity.rf, 1, "value_rf", "rf"));
  addRow(grid, tr("Gamut index Rg (TM-30-18)"), marked(q.fidelity.rg, 1, "value_rg", "rg"));
  addRow(grid, tr("Colour rendering index Ra (CIE 13.3)"),
         marked(q.rendering.ra, 1, "value_ra", "ra"));
  addRow(grid, tr("CCT (CIE 15:2018)"), marked(q.cct.kelvin, 0, "value_cct", "cct_K"), "K");
  addRow(grid, tr("Duv (CIE 15:2018)"), marked(q.cct.duv, 4, "value_duv", "duv"));
  return box;
}

QGroupBox *LightQualityDialog::createOwnFiguresBox() {
  const OwnFigures &own = m_quality.input.own;
  auto *box = new QGroupBox(tr("The record's own figures (meter's method)"));
  auto *grid = new QGridLayout(box);
  addRow(grid, tr("Ra"), valueLabel(figure(own.ra, 1), "value_ownRa"));
  addRow(grid, tr("CCT"), valueLabel(figure(own.cct, 0), "value_ownCct"), "K");
  addRow(grid, tr("Δuv"), valueLabel(figure(own.duv, 4), "value_ownDuv"));
  return box;
}

QTableWidget *LightQualityDialog::createSpecialIndexTable() {
  const auto &special = m_quality.metrics.rendering.special;
  auto *table = valueTable(1, static_cast<int>(special.size()));
  table->setObjectName("table_specialIndices");
  table->verticalHeader()->hide();
  for (int i = 0; i < table->columnCount(); ++i) {
    table->setHorizontalHeaderItem(i, new QTableWidgetItem(QString("R%1").arg(i + 1)));
    setCell(table, 0, i, figure(special[static_cast<std::size_t>(i)], 1));
    markCell(table, 0, i, "r" + std::to_string(i + 1), 1);
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  fitHeight(table);
  return table;
}

namespace {

// The channels' keys among the uncertain figures, in the library's order.
const char *const kChannelKeys[lightquality::kAlphaOpicChannels] = {"s_cone", "m_cone", "l_cone",
                                                                    "rhodopic", "melanopic"};

std::size_t uncertainFigure(const std::string &key) {
  const std::vector<lightquality::UncertainFigure> &figures = lightquality::uncertainFigures();
  const auto found = std::find_if(figures.begin(), figures.end(),
                                  [&](const lightquality::UncertainFigure &f) { return key == f.key; });
  Q_ASSERT(found != figures.end());
  return static_cast<std::size_t>(found - figures.begin());
}

} // namespace

QLabel *LightQualityDialog::markedValue(double value, int decimals, const char *objectName,
                                        const std::string &key) {
  QLabel *label = valueLabel(figure(value, decimals), objectName);
  m_marks.push_back({uncertainFigure(key), label->text(), decimals,
                     [label](const QString &text) { label->setText(text); }});
  return label;
}

void LightQualityDialog::markCell(QTableWidget *table, int row, int column, const std::string &key,
                                  int decimals) {
  QTableWidgetItem *item = table->item(row, column);
  // A cell is narrow: the uncertainty goes on a line of its own, and the
  // table grows to show it.
  m_marks.push_back({uncertainFigure(key), item->text(), decimals,
                     [table, item](const QString &text) {
                       item->setText(QString(text).replace(" ± ", "\n± ").replace(" [", "\n[")
                                         .replace(" (", "\n("));
                       item->setToolTip(text);
                       table->resizeRowsToContents();
                       fitHeight(table);
                     }});
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
  const lightquality::AlphaOpic &a = m_quality.metrics.alphaOpic;
  auto *table = valueTable(3, lightquality::kAlphaOpicChannels);
  table->setObjectName("table_alphaOpic");
  table->setHorizontalHeaderLabels(
      {tr("S-cone"), tr("M-cone"), tr("L-cone"), tr("Rhodopic"), tr("Melanopic")});
  table->setVerticalHeaderLabels({tr("Irradiance (mW/m²)"), tr("EDI (lx)"), tr("DER")});
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    const auto channel = static_cast<std::size_t>(c);
    setCell(table, 0, c, figure(a.irradiance[channel], 3));
    setCell(table, 1, c, figure(a.edi[channel], 2));
    markCell(table, 0, c, kChannelKeys[c] + std::string("_e_mW_m2"), 3);
    markCell(table, 1, c, kChannelKeys[c] + std::string("_edi_lx"), 2);
    setCell(table, 2, c, figure(a.der[channel], 4));
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

// Why some figures read "n/a", one line per group, in the library's words.
QLabel *LightQualityDialog::createReasons() {
  const lightquality::LightQuality &q = m_quality.metrics;
  QStringList lines;
  const std::pair<QString, const std::string &> groups[] = {
      {tr("CCT and Duv"), q.cct.reason},
      {tr("Ra"), q.rendering.reason},
      {tr("Rf and Rg"), q.fidelity.reason},
      {tr("α-opic quantities"), q.alphaOpic.reason},
      {tr("SSI"), q.userGroups.ssiPlanck3200.reason},
      {tr("Photon quantities"), q.userGroups.photon.reason},
      {tr("S/P ratio"), q.userGroups.scotopic.reason},
      {tr("Exposure"), q.userGroups.exposure.reason},
  };
  for (const auto &[group, reason] : groups) {
    if (!reason.empty()) {
      lines << tr("%1: n/a, %2").arg(group, QString::fromStdString(reason));
    }
  }
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
