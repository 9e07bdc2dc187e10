#include "mainwindow.h"

#include "aboutdialog.h"
#include "comparedialog.h"
#include "filechooser.h"
#include "fitting.h"
#include "language.h"
#include "lightqualitydialog.h"
#include "messagebox.h"
#include "record_plot.h"
#include "record_tables.h"
#include "ui_mainwindow.h"
#include "window_style.h"

#include "luxengine.h"
#include "printinfo.h"
#include "program_files.h"
#include "quoting/quoted_qstring.h"
#include "series_dialog.h"
#include "solvane/live/live_series.h"
#include "solvane/quality/record_quality.h"
#include "solvane/quality/spectrum_record.h"
#include "solvane/records/measurement_record.h"
#include "testreport.h"
#include "tsiostream.h"
#include "uncertainty_panel.h"
#include "uncertainty_progress.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QUrl>

#include <qwt_plot.h>

#include <iterator>
#include <utility>

namespace rec = solvane::records;

// The compiled-in pictures live in a static library; this pulls them in.
static void initialisePictures() {
  Q_INIT_RESOURCE(images);
}

namespace {

const char *const kContactPage = "https://www.kestra-instruments.example/contact";
const char *const kManualName = "KestraOne manual.pdf"; // English, and where a translation is missing
const char *const kManualNames[] = {"KestraOne manual cn.pdf", "KestraOne manual tw.pdf",
                                    kManualName}; // by language code
const char *const kDataFileName = "Solvane Data"; // initial name in the file dialogs
const char *const kDataFileFilter = "Data file(*.csv)";
const char *const kDataFileSuffix = "csv";
const char *const kReportName = "Report.pdf"; // the PDF of the report, unless the preview picks another
// The report's texts are English in every language.
const char *const kPrintedBudgetNote =
    "The meter's default budget: a budget loaded in the Light quality window applies to that "
    "window only.";

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow) {
  initialisePictures();
  ui->setupUi(this);
  plot = std::make_unique<RecordPlot>(ui->qwtPlot);
  meter = std::make_unique<LuxEngine>(nullptr);

  ui->comboBox_language->setCurrentIndex(solvane::language::storedCode());
  connect(ui->comboBox_language, qOverload<int>(&QComboBox::currentIndexChanged), this,
          &MainWindow::on_comboBox_ChangeLanguage);
  connect(&printSettings, &PrintSettingDlg::isPdf, this, &MainWindow::setPrintFormat);

  initializeWidgets();
  addCompareButton();
  connect(ui->tableWidget_storedData->selectionModel(), &QItemSelectionModel::selectionChanged,
          this, [this] { updatePlot(ui->comboBox_plot->currentIndex()); });
  setUpShortcuts();
  ui->btn_readData->setFocus(); // the first of the tab order
  currentIndex = -1;
}

MainWindow::~MainWindow() {
  delete ui;
}

void MainWindow::initializeWidgets() {
  namespace style = solvane::style;
  ui->btn_open->setStyleSheet(style::sideButton("open.png"));
  ui->btn_print->setStyleSheet(style::sideButton("print.png"));
  ui->btn_quality->setStyleSheet(style::fittedSideButton(*ui->btn_quality, "quality.png"));
  ui->btn_about->setStyleSheet(style::infoButton("about.png"));
  ui->btn_help->setStyleSheet(style::infoButton("help.png"));
  ui->btn_contact->setStyleSheet(style::infoButton("homepage.png"));
  for (QLabel *icon : {ui->label_9, ui->label_7, ui->label_8, ui->label_10}) {
    icon->setStyleSheet(icon->styleSheet() + style::kHeaderIconFit);
  }
  ui->btn_readData->setStyleSheet(style::kReadButton);
  ui->btn_export->setStyleSheet(style::kExportButton);
  ui->comboBox_language->setStyleSheet(style::comboBox("white", "rgb(71,141,228)", "down.png"));
  ui->comboBox_plot->setStyleSheet(style::comboBox("rgb(127,138,153)", "white", "arrow_blue.png"));
  ui->comboBox_observer->setStyleSheet(
      style::comboBox("rgb(127,138,153)", "rgb(238,241,247)", "arrow_blue.png"));

  solvane::tables::setUp(ui->tableWidget_storedData, ui->tableWidget_itemData,
                         ui->tableWidget_intensityData, this);
  changeGraphToSpectro();
}

