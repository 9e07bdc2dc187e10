// KVPainter and KVGraph on an A4 PDF printer: the percentage transforms and
// margins, the range checks and their debug lines, where text lands for
// each alignment, and what a chart draws.

#include "kvgraph.h"
#include "kvpainter.h"
#include "pdf_tools.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// A page of 794 by 1123 units without printer margins, A4 as it measures
// at 96 units per inch on Windows. One unit is one PDF point here, so word
// boxes and rendered pixels (at 72 dpi) are in page units.
void makePage(QPrinter &printer, const QString &path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setResolution(72);
  printer.setPageSize(
      QPageSize(QSize(794, 1123), QPageSize::Point, "794 units", QPageSize::ExactMatch));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

// Percentages are floats, so positions carry float rounding.
bool near(const QPointF &a, const QPointF &b) {
  return (a - b).manhattanLength() < 1e-3;
}
bool near(const QRectF &a, const QRectF &b) {
  return near(a.topLeft(), b.topLeft()) && near(a.bottomRight(), b.bottomRight());
}

const pdftools::Word *findWord(const QVector<pdftools::Word> &words, const QString &text) {
  for (const pdftools::Word &word : words) {
    if (word.text == text) {
      return &word;
    }
  }
  return nullptr;
}

} // namespace

class TestKVPainter : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  // Paints on a fresh full A4 page through `draw` and returns the PDF path.
  QString paint(const QString &name, const std::function<void(KVPainter &)> &draw) {
    const QString path = dir.filePath(name);
    QPrinter printer(QPrinter::ScreenResolution);
    makePage(printer, path);
    QPainter painter(&printer);
    KVPainter page(&painter, &printer);
    draw(page);
    painter.end();
    return path;
  }

  QImage paintGraph(const QString &name, const QPolygonF &data) {
    return pdftools::render(paint(name,
                                  [&](KVPainter &page) {
                                    KVGraph graph;
                                    graph.setAxisScale(1, 0, 10, 5);
                                    graph.setAxisScale(2, 0, 10, 5);
                                    graph.setLineGraphData(data);
                                    page.drawGraph(10, 10, 80, 50, &graph);
                                  }),
                            72);
  }

