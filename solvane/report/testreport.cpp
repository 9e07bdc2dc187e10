#include "testreport.h"

#include "kvgraph.h"
#include "kvpainter.h"
#include "qualitypage.h"
#include "report_style.h"
#include "uncertaintypage.h"

#include "solvane/records/measurement_record.h"

#include <QPageSize>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>

#include <iterator>

namespace solvane::report {
namespace {

namespace rec = solvane::records;

constexpr int kHeadingSize = 20;
constexpr int kBodySize = 13;
constexpr float kRowHeight = 1.5f; // percent of the page height
constexpr float kRuleDrop = 3;     // from a heading's top to its rule
constexpr int kCompanyTexts = 5;   // print settings texts 0..4; the sample's 5..7 follow
constexpr int kPrintInfoTexts = 8;
constexpr int kSpectrumColumns = 5;
constexpr int kSpectrumTableStep = 10; // nm


const char *const kCompanyLabels[] = {"Name", "Add", "Tel", "Fax", "E-mail"};
const char *const kSampleLabels[] = {"Sample Name", "Sample Model", "Remarks"};

struct ResultLabel {
  const char *group;
  const char *item;
};

// One row per test item, fields 2 to 28 in order. Fixed English texts:
// the page is the same in every language, whatever the window shows.
const ResultLabel kResultLabels[] = {
    {"Illuminance", "Ev"}, {"CCT", "Tcp"},        {"CRI", "Ra"},         {"CRI", "R1"},
    {"CRI", "R2"},         {"CRI", "R3"},         {"CRI", "R4"},         {"CRI", "R5"},
    {"CRI", "R6"},         {"CRI", "R7"},         {"CRI", "R8"},         {"CRI", "R9"},
    {"CRI", "R10"},        {"CRI", "R11"},        {"CRI", "R12"},        {"CRI", "R13"},
    {"CRI", "R14"},        {"CRI", "R15"},        {"Peak", "λd"},        {"CIE1931", "x"},
    {"CIE1931", "y"},      {"CIE1976", "u'"},     {"CIE1976", "v'"},     {"Tri-stimulus", "X"},
    {"Tri-stimulus", "Y"}, {"Tri-stimulus", "Z"}, {"Chromatism", "△uv"},
};
static_assert(std::size(kResultLabels) == rec::kTestItemCount);
static_assert(std::size(kCompanyLabels) == kCompanyTexts);
static_assert(std::size(kCompanyLabels) + std::size(kSampleLabels) == kPrintInfoTexts);

// A section heading with its rule below; returns where the section's rows
// start.
float drawHeading(KVPainter &page, const char *title, float top) {
  useFont(page, kHeadingSize, kBold);
  page.drawText(title, 0, top, Qt::AlignLeft);
  const float rule = top + kRuleDrop;
  page.drawLine(0, rule, 100, rule);
  return rule;
}

void drawLabelledRows(KVPainter &page, const char *const *labels, const QStringList &values,
                      float top) {
  for (int i = 0; i < values.size(); ++i) {
    const float y = top + kRowHeight * i;
    useFont(page, kBodySize, kBold);
    page.drawText(QString::fromUtf8(labels[i]), 0, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(values[i], 30, y, Qt::AlignLeft);
  }
}

void drawResults(KVPainter &page, const QStringList &record, float top) {
  for (int row = 0; row < rec::kTestItemCount; ++row) {
    const float y = top + kRowHeight * row;
    useFont(page, kBodySize, kBold);
    page.drawText(QString::fromUtf8(kResultLabels[row].group), 0, y, Qt::AlignLeft);
    page.drawText(QString::fromUtf8(kResultLabels[row].item), 15, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(record[rec::kFirstTestItem + row], 35, y, Qt::AlignRight);
  }
}

// Five (wavelength, intensity) column pairs filled row by row, 380 to
// 780 nm in 10 nm steps.
void drawSpectrumTable(KVPainter &page, const QStringList &record) {
  const float headerTop = drawHeading(page, "Spectrum Data", 75);
  const float rowsTop = 80;
  page.drawLine(0, 80.1f, 100, 80.1f);
  useFont(page, kBodySize, kBold);
  for (int column = 0; column < kSpectrumColumns; ++column) {
    page.drawText("nm", 20 * column + 2, headerTop, Qt::AlignLeft);
    page.drawText("Intensity", 20 * column + 7, headerTop, Qt::AlignLeft);
  }
  const int entries = (rec::kSpectrumFields - 1) / kSpectrumTableStep + 1;
  for (int k = 0; k < entries; ++k) {
    const float columnLeft = 20.0f * (k % kSpectrumColumns);
    const float y = rowsTop + kRowHeight * (k / kSpectrumColumns);
    const int offset = kSpectrumTableStep * k;
    useFont(page, kBodySize, kBold);
    page.drawText(QString::number(rec::kFirstWavelength + offset), columnLeft + 2, y,
                  Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(record[rec::kFirstIntensity + offset], columnLeft + 15, y, Qt::AlignRight);
  }
}

void drawChromaticityCharts(KVPainter &page, const QStringList &record) {
  KVGraph cie1931;
  cie1931.setGraphType(KVGraph::Cie1931Graph);
  cie1931.setAxisScale(1, 0.0f, 0.8f, 4);
  cie1931.setAxisScale(2, 0.0f, 0.9f, 4);
  cie1931.setTitle("CIE1931", 1);
  cie1931.setCIE1931Result(rec::fieldValue(record[rec::kX]), rec::fieldValue(record[rec::kY]));
  page.drawGraph(47, 33, 23, 14, &cie1931);

  KVGraph cie1976;
  cie1976.setGraphType(KVGraph::Cie1976Graph);
  cie1976.setAxisScale(1, 0.0f, 0.7f, 4);
  cie1976.setAxisScale(2, 0.0f, 0.6f, 4);
  cie1976.setTitle("CIE1976", 1);
  cie1976.setCIE1976Result(rec::fieldValue(record[rec::kUPrime]),
                           rec::fieldValue(record[rec::kVPrime]));
  page.drawGraph(75, 33, 23, 14, &cie1976);
}

void drawSpectrumChart(KVPainter &page, const QStringList &record) {
  QPolygonF curve;
  for (int i = 0; i < rec::kSpectrumFields; ++i) {
    curve << QPointF(rec::kFirstWavelength + i, rec::fieldValue(record[rec::kFirstIntensity + i]));
  }
  KVGraph spectrum;
  spectrum.setGraphType(KVGraph::LineGraph);
  spectrum.setAxisScale(1, 380, 780, 4);
  spectrum.setAxisScale(2, 0, 70000, 7);
  spectrum.setTitle("SPECTRUM", 1);
  spectrum.setLineGraphData(curve);
  page.drawGraph(47, 52, 51, 20, &spectrum);
}

void drawPage(KVPainter &page, const QStringList &record, const QStringList &printInfo,
              const QDateTime &paintedAt) {
  page.setPageSpace(5, 0);

  useFont(page, 30, kBold);
  page.drawText("Test Report", 0, 0, Qt::AlignHCenter);
  useFont(page, kBodySize, kBold);
  page.drawText(paintedAt.toString("yyyy-MM-dd hh:mm"), 100, 4, Qt::AlignRight);

  QStringList texts;
  for (int i = 0; i < kPrintInfoTexts; ++i) {
    texts << printInfo.value(i);
  }
  drawLabelledRows(page, kCompanyLabels, texts.mid(0, kCompanyTexts),
                   drawHeading(page, "Company Information", 4));
  drawLabelledRows(page, kSampleLabels, texts.mid(kCompanyTexts),
                   drawHeading(page, "Sample Information", 18));
  drawResults(page, record, drawHeading(page, "Test Result", 28));
  drawSpectrumTable(page, record);
  drawChromaticityCharts(page, record);
  drawSpectrumChart(page, record);
}

} // namespace

void setUpPdfPrinter(QPrinter *printer, const QString &fileName) {
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(fileName);
}

bool hasReportFields(const QStringList &record) {
  return record.size() >= rec::kFieldCount;
}

bool paintTestReport(QPrinter *printer, const QStringList &record, const QStringList &printInfo,
                     const QDateTime &paintedAt, bool withQualityPage,
                     const ReportUncertainty *uncertainty) {
  if (!hasReportFields(record)) {
    return false;
  }
  QPainter painter;
  if (!painter.begin(printer)) {
    return false;
  }
  KVPainter page(&painter, printer);
  drawPage(page, record, printInfo, paintedAt);
  if (withQualityPage) {
    printer->newPage();
    drawQualityPage(page, record);
    if (uncertainty) {
      printer->newPage();
      drawUncertaintyPage(page, record, *uncertainty);
    }
  }
  return painter.end();
}

} // namespace solvane::report