void MainWindow::on_btn_contact_clicked() {
  if (!QDesktopServices::openUrl(QUrl(kContactPage))) {
    solvane::ui::warning(this, tr("Contact"),
                         tr("No web browser could be started to open %1").arg(kContactPage));
  }
}

void MainWindow::on_btn_about_clicked() {
  AboutDialog dialog(nullptr);
  solvane::ui::placeOnScreen(&dialog, this);
  dialog.exec();
}

void MainWindow::on_comboBox_ChangeLanguage(int index) {
  // A choice that cannot be kept would restart in the old language: say so,
  // and show the language still in use.
  if (QString error; !solvane::language::storeCode(index, &error)) {
    solvane::ui::warning(this, tr("Error"), tr("The language cannot be changed") + '\n' + error);
    const QSignalBlocker blocker(ui->comboBox_language);
    ui->comboBox_language->setCurrentIndex(solvane::language::storedCode());
    return;
  }
  QApplication::closeAllWindows();
  solvane::language::startNewInstance();
}

void MainWindow::updatePlot(int /*index*/) {
  if (const QStringList *record = currentRecord()) {
    updateIntensityTable(ui->tableWidget_intensityData, *record);
  }
}

void MainWindow::updatePlotSpectro(QList<float> data) {
  plot->showSpectrum(data);
}

void MainWindow::updatePlotCIE1931() {
  plot->showChromaticity(currentRecord(), rec::kX, "x:", ", y:");
}

void MainWindow::updatePlotCIE1976() {
  plot->showChromaticity(currentRecord(), rec::kUPrime, "u:", ", v:");
}

void MainWindow::updateStoredItemTable(QTableWidget *table, QList<QStringList> data) {
  solvane::tables::fillStored(table, data);
}

void MainWindow::updateTestItemTable(QTableWidget *table, QStringList data) {
  if (data.isEmpty()) {
    qDebug() << "The data list is empty!(updateTestItemTable)";
    return;
  }
  ui->label_dataName->setText(data.first());
  solvane::tables::showTestItems(table, data);
}

void MainWindow::updateIntensityTable(QTableWidget *table, QStringList data) {
  if (data.isEmpty()) {
    qDebug() << "The data list is empty!(updateIntensityTable)";
    return;
  }
  const QList<float> values = solvane::tables::showIntensities(table, data);
  switch (ui->comboBox_plot->currentIndex()) {
  case 0:
    updatePlotSpectro(values);
    break;
  case 1:
    updatePlotCIE1931();
    break;
  case 2:
    updatePlotCIE1976();
    break;
  default:
    break;
  }
  showSelectionOverlay();
}

void MainWindow::changeGraphToSpectro() {
  plot->setMode(RecordOverlay::kSpectro);
}

void MainWindow::changeGraphToCIE1931() {
  plot->setMode(RecordOverlay::kCie1931);
}

void MainWindow::changeGraphToCIE1976() {
  plot->setMode(RecordOverlay::kCie1976);
}

void MainWindow::calculateItems(int dataOrdinal, double illuminance, double *intensity,
                                int dataCount, double ratio, int observer) {
  if (dataOrdinal < 0 || dataOrdinal >= records.size()) {
    qDebug() << "No record to build at" << dataOrdinal;
    return;
  }
  records[dataOrdinal] =
      rec::calculateItems(dataOrdinal, illuminance, intensity, dataCount, ratio, observer);
}

void MainWindow::on_btn_readData_clicked() {
  if (reading) {
    return; // a read is under way; its own selection step follows
  }
  if (measurement && measurement->isRunning()) {
    return; // stored records are read between tests, not during one
  }
  reading = true;
  ui->btn_readData->setEnabled(false);

  currentIndex = 0;
  QTableWidget *table = ui->tableWidget_storedData;
  for (int row = table->rowCount(); row > 0; --row) {
    table->removeRow(0);
  }
  records.clear();
  showReadProgress(0);

  const rec::ReadOutcome outcome = rec::readStoredRecords(
      *meter, ui->comboBox_observer->currentIndex(), [&](const QStringList &record, int read) {
        records.append(record);
        solvane::tables::appendStored(table, record);
        showReadProgress(read);
      });
  if (outcome.status == 0) {
    statusBar()->showMessage(tr("%n record(s) read", nullptr, records.size()));
    solvane::ui::information(this, tr("Read"), tr("Stored data read"));
  } else {
    // The records before the failure stay listed; the status bar says that
    // the list is not the whole memory.
    statusBar()->showMessage(
        tr("Reading stopped by a failure after %n record(s)", nullptr, records.size()));
    solvane::ui::warning(this, tr("Read"), tr("Reading stored data failed: %1").arg(outcome.error));
  }
  if (!records.isEmpty()) {
    table->selectRow(0);
  }
  on_tableWidget_storedData_cellClicked(0, 1);

  ui->btn_readData->setEnabled(true);
  reading = false;
}

