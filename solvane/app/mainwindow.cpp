#include "mainwindow.h"

#include "aboutdialog.h"
#include "comparedialog.h"
#include "filechooser.h"
#include "fitting.h"
#include "language.h"
#include "lightqualitydialog.h"
#include "messagebox.h"
#include "ui_mainwindow.h"

#include "luxengine.h"
#include "printinfo.h"
#include "program_files.h"
#include "quoting/quoted_qstring.h"
#include "series_dialog.h"
#include "lightquality/cct.h"
#include "solvane/live/live_series.h"
#include "solvane/quality/figure_text.h"
#include "solvane/records/measurement_record.h"
#include "testreport.h"
#include "tsiostream.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLinearGradient>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStatusBar>
#include <QTableWidget>
#include <QUrl>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_div.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

#include <cmath>
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
const char *const kReportName = "Report"; // the PDF of the report, unless the preview picks another

const QColor kValueColour(71, 141, 228);
constexpr double kSpectroTop = 70000; // top of the spectrum plot's left axis

const char *const kSideButtonStyle =
    "QPushButton{background-color: rgb(48,52,63); border: 0px solid rgb(48,52,63); color: "
    "white;image: url(:/images/%1); image-position: left; padding-left: "
    "15px;}QPushButton:hover{background-color: rgb(71,141,228)}";
const char *const kInfoButtonStyle =
    "QPushButton{background-color: rgb(48,52,63); border: 0px solid rgb(48,52,63); "
    "color:white; image: url(:/images/%1); image-position: left; padding-left: "
    "15px;}QPushButton:hover{background-color: rgb(71,141,228)}";
const char *const kComboStyle =
    "QComboBox{color: %1; background-color: %2; border: 0px solid rgb(255,255,255); "
    "padding-left: 10px;}QComboBox::drop-down{width: 10px; border: 1px; padding-right: "
    "10px;}QComboBox::down-arrow{image: url(:/images/%3);}";
const char *const kTableStyle = "QTableView{background-color: rgb(255,255,255); border: 0px "
                                "solid; color: rgb(127,138,153);}";
const char *const kHeaderStyle =
    "QHeaderView::section{background-color: rgb(238,241,247); border: 0px solid "
    "rgb(170,170,170); color: rgb(127,138,153);font: bold 10pt \"微软雅黑\";}";
const char *const kScrollBarStyle =
    "QScrollBar{background-color: white;}QScrollBar::handle{background:lightgray; border:2px "
    "solid transparent; border-radius:8px;}QScrollBar::handle:hover{background:gray;}"
    "QScrollBar::sub-line{background:transparent;}QScrollBar::add-line{background:"
    "transparent;}";
const char *const kIntensityScrollBarStyle =
    "QScrollBar{background-color: white;}QScrollBar::handle{background:lightgray; border:2px "
    "solid transparent; border-radius:8px; min-height: "
    "16px;}QScrollBar::handle:hover{background:gray;}QScrollBar::sub-line{background:"
    "transparent;}QScrollBar::add-line{background:transparent;}";

QFont valueFont() {
  QFont font(QStringLiteral("微软雅黑"), 10);
  font.setWeight(QFont::Bold); // 75
  return font;
}

QTableWidgetItem *valueItem(const QString &text, Qt::Alignment alignment) {
  auto *item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment);
  item->setForeground(kValueColour);
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

void appendStoredRow(QTableWidget *table, const QStringList &record) {
  const int row = table->rowCount();
  table->insertRow(row);
  setStoredRow(table, row, record);
}

void styleTable(QTableWidget *table) {
  table->setStyleSheet(kTableStyle);
  table->horizontalHeader()->setStyleSheet(kHeaderStyle);
  table->horizontalHeader()->setFixedHeight(30);
}

