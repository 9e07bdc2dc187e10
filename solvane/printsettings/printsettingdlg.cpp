#include "printsettingdlg.h"
#include "ui_printsettingdlg.h"

#include "messagebox.h"
#include "printinfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVector>

#include <iterator>
#include <utility>

namespace {

const char kLineEditStyle[] =
    "QLineEdit{font-family: \"微软雅黑\"; color: rgb(0, 0, 0); padding-left: 5px; "
    "background-color: white; border: 0px solid white; border-left: 3px solid white; "
    "border-bottom: 1px solid rgb(238, 238, 238);}"
    "QLineEdit:focus{background-color: rgb(255,255,255); border-left: 3px solid "
    "rgb(71,141,228); color: rgb(0,0,0);}";

const char kPrintButtonStyle[] =
    "QPushButton{background-color: rgb(54,187,95); border: 0px solid; color: white; "
    "border-radius: 3px;}QPushButton:hover{background-color: rgb(63,220,110);}";

const char kCancelButtonStyle[] =
    "QPushButton{background-color: rgb(224, 67, 67); border: 0px solid; color: white; "
    "border-radius: 3px;}QPushButton:hover{background-color: rgb(249, 74, 74);}";

const char kComboBoxStyle[] =
    "QComboBox{color: white; background-color: rgb(71,141,228); border: 0px solid "
    "rgb(255,255,255); padding-left: 10px;}QComboBox::drop-down{width: 10px; border: 1px; "
    "padding-right: 10px;}QComboBox::down-arrow{image: url(:/images/down.png);}";

// Placeholders, in the order of the texts in "PrintInfo"; not translated.
const char *const kPlaceholders[] = {"Company name", "Company address", "Company TEL",
                                     "Company FAX",  "Company E-mail",  "Sample name",
                                     "Sample model", "Remark"};

static_assert(std::size(kPlaceholders) == solvane::printinfo::kTextCount);

constexpr int kPdfEntry = 0; // "Print to PDF"; entry 1 is "Print to Paper"

// The style sheet paints typed text black; placeholders in this grey, so an
// empty field never looks filled in.
const QColor kPlaceholderColour(160, 166, 176);

// After the style sheet has been applied, which gives the placeholder the
// text colour.
void lightenPlaceholder(QLineEdit *edit) {
  edit->ensurePolished();
  QPalette palette = edit->palette();
  palette.setColor(QPalette::PlaceholderText, kPlaceholderColour);
  edit->setPalette(palette);
}

} // namespace

PrintSettingDlg::PrintSettingDlg(QWidget *parent) : QDialog(parent), ui(new Ui::PrintSettingDlg) {
  ui->setupUi(this);
  QStringList stored;
  solvane::printinfo::readPrintInfo(solvane::printinfo::printInfoFile(), &stored);
  const QVector<QLineEdit *> edits = lineEdits();
  for (int i = 0; i < edits.size(); ++i) {
    edits[i]->setText(stored.value(i));
    edits[i]->setStyleSheet(kLineEditStyle);
    edits[i]->setPlaceholderText(kPlaceholders[i]);
    lightenPlaceholder(edits[i]);
  }
  showReportPages();
  ui->btn_print->setStyleSheet(kPrintButtonStyle);
  ui->btn_cancel->setStyleSheet(kCancelButtonStyle);
  ui->comboBox->setStyleSheet(kComboBoxStyle);
  connect(ui->btn_cancel, &QPushButton::clicked, this, &QDialog::reject);
  fitIcons();
}

// A style sheet draws its "image" as large as the label's content allows,
// taking the largest picture that fits: on a screen of twice the density the
// "@2x" twin, at twice the icon's size. Padding gives the 40-pixel labels a
// content of the icon's own size, so the icons keep it there and are sharp.
void PrintSettingDlg::fitIcons() {
  const std::pair<QLabel *, int> icons[] = {
      {ui->label_companyLogo_2, 20}, {ui->label_companyLogo, 20}, {ui->label_10, 24},
      {ui->label_3, 24},             {ui->label_4, 24},           {ui->label_5, 24},
      {ui->label_6, 24},             {ui->label_2, 24},           {ui->label_7, 24},
      {ui->label_8, 24}};
  constexpr int kLabelSize = 40;
  for (const auto &[label, iconSize] : icons) {
    label->setStyleSheet(label->styleSheet() +
                         QString("\npadding: %1px;").arg((kLabelSize - iconSize) / 2));
  }
}

// The uncertainty page follows the quality page, so it can be chosen only
// with it; its own choice is kept while the quality page is off.
void PrintSettingDlg::showReportPages() {
  const solvane::printinfo::ReportPages pages =
      solvane::printinfo::readReportPages(solvane::printinfo::qualityPageFile());
  ui->checkBox_qualityPage->setChecked(pages.quality);
  ui->checkBox_uncertaintyPage->setChecked(pages.uncertainty);
  ui->checkBox_uncertaintyPage->setEnabled(pages.quality);
  ui->checkBox_uncertaintyPage->setToolTip(
      tr("After the light quality page: every figure with its uncertainty, from Monte Carlo "
         "draws of the meter's default error budget"));
  connect(ui->checkBox_qualityPage, &QCheckBox::toggled, ui->checkBox_uncertaintyPage,
          &QWidget::setEnabled);
}

PrintSettingDlg::~PrintSettingDlg() {
  delete ui;
}

QVector<QLineEdit *> PrintSettingDlg::lineEdits() const {
  return {ui->lineEdit_company, ui->lineEdit_address, ui->lineEdit_tel,   ui->lineEdit_fax,
          ui->lineEdit_email,   ui->lineEdit_name,    ui->lineEdit_model, ui->lineEdit_remark};
}

QStringList PrintSettingDlg::texts() const {
  QStringList typed;
  for (const QLineEdit *edit : lineEdits()) {
    typed << edit->text();
  }
  return typed;
}

void PrintSettingDlg::on_btn_print_clicked() {
  // The dialog stays open with the typed texts, so the user can free the
  // file or its folder and press Print again.
  QString error;
  if (!solvane::printinfo::writePrintInfo(solvane::printinfo::printInfoFile(), texts(), &error) ||
      !solvane::printinfo::writeReportPages(solvane::printinfo::qualityPageFile(),
                                            {ui->checkBox_qualityPage->isChecked(),
                                             ui->checkBox_uncertaintyPage->isChecked()},
                                            &error)) {
    solvane::ui::warning(this, tr("Error"),
                         tr("The print settings cannot be saved") + '\n' + error);
    return;
  }
  // Before accept(), so the window knows the choice when exec() returns.
  emit isPdf(ui->comboBox->currentIndex() == kPdfEntry);
  accept();
}