void MainWindow::on_tableWidget_storedData_cellClicked(int row, int /*column*/) {
  qDebug() << records.isEmpty();
  if (records.isEmpty()) {
    qDebug() << "The data list is empty!(on_tableWidget_storedData_cellClicked)";
    return;
  }
  if (row < 0 || row >= records.size()) {
    return;
  }
  currentIndex = row;
  updateTestItemTable(ui->tableWidget_itemData, records[row]);
  updateIntensityTable(ui->tableWidget_intensityData, records[row]);
}

void MainWindow::on_btn_export_clicked() {
  const QList<QTableWidgetItem *> selected = ui->tableWidget_storedData->selectedItems();
  if (selected.isEmpty()) {
    solvane::ui::warning(this, tr("Error"), tr("No item is selected"));
    return;
  }
  // Whole rows are selected, two cells each: every row once, in the order
  // the table reports them.
  QList<int> rows;
  QSet<int> seen; // a list search per item would take minutes for 100,000 rows
  for (const QTableWidgetItem *item : selected) {
    if (!seen.contains(item->row())) {
      seen.insert(item->row());
      rows << item->row();
    }
  }
  QList<QStringList> exported;
  for (int row : rows) {
    qDebug() << "export:" << row;
    if (row < records.size()) {
      exported << records[row];
    }
  }
  const QString fileName = solvane::ui::chooseFile(this, QFileDialog::AcceptSave, tr("Save file"),
                                                   kDataFileName, kDataFileFilter, kDataFileSuffix);
  if (fileName.isEmpty()) {
    return;
  }
  TSIOStream stream;
  stream.setFileName(fileName);
  if (stream.writeSolvaneData(TSIOStream::dataFileHeader(), exported)) {
    solvane::ui::information(this, tr("Successful"), tr("Succeeded in exporting data"));
  } else {
    solvane::ui::warning(this, tr("Failure"),
                         tr("Fail to export data") + '\n' + stream.errorString());
  }
}

// Open's file types after the data file: spectra of other instruments, in
// the order of kSpectrumFormats.
QStringList MainWindow::openFilters() const {
  return {kDataFileFilter, tr("Spectrum, wavelength and value (*.csv *.txt *.tsv *.dat)"),
          tr("IES TM-27-14 spectrum (*.spdx *.xml)"), tr("UPRtek text export (*.xls *.txt)"),
          tr("Sekonic CSV export (*.csv)")};
}

void MainWindow::on_btn_open_clicked() {
  static constexpr spectrumfile::Format kSpectrumFormats[] = {
      spectrumfile::Format::kTwoColumn, spectrumfile::Format::kSpdx,
      spectrumfile::Format::kUprtek, spectrumfile::Format::kSekonic};
  const QStringList filters = openFilters();
  QString chosenFilter;
  const QString fileName =
      solvane::ui::chooseFile(this, QFileDialog::AcceptOpen, tr("Open file"), kDataFileName,
                              filters.join(";;"), kDataFileSuffix, &chosenFilter);
  if (fileName.isEmpty()) {
    return;
  }
  if (const int type = static_cast<int>(filters.indexOf(chosenFilter)); type > 0) {
    openSpectrum(fileName, kSpectrumFormats[type - 1]);
    return;
  }
  // Read into a fresh list: a file that cannot be read leaves the records
  // on screen as they were.
  TSIOStream stream;
  stream.setFileName(fileName);
  QStringList header;
  QList<QStringList> loaded;
  if (!stream.readSolvaneData(&header, &loaded)) {
    solvane::ui::warning(this, tr("Error"),
                         tr("Fail to open the file") + '\n' + stream.errorString());
    return;
  }
  records = loaded;
  currentIndex = records.isEmpty() ? -1 : 0;
  updateStoredItemTable(ui->tableWidget_storedData, records);
  if (!records.isEmpty()) {
    ui->tableWidget_storedData->selectRow(0);
  }
  on_tableWidget_storedData_cellClicked(0, 1);
  statusBar()->showMessage(tr("%n record(s) opened from %1", nullptr, records.size())
                               .arg(quoting::quotedText(QFileInfo(fileName).fileName())));
}