QPen gridPen() {
  QPen pen(QColor(120, 120, 120), 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
  return pen;
}

// A style sheet draws its "image" as large as the content rectangle allows,
// taking the largest picture that fits; on a screen of twice the density
// that is the "@2x" twin, which would then be drawn at twice its size.
// Content rectangles of the pictures' own height keep them at their size and
// sharp. Side-bar buttons are 50 high, icons 20; header icons 20 in 40.
const char *const kSideButtonIconFit =
    "QPushButton{padding-top: 15px; padding-bottom: 15px; max-height: 20px;}";
const char *const kHeaderIconFit = "\npadding: 10px;";

QString sideButtonStyle(const char *style, const char *picture) {
  return QString(style).arg(picture) + kSideButtonIconFit;
}

// The side bar is 150 px wide and its icons end 35 px from the left. A label
// too long to stand centred clear of its icon (the English "Light quality")
// is set a point smaller and flush right instead.
QString fittedSideButtonStyle(const QPushButton &button, const char *picture) {
  constexpr int kSideBarWidth = 150;
  constexpr int kIconRight = 15 + 20 + 2;
  const QString style = sideButtonStyle(kSideButtonStyle, picture);
  const int textWidth = QFontMetrics(button.font()).horizontalAdvance(button.text());
  if ((kSideBarWidth - textWidth) / 2 >= kIconRight) {
    return style;
  }
  return style + "QPushButton{text-align: right; padding-right: 6px; font-size: 11pt;}";
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), curve(new QwtPlotCurve(QString())) {
  initialisePictures();
  ui->setupUi(this);
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
  curve->detach();
  delete curve;
  delete ui;
}

void MainWindow::initializeWidgets() {
  ui->btn_open->setStyleSheet(sideButtonStyle(kSideButtonStyle, "open.png"));
  ui->btn_print->setStyleSheet(sideButtonStyle(kSideButtonStyle, "print.png"));
  ui->btn_quality->setStyleSheet(fittedSideButtonStyle(*ui->btn_quality, "quality.png"));
  ui->btn_about->setStyleSheet(sideButtonStyle(kInfoButtonStyle, "about.png"));
  ui->btn_help->setStyleSheet(sideButtonStyle(kInfoButtonStyle, "help.png"));
  ui->btn_contact->setStyleSheet(sideButtonStyle(kInfoButtonStyle, "homepage.png"));
  for (QLabel *icon : {ui->label_9, ui->label_7, ui->label_8, ui->label_10}) {
    icon->setStyleSheet(icon->styleSheet() + kHeaderIconFit);
  }

  ui->btn_readData->setStyleSheet(
      "QPushButton{background-color: rgb(157,166,187); border: 0px solid; color: white; "
      "border-radius: 3px;}QPushButton:hover{background-color: rgb(187,197,222);}");
  ui->btn_export->setStyleSheet(
      "QPushButton{background-color: rgb(54,187,95); border: 0px solid; color: white; "
      "border-radius: 3px;}QPushButton:hover{background-color: rgb(63,220,110);}");

  ui->comboBox_language->setStyleSheet(
      QString(kComboStyle).arg("white", "rgb(71,141,228)", "down.png"));
  ui->comboBox_plot->setStyleSheet(
      QString(kComboStyle).arg("rgb(127,138,153)", "white", "arrow_blue.png"));
  ui->comboBox_observer->setStyleSheet(
      QString(kComboStyle).arg("rgb(127,138,153)", "rgb(238,241,247)", "arrow_blue.png"));

  QTableWidget *stored = ui->tableWidget_storedData;
  stored->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  styleTable(stored);
  stored->verticalScrollBar()->setStyleSheet(kScrollBarStyle);

  QTableWidget *items = ui->tableWidget_itemData;
  items->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  items->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  items->setColumnWidth(0, 80);
  items->setColumnWidth(1, 80);
  items->setStyleSheet("QTableView{background-color: rgb(255,255,255); border: 0px solid; "
                       "color: rgb(127,138,153);padding-left: 10px;}");
  items->verticalScrollBar()->setStyleSheet(kScrollBarStyle);
  for (int row = 0; row < items->rowCount(); ++row) {
    QTableWidgetItem *value = items->item(row, 2);
    if (!value) {
      value = new QTableWidgetItem;
      items->setItem(row, 2, value);
    }
    value->setForeground(kValueColour);
  }

  QTableWidget *intensity = ui->tableWidget_intensityData;
  intensity->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  styleTable(intensity);
  intensity->verticalScrollBar()->setStyleSheet(kIntensityScrollBarStyle);
  for (int row = 0; row < rec::kSpectrumFields; ++row) {
    intensity->insertRow(row);
    intensity->setItem(row, 0,
                       centredItem(QString::number(rec::kFirstWavelength + row, 10) + " nm"));
  }
  // Cells elide what does not fit; the full text shows as tooltip.
  auto *fullTexts = new solvane::ui::FullTextToolTips(this);
  for (QTableWidget *table : {stored, items, intensity}) {
    table->setItemDelegate(fullTexts);
  }
  changeGraphToSpectro();
}

void MainWindow::on_btn_contact_clicked() {
  QDesktopServices::openUrl(QUrl(kContactPage));
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
  QVector<QPointF> samples;
  samples.reserve(data.size());
  for (int i = 0; i < data.size(); ++i) {
    samples.append(QPointF(rec::kFirstWavelength + i, data[i]));
  }
  curve->setSamples(samples);
  curve->setPen(QColor(86, 177, 254, 0), 3.0, Qt::SolidLine);
  curve->setSymbol(new QwtSymbol(QwtSymbol::NoSymbol));

  QLinearGradient gradient(0, 1, 1, 1);
  gradient.setCoordinateMode(QGradient::StretchToDeviceMode);
  gradient.setColorAt(0.0, QColor(255, 0, 255));
  gradient.setColorAt(0.17, Qt::blue);
  gradient.setColorAt(0.4, Qt::green);
  gradient.setColorAt(0.62, Qt::yellow);
  gradient.setColorAt(1.0, Qt::red);
  curve->setBrush(gradient);

  curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
  curve->attach(ui->qwtPlot);
  ui->qwtPlot->replot();
}

void MainWindow::updatePlotCIE1931() {
  plotChromaticity(rec::kX, "x:", ", y:");
}

void MainWindow::updatePlotCIE1976() {
  plotChromaticity(rec::kUPrime, "u:", ", v:");
}

void MainWindow::updateStoredItemTable(QTableWidget *table, QList<QStringList> data) {
  // The rows go and come in one step each: a row insertion per record lays
  // out the header again every time, which a file of 100,000 records turns
  // into minutes.
  table->setRowCount(0);
  table->setRowCount(data.size());
  for (int row = 0; row < data.size(); ++row) {
    setStoredRow(table, row, data[row]);
  }
}

void MainWindow::updateTestItemTable(QTableWidget *table, QStringList data) {
  if (data.isEmpty()) {
    qDebug() << "The data list is empty!(updateTestItemTable)";
    return;
  }
  ui->label_dataName->setText(data.first());
  // A record shorter than the full layout shows the items it holds; the
  // other value cells are emptied rather than left from the previous record.
  const QStringList values = rec::testItemTexts(data);
  for (int row = 0; row < values.size(); ++row) {
    table->setItem(row, 2, valueItem(values[row], Qt::AlignRight | Qt::AlignVCenter));
  }
  markMeterMethodItems(table, values);
}

// The CCT, Ra and R1–R15 are the meter's own, by its method: their tooltip
// says so and why the Light quality window's differ. Far from the
// Planckian locus (|Δuv| > 0.05) the meter's CCT, and what rests on it, is
// not defined: those values are grey and their tooltip says why.
void MainWindow::markMeterMethodItems(QTableWidget *table, const QStringList &values) {
  using solvane::quality::translatedFigureText;
  constexpr int kFirst = rec::kCct - rec::kFirstTestItem;
  constexpr int kLast = rec::kR1 + 14 - rec::kFirstTestItem; // R15
  bool isNumber = false;
  const double duv = values.value(rec::kDuv - rec::kFirstTestItem).toDouble(&isNumber);
  const bool undefined = isNumber && std::fabs(duv) > lightquality::kMaximumAbsDuv;
  const QString methods = solvane::quality::methodsNote(translatedFigureText);
  for (int row = kFirst; row <= kLast && row < values.size(); ++row) {
    QTableWidgetItem *item = table->item(row, 2);
    if (undefined) {
      item->setForeground(QColor(160, 160, 160));
      item->setToolTip(translatedFigureText(lightquality::kFarFromLocus));
    } else {
      item->setToolTip(methods);
    }
  }
}

void MainWindow::updateIntensityTable(QTableWidget *table, QStringList data) {
  if (data.isEmpty()) {
    qDebug() << "The data list is empty!(updateIntensityTable)";
    return;
  }
  const QStringList texts = rec::intensityTexts(data);
  QList<float> values;
  for (int row = 0; row < texts.size(); ++row) {
    table->setItem(row, 1, valueItem(texts[row], Qt::AlignCenter));
    if (!texts[row].isEmpty()) { // a short record plots only the values it holds
      values.append(rec::fieldValue(texts[row]));
    }
  }
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
  QwtPlot *plot = ui->qwtPlot;
  plot->setAxisScale(QwtPlot::yLeft, 0, kSpectroTop);
  plot->setCanvas(new QwtPlotCanvas);

  QwtLinearScaleEngine engine(10);
  QwtScaleDiv division = engine.divideScale(380, 780, 0, 4, 0);
  division.setTicks(QwtScaleDiv::MajorTick, {380, 480, 580, 680, 780});
  division.setTicks(QwtScaleDiv::MediumTick, {400, 420, 440, 460, 500, 520, 540, 560, 600, 620, 640,
                                              660, 700, 720, 740, 760});
  plot->setAxisScaleDiv(QwtPlot::xBottom, division);
  replaceGrid();
  plot->replot();
}

void MainWindow::changeGraphToCIE1931() {
  applyChromaticityAxes(0.8, 0.9, "cie1931.png");
}

void MainWindow::changeGraphToCIE1976() {
  applyChromaticityAxes(0.65, 0.6, "cie1976.png");
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
        appendStoredRow(table, record);
        showReadProgress(read);
      });
  statusBar()->showMessage(tr("%n record(s) read", nullptr, records.size()));
  QString message =
      outcome.status == 0 ? QStringLiteral("读取存储数据完成") : QStringLiteral("读取存储数据失败");
  if (outcome.status != 0 && !meter->isLibraryBound()) {
    // The reason on a line of its own, in the system's words.
    message += QLatin1Char('\n') + meter->libraryErrorString();
  }
  solvane::ui::warning(this, QString(), message);
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
    solvane::ui::warning(this, tr("Successful"), tr("Succeeded in exporting data"));
  } else {
    solvane::ui::warning(this, tr("Failure"),
                         tr("Fail to export data") + '\n' + stream.errorString());
  }
}