private slots:
  void initTestCase() { QVERIFY(dir.isValid()); }

  void marginsAndTransforms() {
    QPrinter printer(QPrinter::ScreenResolution);
    makePage(printer, dir.filePath("transforms.pdf"));
    QPainter painter(&printer);
    QTest::ignoreMessage(QtDebugMsg, "设置页边距成功!   左右页边距: 0, 上下页边距: 0");
    KVPainter page(&painter, &printer);
    QCOMPARE(page.transformToLogicalCoordinate(100, 100), QPointF(794, 1123));

    QTest::ignoreMessage(QtDebugMsg, "设置页边距成功!   左右页边距: 39, 上下页边距: 0");
    page.setPageSpace(5, 0); // 39.7 units, truncated
    QCOMPARE(page.horizontalSpace(), 39);
    QCOMPARE(page.verticalSpace(), 0);
    QCOMPARE(page.transformToLogicalCoordinate(0, 0), QPointF(39, 0));
    QVERIFY(near(page.transformToLogicalCoordinate(100, 50), {755, 561.5}));
    QVERIFY(near(page.transformToLogicalCoordinate(50, 10, 10, -20), {397, 112.3, 71.6, -224.6}));

    QTest::ignoreMessage(QtDebugMsg, "设置页边距成功!   左右页边距: 79, 上下页边距: 112");
    page.setPageSpace(10, 10);
    QCOMPARE(page.transformToLogicalCoordinate(100, 100), QPointF(715, 1011));
  }

  // setFont changes the owned font and the painter's; setPen only the owned
  // pen, which drawing does not use.
  void fontAndPen() {
    paint("font.pdf", [](KVPainter &page) {
      QCOMPARE(page.font().family(), QString::fromUtf8("宋体"));
      QCOMPARE(page.font().pointSize(), 20);
      QCOMPARE(page.pen().widthF(), 3.0);
      page.setFont(13, 75, "Calibri");
      QCOMPARE(page.font().pointSize(), 13);
      QCOMPARE(page.font().weight(), 75);
      QCOMPARE(page.font().family(), QString("Calibri"));
      page.setPen(Qt::red, 2);
      QCOMPARE(page.pen().color(), QColor(Qt::red));
      QCOMPARE(page.pen().width(), 2);
      QCOMPARE(page.pen().style(), Qt::SolidLine);
      page.setPen(Qt::blue, 4, Qt::DashLine);
      QCOMPARE(page.pen().style(), Qt::DashLine);
    });
  }

  void outOfRangeCoordinatesGiveTheOrigin_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("message");
    QTest::newRow("x past 100") << 100.5f << 0.0f << "坐标x: 100.5, 坐标y: 0  超出范围(0~100)!";
    QTest::newRow("y below 0") << 20.0f << -1.0f << "坐标x: 20, 坐标y: -1  超出范围(0~100)!";
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 5.0f
                                  << "坐标x: nan, 坐标y: 5  超出范围(0~100)!";
  }

  void outOfRangeCoordinatesGiveTheOrigin() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, message);
    paint("range.pdf", [&](KVPainter &page) {
      QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
      QCOMPARE(page.transformToLogicalCoordinate(x, y), QPointF(0, 0));
      QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
      QCOMPARE(page.transformToLogicalCoordinate(x, y, 10, 10), QRectF());
    });
  }

  void marginsOutsideTheRangeAreRefused() {
    paint("margins.pdf", [](KVPainter &page) {
      page.setPageSpace(5, 0);
      QTest::ignoreMessage(QtDebugMsg, "设置页边距失败!  失败原因:左右页边距: 101, 上下页边距: 0  "
                                       "超出范围(0~100)!");
      page.setPageSpace(101, 0);
      QTest::ignoreMessage(QtDebugMsg, "设置页边距失败!  失败原因:左右页边距: 5, 上下页边距: -0.5  "
                                       "超出范围(0~100)!");
      page.setPageSpace(5, -0.5f);
      QCOMPARE(page.horizontalSpace(), 39);
      QCOMPARE(page.verticalSpace(), 0);
    });
  }

  // Positions in PDF points: the margins are 39 units (29.25 pt), so the
  // logical area runs from 29.25 pt to 566.25 pt and is centred on 297.75.
  void textLandsWhereItsAlignmentSays() {
    const QString pdf = paint("text.pdf", [](KVPainter &page) {
      page.setPageSpace(5, 0);
      page.setFont(14, 50, "DejaVu Sans");
      page.drawText("Flush", 100, 20, Qt::AlignRight);
      page.drawText("Centred", 0, 30, Qt::AlignHCenter);
      page.drawText("Left", 30, 40);
      QTest::ignoreMessage(QtDebugMsg, "坐标x: 100.5, 坐标y: 50  超出范围(0~100)!");
      page.drawText("Origin", 100.5f, 50, Qt::AlignLeft);
    });
    const QVector<pdftools::Word> words = pdftools::words(pdf);
    const pdftools::Word *flush = findWord(words, "Flush");
    const pdftools::Word *centred = findWord(words, "Centred");
    const pdftools::Word *left = findWord(words, "Left");
    const pdftools::Word *origin = findWord(words, "Origin");
    QVERIFY(flush && centred && left && origin);
    QVERIFY2(std::abs(flush->xMax - 755) < 3, qPrintable(QString::number(flush->xMax)));
    QVERIFY(std::abs((centred->xMin + centred->xMax) / 2 - 397) < 2);
    QVERIFY(std::abs(left->xMin - (39 + 0.3 * 716)) < 3);
    QVERIFY(std::abs(left->yMin - 0.4 * 1123) < 6);
    QVERIFY(origin->xMin < 3 && origin->yMin < 6);
  }

  void axisLabels_data() {
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("chromaticity x")
        << 0.0f << 0.8f << 4 << QStringList{"0.000", "0.200", "0.400", "0.600", "0.800"};
    QTest::newRow("chromaticity y")
        << 0.0f << 0.9f << 4 << QStringList{"0.000", "0.225", "0.450", "0.675", "0.900"};
    QTest::newRow("wavelength") << 380.0f << 780.0f << 4
                                << QStringList{"380", "480", "580", "680", "780"};
    QTest::newRow("intensity") << 0.0f << 70000.0f << 7
                               << QStringList{"0",     "10000", "20000", "30000",
                                              "40000", "50000", "60000", "70000"};
  }

  void axisLabels() {
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(int, steps);
    QFETCH(QStringList, labels);
    QStringList made;
    for (int i = 0; i <= steps; ++i) {
      made << axisLabel(min, max, steps, i);
    }
    QCOMPARE(made, labels);
  }

  // The horizontal labels sit under the frame, centred on their grid
  // lines; the vertical ones end at the frame's left edge; the title is
  // above the frame.
  void chartTitleAndLabelsOnThePage() {
    const QString pdf = paint("chart.pdf", [](KVPainter &page) {
      KVGraph graph;
      graph.setGraphType(KVGraph::LineGraph);
      graph.setAxisScale(1, 380, 780, 4);
      graph.setAxisScale(2, 0, 70000, 7);
      graph.setTitle("SPECTRUM");
      graph.setLineGraphData(QPolygonF(QVector<QPointF>{{380, 0}, {780, 70000}}));
      page.drawGraph(20, 20, 60, 40, &graph); // frame 158.8..635.2 by 224.6..673.8 units
    });
    const QVector<pdftools::Word> words = pdftools::words(pdf);
    const pdftools::Word *title = findWord(words, "SPECTRUM");
    QVERIFY(title);
    QVERIFY(title->yMax < 224.6);
    QVERIFY(std::abs((title->xMin + title->xMax) / 2 - 397) < 2);
    const pdftools::Word *middle = findWord(words, "580");
    QVERIFY(middle);
    QVERIFY(std::abs((middle->xMin + middle->xMax) / 2 - 397) < 2);
    QVERIFY(std::abs(middle->yMin - 673.8) < 1); // its box hangs from the frame
    const pdftools::Word *top = findWord(words, "70000");
    QVERIFY(top);
    QVERIFY(std::abs(top->xMax - 158.8) < 2);
    QVERIFY(std::abs((top->yMin + top->yMax) / 2 - 224.6) < 3);
    for (const char *label : {"380", "480", "680", "780", "0", "10000", "60000"}) {
      QVERIFY2(findWord(words, label), label);
    }
  }

  void lineGraphNeedsTwoPoints() {
    const QImage empty = paintGraph("none.pdf", QPolygonF());
    QCOMPARE(paintGraph("one.pdf", QPolygonF(QVector<QPointF>{{5, 5}})), empty);
    const QImage two = paintGraph("two.pdf", QPolygonF(QVector<QPointF>{{1, 1}, {9, 9}}));
    QVERIFY(two != empty);
    // The line from (1, 1) to (9, 9) passes through the frame's middle,
    // (397, 393.1), which no grid line touches (five steps per axis).
    QVERIFY(pdftools::darkNear(two, 397, 393.1) && !pdftools::darkNear(empty, 397, 393.1));
  }
};

QTEST_MAIN(TestKVPainter)
#include "tst_kvpainter.moc"