void MainWindow::on_btn_print_clicked() {
  const QStringList *record = currentRecord();
  if (!record) {
    solvane::ui::warning(this, tr("Error"), tr("No record is selected"));
    return;
  }
  if (!solvane::report::hasReportFields(*record)) {
    solvane::ui::warning(this, tr("Error"),
                         tr("The selected record is incomplete: the report needs all 430 fields"));
    return;
  }
  solvane::ui::placeOnScreen(&printSettings, this);
  if (printSettings.exec() != QDialog::Accepted) {
    return;
  }
  const solvane::printinfo::ReportPages pages =
      solvane::printinfo::readReportPages(solvane::printinfo::qualityPageFile());
  if (pages.quality && pages.uncertainty && !prepareUncertaintyPage(*record)) {
    statusBar()->showMessage(tr("Printing cancelled"));
    return;
  }
  QPrinter printer(QPrinter::ScreenResolution);
  if (printToPdf) {
    // In the user's documents folder, where a PDF is looked for, not in the
    // folder the program happened to start in.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    solvane::report::setUpPdfPrinter(&printer, QDir(documents).filePath(kReportName));
  }
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, &MainWindow::print);
  preview.exec();
  printedUncertainty.reset();
}

// With the meter's default budget, since a budget loaded in a Light quality
// window belongs to that window, and the window's fixed number of draws.
// A record whose spectrum cannot be read prints without the page; its
// light quality page says why.
bool MainWindow::prepareUncertaintyPage(const QStringList &record) {
  solvane::quality::RecordInput input;
  QString reason;
  if (!solvane::quality::readRecordInput(record, &input, &reason)) {
    solvane::ui::warning(this, tr("Print"), tr("The uncertainty page is left out: %1").arg(reason));
    return true;
  }
  lightquality::UncertaintySettings settings;
  settings.adaptive = false;
  settings.draws = solvane::quality::UncertaintyPanel::kDraws;
  settings.seed = lightquality::randomSeed();
  const lightquality::UncertaintyBudget budget = lightquality::defaultUncertaintyBudget();
  const std::optional<lightquality::UncertaintyResult> result =
      solvane::quality::propagateWithProgress(
          input.spectrum, input.illuminance, budget, settings,
          tr("Drawing the uncertainties of %1 for the report...")
              .arg(quoting::quotedText(input.label)),
          this);
  if (!result) {
    return false;
  }
  printedUncertainty = solvane::report::ReportUncertainty{
      *result, QString::fromStdString(budget.name), kPrintedBudgetNote};
  return true;
}

// A window of its own per record, so that several records can be compared
// side by side while the main window stays usable.
void MainWindow::on_btn_quality_clicked() {
  const QStringList *record = currentRecord();
  if (!record) {
    solvane::ui::warning(this, tr("Error"), tr("No record is selected"));
    return;
  }
  solvane::quality::RecordQuality quality;
  QString reason;
  if (!solvane::quality::evaluateRecord(*record, &quality, &reason)) {
    solvane::ui::warning(
        this, tr("Error"),
        tr("The light quality of the selected record cannot be shown: %1").arg(reason));
    return;
  }
  auto *window = new solvane::quality::LightQualityDialog(quality, this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  solvane::ui::placeOnScreen(window, this);
  window->show();
}

// Paints on every request of the preview: the current record and the
// print settings as they are now, and the uncertainties drawn for this
// print. Without a readable "PrintInfo" the page still shows the record,
// with empty company and sample texts.
void MainWindow::print(QPrinter *printer) {
  const QStringList *record = currentRecord();
  if (!record) {
    return;
  }
  QStringList printInfo;
  solvane::printinfo::readPrintInfo(solvane::printinfo::printInfoFile(), &printInfo);
  solvane::report::paintTestReport(
      printer, *record, printInfo, QDateTime::currentDateTime(),
      solvane::printinfo::readReportPages(solvane::printinfo::qualityPageFile()).quality,
      printedUncertainty ? &*printedUncertainty : nullptr);
}

void MainWindow::on_comboBox_plot_currentIndexChanged(int index) {
  switch (index) {
  case 0:
    changeGraphToSpectro();
    break;
  case 1:
    changeGraphToCIE1931();
    break;
  case 2:
    changeGraphToCIE1976();
    break;
  default:
    break;
  }
  updatePlot(index);
}

void MainWindow::setPrintFormat(bool isPdf) {
  printToPdf = isPdf;
}

void MainWindow::on_btn_help_clicked() {
  // A local file URL on every platform (a plain "file:///" + path text
  // doubles the slash of a Unix path).
  const QString manual = manualPath();
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
    solvane::ui::warning(this, tr("Help"),
                         tr("No PDF viewer could be started to open the manual %1").arg(manual));
  }
}

