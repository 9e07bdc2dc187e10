// The test report page painted into an A4 PDF, read back as text and as
// pixels: labels, values and their alignment, the charts' content and
// where the chromaticity crosses land, and records too short to print.

#include "testreport.h"
#include "pdf_tools.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerUnit = 72.0 / 96.0;
// The report's logical area in page units (96 per inch): A4 less the
// printer's margins, less 5 % of that width at each side.
struct Area {
  double left, top, width, height;
  QRectF frame(double x, double y, double w, double h) const {
    return {left + x / 100 * width, top + y / 100 * height, w / 100 * width, h / 100 * height};
  }
  double x(double percent) const { return left + percent / 100 * width; }
};

// Fields that tell where they belong; the spectrum rises 100 per nm from 7
// at 380 nm to 40007 at 780 nm.
QStringList sampleRecord() {
  QStringList record{"NO.004", "2019-05-21T14:03:09", "1234.50", "6504.12", "95.31"};
  for (int i = 1; i <= 15; ++i) {
    record << QString::number(80 + i, 'f', 2);
  }
  record << "581.25"
         << "0.3127"
         << "0.3290"
         << "0.1978"
         << "0.4683"
         << "95.04"
         << "100.00"
         << "108.88"
         << "0.0032";
  for (int nm = 380; nm <= 780; ++nm) {
    record << QString::number(100 * (nm - 380) + 7);
  }
  return record;
}

const QStringList kPrintInfo{"Acme Optics",   "1 Lake Road", "0571-1234", "0571-5678",
                             "lab@acme.test", "Lamp A",      "LX-2",      ""};
const QDateTime kPaintedAt(QDate(2026, 12, 8), QTime(9, 41));

// Centre of a cross of two 21-unit arms inside `frame`: the one point
// whose arms are dark for 7 pixels in all four directions.
QPoint findCross(const QImage &page, const QRectF &frame) {
  const QRect inside = frame.toAlignedRect().adjusted(8, 8, -8, -8);
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      bool arms = true;
      for (int d = -7; d <= 7 && arms; ++d) {
        arms = pdftools::isDark(page, x + d, y) && pdftools::isDark(page, x, y + d);
      }
      if (arms) {
        return {x, y};
      }
    }
  }
  return {-1, -1};
}

} // namespace

class TestTestReport : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString pdf;
  Area area{};