void MainWindow::on_btn_open_clicked() {
  const QString fileName = solvane::ui::chooseFile(this, QFileDialog::AcceptOpen, tr("Open file"),
                                                   kDataFileName, kDataFileFilter, kDataFileSuffix);
  if (fileName.isEmpty()) {
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
  QPrinter printer(QPrinter::ScreenResolution);
  if (printToPdf) {
    solvane::report::setUpPdfPrinter(&printer, kReportName);
  }
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, &MainWindow::print);
  preview.exec();
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
// print settings as they are now. Without a readable "PrintInfo" the page
// still shows the record, with empty company and sample texts.
void MainWindow::print(QPrinter *printer) {
  const QStringList *record = currentRecord();
  if (!record) {
    return;
  }
  QStringList printInfo;
  solvane::printinfo::readPrintInfo(solvane::printinfo::printInfoFile(), &printInfo);
  solvane::report::paintTestReport(
      printer, *record, printInfo, QDateTime::currentDateTime(),
      solvane::printinfo::readQualityPageChoice(solvane::printinfo::qualityPageFile()));
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
  QDesktopServices::openUrl(QUrl::fromLocalFile(manualPath()));
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

void MainWindow::plotChromaticity(int xField, const char *xName, const char *yName) {
  curve->detach();
  const QStringList *record = currentRecord();
  if (!record || record->size() <= xField + 1) {
    ui->qwtPlot->replot(); // nothing to mark
    return;
  }
  const float x = rec::fieldValue(record->at(xField));
  const float y = rec::fieldValue(record->at(xField + 1));
  qDebug() << xName << x << yName << y;
  curve->setSymbol(
      new QwtSymbol(QwtSymbol::XCross, QBrush(), QPen(Qt::red, 0, Qt::SolidLine), QSize(12, 12)));
  curve->setSamples(QVector<QPointF>{QPointF(x, y)});
  curve->attach(ui->qwtPlot);
  ui->qwtPlot->replot();
}

void MainWindow::replaceGrid() {
  if (grid) {
    grid->detach();
    delete grid;
  }
  grid = new QwtPlotGrid;
  grid->setPen(gridPen());
  grid->attach(ui->qwtPlot);
}

void MainWindow::applyChromaticityAxes(double xTo, double yTo, const char *picture) {
  QwtPlot *plot = ui->qwtPlot;
  plot->setAxisScale(QwtPlot::yLeft, 0, yTo, 0.2);
  plot->setAxisScale(QwtPlot::xBottom, 0, xTo, 0.2);
  plot->canvas()->setStyleSheet(QString("border-image: url(:/images/%1);").arg(picture));
  replaceGrid();
  plot->replot();
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
    solvane::ui::warning(this, tr("Measure"), measurement->failureText());
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
  if (taken.isEmpty()) {
    return;
  }
  const int first = records.size();
  for (const QStringList &record : taken) {
    records.append(record);
    appendStoredRow(ui->tableWidget_storedData, record);
  }
  nextLiveOrdinal += taken.size();
  ui->tableWidget_storedData->selectRow(first);
  on_tableWidget_storedData_cellClicked(first, 1);
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
  const int mode = ui->comboBox_plot->currentIndex();
  if (rows.size() < 2 || mode < RecordOverlay::kSpectro || mode > RecordOverlay::kCie1976) {
    if (overlay.clear() && mode == RecordOverlay::kSpectro) {
      ui->qwtPlot->setAxisScale(QwtPlot::yLeft, 0, kSpectroTop);
      ui->qwtPlot->replot();
    }
    return;
  }
  // A legend beyond a screenful of labels helps nobody, and a selection of
  // every row of a large file must not stall the window.
  constexpr int kMostOverlaid = 16;
  QList<QStringList> shown;
  for (int row : rows.mid(0, kMostOverlaid)) {
    shown << records[row];
  }
  curve->detach(); // the single record's fill or cross gives way to the overlay
  overlay.show(ui->qwtPlot, static_cast<RecordOverlay::Mode>(mode), shown);
}

// Beside Export, which also works on the selected rows.
void MainWindow::addCompareButton() {
  auto *button = new QPushButton(tr("Compare"), ui->btn_export->parentWidget());
  button->setObjectName("btn_compare");
  button->setMinimumSize(ui->btn_export->minimumSize());
  button->setFont(ui->btn_export->font());
  button->setToolTip(tr("Select two or more records to compare them with the first selected"));
  button->setStyleSheet(
      "QPushButton{background-color: rgb(71,141,228); border: 0px solid; color: white; "
      "border-radius: 3px;}QPushButton:hover{background-color: rgb(101,171,255);}");
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