void MainWindow::on_comboBox_observer_currentIndexChanged(int /*index*/) {
  // The observer applies to records read afterwards; nothing is recomputed.
}

const QStringList *MainWindow::currentRecord() const {
  if (currentIndex < 0 || currentIndex >= records.size()) {
    return nullptr;
  }
  return &records[currentIndex];
}

void MainWindow::showReadProgress(int recordsRead) {
  // A few repaints a second keep the count moving without slowing the read.
  constexpr qint64 kRepaintIntervalMs = 100;
  if (recordsRead > 0 && progressClock.isValid() && progressClock.elapsed() < kRepaintIntervalMs) {
    return;
  }
  progressClock.start();
  statusBar()->showMessage(tr("Reading stored records: %n read", nullptr, recordsRead));
  // Paint the count without taking user input, so no second read can start.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::on_btn_measure_clicked() {
  if (measurement && measurement->isRunning()) {
    return;
  }
  solvane::live::SeriesSettings settings;
  settings.observer = ui->comboBox_observer->currentIndex();
  settings.firstOrdinal = nextLiveOrdinal;
  measurement = std::make_unique<solvane::live::LiveSeries>(*meter, settings);
  connect(measurement.get(), &solvane::live::LiveSeries::finished, this,
          &MainWindow::measurementFinished);
  // One test at a time: the meter has a single result. Reading the stored
  // records would mix its exchanges with the test's.
  setMeterButtonsEnabled(false);
  statusBar()->showMessage(tr("Measuring..."));
  measurement->start();
}

void MainWindow::setMeterButtonsEnabled(bool enabled) {
  ui->btn_readData->setEnabled(enabled);
  ui->btn_measure->setEnabled(enabled);
  ui->btn_series->setEnabled(enabled);
}

void MainWindow::measurementFinished() {
  setMeterButtonsEnabled(true);
  statusBar()->clearMessage();
  if (measurement->failure() != solvane::live::Failure::None) {
    solvane::ui::warning(this, tr("Measure"), measurement->errorString());
    return;
  }
  const QStringList &record = measurement->readings().constFirst().record;
  appendLiveRecords({record});
  statusBar()->showMessage(tr("Measure: %1 added").arg(rec::fieldOrEmpty(record, rec::kLabel)));
}

void MainWindow::on_btn_series_clicked() {
  SeriesDialog dialog(*meter, ui->comboBox_observer->currentIndex(), nextLiveOrdinal, this);
  solvane::ui::placeOnScreen(&dialog, this);
  dialog.exec();
  const QList<QStringList> taken = dialog.records();
  appendLiveRecords(taken);
  if (!taken.isEmpty()) {
    statusBar()->showMessage(tr("Series: %n record(s) added", nullptr, taken.size()));
  }
}

// Appends after whatever the list holds and shows the first new record.
void MainWindow::appendLiveRecords(const QList<QStringList> &taken) {
  nextLiveOrdinal += taken.size();
  appendRecords(taken);
}

void MainWindow::appendRecords(const QList<QStringList> &added) {
  if (added.isEmpty()) {
    return;
  }
  const int first = records.size();
  for (const QStringList &record : added) {
    records.append(record);
    solvane::tables::appendStored(ui->tableWidget_storedData, record);
  }
  ui->tableWidget_storedData->selectRow(first);
  on_tableWidget_storedData_cellClicked(first, 1);
}