private slots:
  void initTestCase() {
    pdf = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    solvane::report::setUpPdfPrinter(&printer, pdf);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The painter's origin is the page rectangle's top-left corner.
    const int margin = static_cast<int>(0.05 * page.width());
    area = {page.left() + margin, page.top(), page.width() - 2 * margin, page.height()};
    QVERIFY(solvane::report::paintTestReport(&printer, sampleRecord(), kPrintInfo, kPaintedAt));
  }

  void pageHoldsTheTextsAndValues() {
    const QString text = pdftools::text(pdf);
    for (const char *expected : {"Test Report",
                                 "2026-12-08 09:41",
                                 "Company Information",
                                 "Name",
                                 "Acme Optics",
                                 "Add",
                                 "1 Lake Road",
                                 "Tel",
                                 "0571-1234",
                                 "Fax",
                                 "0571-5678",
                                 "E-mail",
                                 "lab@acme.test",
                                 "Sample Information",
                                 "Sample Name",
                                 "Lamp A",
                                 "Sample Model",
                                 "LX-2",
                                 "Test Result",
                                 "Illuminance",
                                 "Ev",
                                 "1234.50",
                                 "Tcp",
                                 "6504.12",
                                 "R15",
                                 "95.00",
                                 "Peak",
                                 "λd",
                                 "581.25",
                                 "CIE1976",
                                 "0.4683",
                                 "Tri-stimulus",
                                 "108.88",
                                 "Chromatism",
                                 "△uv",
                                 "0.0032",
                                 "Spectrum Data",
                                 "nm",
                                 "Intensity",
                                 "CIE1931",
                                 "SPECTRUM"}) {
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    // The window's label keeps its source spelling; the page prints it right.
    QVERIFY(!text.contains("Iluminance"));
    // An empty remark prints its label alone on its line.
    QVERIFY(text.contains(
        QRegularExpression("^\\s*Remarks\\s*$", QRegularExpression::MultilineOption)));
  }

  void valuesAreRightAlignedAtTheirColumns_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("rightEdge"); // percent of the logical area's width
    QTest::newRow("illuminance") << "1234.50" << 35.0;
    QTest::newRow("y") << "0.3290" << 35.0;
    // The spectrum table: 420 nm ends row 1, 780 nm stands alone in row 9.
    QTest::newRow("420 nm") << "4007" << 95.0;
    QTest::newRow("770 nm") << "39007" << 95.0;
    QTest::newRow("780 nm") << "40007" << 15.0;
  }

  void valuesAreRightAlignedAtTheirColumns() {
    QFETCH(QString, value);
    QFETCH(double, rightEdge);
    const QVector<pdftools::Word> words = pdftools::words(pdf);
    const auto word = std::find_if(words.begin(), words.end(),
                                   [&](const pdftools::Word &w) { return w.text == value; });
    QVERIFY(word != words.end());
    const double edge = word->xMax / kPointsPerUnit;
    QVERIFY2(std::abs(edge - area.x(rightEdge)) < 3,
             qPrintable(QString("ends at %1, not %2").arg(edge).arg(area.x(rightEdge))));
  }

  void chartsShowTheRecord() {
    const QImage page = pdftools::render(pdf, 96);
    QVERIFY(!page.isNull());

    // CIE 1931: x 0.3127 of 0.8, y 0.3290 of 0.9.
    const QRectF cie1931 = area.frame(47, 33, 23, 14);
    const QPoint cross1931 = findCross(page, cie1931);
    QVERIFY2(cross1931.x() >= 0, "no cross in the CIE 1931 chart");
    QVERIFY(std::abs((cross1931.x() - cie1931.left()) / cie1931.width() - 0.39) < 0.02);
    QVERIFY(std::abs((cie1931.bottom() - cross1931.y()) / cie1931.height() - 0.366) < 0.02);
    // The locus passes 520 nm at (0.0743, 0.8338).
    QVERIFY(pdftools::darkNear(page, cie1931.left() + 0.0743 / 0.8 * cie1931.width(),
                               cie1931.bottom() - 0.8338 / 0.9 * cie1931.height()));

    // CIE 1976: u' 0.1978 of 0.7, v' 0.4683 of 0.6.
    const QRectF cie1976 = area.frame(75, 33, 23, 14);
    const QPoint cross1976 = findCross(page, cie1976);
    QVERIFY2(cross1976.x() >= 0, "no cross in the CIE 1976 chart");
    QVERIFY(std::abs((cross1976.x() - cie1976.left()) / cie1976.width() - 0.2826) < 0.02);
    QVERIFY(std::abs((cie1976.bottom() - cross1976.y()) / cie1976.height() - 0.7805) < 0.02);

    // Spectrum: 5007 at 430 nm and 35007 at 730 nm, off every grid line.
    const QRectF spectrum = area.frame(47, 52, 51, 20);
    auto curveX = [&](double nm) { return spectrum.left() + (nm - 380) / 400 * spectrum.width(); };
    auto curveY = [&](double value) {
      return spectrum.bottom() - value / 70000 * spectrum.height();
    };
    QVERIFY(pdftools::darkNear(page, curveX(430), curveY(5007)));
    QVERIFY(pdftools::darkNear(page, curveX(730), curveY(35007)));
    QVERIFY(!pdftools::darkNear(page, curveX(430), curveY(35007)));
  }

  void missingPrintInfoTextsPrintEmpty() {
    const QString path = dir.filePath("no-info.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    solvane::report::setUpPdfPrinter(&printer, path);
    QVERIFY(
        solvane::report::paintTestReport(&printer, sampleRecord(), {"Acme Optics"}, kPaintedAt));
    const QString text = pdftools::text(path);
    QVERIFY(text.contains("Acme Optics"));
    QVERIFY(text.contains(
        QRegularExpression("^\\s*Sample Model\\s*$", QRegularExpression::MultilineOption)));
    QVERIFY(text.contains("1234.50"));
  }

  void recordsWithoutEveryReportFieldPaintNothing_data() {
    QTest::addColumn<QStringList>("record");
    QTest::newRow("empty") << QStringList{};
    QTest::newRow("one field short") << QStringList(sampleRecord().mid(0, 429));
  }

  void recordsWithoutEveryReportFieldPaintNothing() {
    QFETCH(QStringList, record);
    QVERIFY(!solvane::report::hasReportFields(record));
    const QString path = dir.filePath("short.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    solvane::report::setUpPdfPrinter(&printer, path);
    QVERIFY(!solvane::report::paintTestReport(&printer, record, kPrintInfo, kPaintedAt));
    QVERIFY(!QFile::exists(path));
  }
};

QTEST_MAIN(TestTestReport)
#include "tst_testreport.moc"