// A spectrum of another instrument joins the records shown, so that it can
// be drawn, evaluated and compared with them; a file that is no spectrum of
// that type leaves the list as it was.
void MainWindow::openSpectrum(const QString &fileName, spectrumfile::Format format) {
  QStringList record;
  QString error;
  if (!solvane::quality::readSpectrumRecord(fileName, format, &record, &error)) {
    solvane::ui::warning(this, tr("Error"), tr("Fail to open the file") + '\n' + error);
    return;
  }
  appendRecords({record});
  statusBar()->showMessage(
      tr("Spectrum of %1 added to the records")
          .arg(quoting::quotedText(QFileInfo(fileName).fileName())));
}

QList<int> MainWindow::selectedRecordRows() const {
  QList<int> rows;
  for (const QModelIndex &index : ui->tableWidget_storedData->selectionModel()->selectedRows()) {
    if (index.row() < records.size()) {
      rows << index.row();
    }
  }
  return rows;
}

void MainWindow::showSelectionOverlay() {
  const QList<int> rows = selectedRecordRows();
  if (rows.size() < 2) {
    plot->clearOverlay();
    return;
  }
  // A legend beyond a screenful of labels helps nobody, and a selection of
  // every row of a large file must not stall the window.
  constexpr int kMostOverlaid = 16;
  QList<QStringList> shown;
  for (int row : rows.mid(0, kMostOverlaid)) {
    shown << records[row];
  }
  plot->showOverlay(shown);
}

// Beside Export, which also works on the selected rows.
void MainWindow::addCompareButton() {
  auto *button = new QPushButton(tr("Compare"), ui->btn_export->parentWidget());
  button->setObjectName("btn_compare");
  button->setMinimumSize(ui->btn_export->minimumSize());
  button->setFont(ui->btn_export->font());
  button->setToolTip(tr("Select two or more records to compare them with the first selected"));
  button->setStyleSheet(solvane::style::kCompareButton);
  if (auto *row = qobject_cast<QBoxLayout *>(ui->btn_export->parentWidget()->layout())) {
    row->insertWidget(row->indexOf(ui->btn_export) + 1, button);
  }
  setTabOrder(ui->btn_export, button);
  connect(button, &QPushButton::clicked, this, &MainWindow::compareSelectedRecords);
}

void MainWindow::compareSelectedRecords() {
  const QList<int> rows = selectedRecordRows();
  if (rows.size() < 2) {
    solvane::ui::warning(this, tr("Error"), tr("Select two or more records to compare"));
    return;
  }
  QList<solvane::quality::RecordQuality> evaluated;
  for (int row : rows) {
    solvane::quality::RecordQuality quality;
    QString reason;
    if (!solvane::quality::evaluateRecord(records[row], &quality, &reason)) {
      solvane::ui::warning(
          this, tr("Error"),
          tr("Record %1 cannot be compared: %2")
              .arg(quoting::quotedText(rec::fieldOrEmpty(records[row], rec::kLabel)), reason));
      return;
    }
    evaluated << quality;
  }
  auto *window = new solvane::quality::CompareDialog(evaluated, this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  solvane::ui::placeOnScreen(window, this);
  window->show();
}

void MainWindow::setUpShortcuts() {
  const std::pair<QAbstractButton *, QKeySequence> keys[] = {
      {ui->btn_open, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {ui->btn_export, QKeySequence(Qt::CTRL | Qt::Key_E)},
      {ui->btn_print, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {ui->btn_readData, QKeySequence(Qt::Key_F5)},
      {ui->btn_help, QKeySequence(Qt::Key_F1)},
  };
  for (const auto &[button, key] : keys) {
    button->setShortcut(key);
    const QString name = button->accessibleName().isEmpty() ? button->text()
                                                            : button->accessibleName();
    button->setToolTip(QStringLiteral("%1 (%2)").arg(name, key.toString(QKeySequence::NativeText)));
  }
}

QString MainWindow::manualPath() const {
  const int code = ui->comboBox_language->currentIndex();
  if (code >= 0 && code < int(std::size(kManualNames))) {
    const QString manual = solvane::paths::dataFile(kManualNames[code]);
    if (QFileInfo::exists(manual)) {
      return QFileInfo(manual).absoluteFilePath();
    }
  }
  return QFileInfo(solvane::paths::dataFile(kManualName)).absoluteFilePath();
}
