#include "kvpainter.h"

#include "kvgraph.h"

#include "cie/tables.h"

#include <QDebug>
#include <QLine>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>
#include <QTextOption>

#include <array>

namespace {

constexpr int kHorizontalAxis = 1;
constexpr int kVerticalAxis = 2;
constexpr int kCrossArm = 10;         // device units either side of the point
constexpr qreal kTitleRise = 20;      // device units from the title's top to the frame
constexpr qreal kLabelBoxWidth = 200; // device units; labels are centred in these boxes
constexpr qreal kLabelBoxHeight = 100;

bool inPercentRange(float value) {
  return value >= 0 && value <= 100;
} // NaN is outside

void writeDebugLine(const QString &line) {
  qDebug().noquote() << line;
}

// Without ligatures every glyph of a Latin text maps back to its letter, so
// the words of a PDF report stay searchable and copyable ("fi" and "ti" of
// some fonts otherwise come out as unmapped glyphs).
QFont withoutLigatures(QFont font) {
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// The CIE 1931 2° spectral locus, 380 to 780 nm in 5 nm steps, as float
// chromaticities x, y.
const QPolygonF &spectralLocus() {
  static const QPolygonF locus = [] {
    const cie::Table &table = cie::locus1931_5nm_4dp;
    QPolygonF points;
    for (int nm = table.firstNm; nm <= table.lastNm(); nm += table.stepNm) {
      const double *xy = table.row(nm);
      points << QPointF(static_cast<float>(xy[0]), static_cast<float>(xy[1]));
    }
    return points;
  }();
  return locus;
}

// CIE 1976 u', v' of a CIE 1931 x, y.
QPointF toUniformScale(const QPointF &xy) {
  const qreal denominator = -2 * xy.x() + 12 * xy.y() + 3;
  return {4 * xy.x() / denominator, 9 * xy.y() / denominator};
}

// Graph value to device point inside the chart frame; nothing is clipped.
QPointF mapToFrame(const QRectF &frame, const KVGraph &graph, const QPointF &value) {
  const qreal minX = graph.axisMinValue(kHorizontalAxis);
  const qreal minY = graph.axisMinValue(kVerticalAxis);
  const qreal spanX = graph.axisMaxValue(kHorizontalAxis) - minX;
  const qreal spanY = graph.axisMaxValue(kVerticalAxis) - minY;
  return {frame.left() + (value.x() - minX) * frame.width() / spanX,
          frame.top() + frame.height() - (value.y() - minY) * frame.height() / spanY};
}

QPolygonF mapToFrame(const QRectF &frame, const KVGraph &graph, const QPolygonF &values) {
  QPolygonF points;
  points.reserve(values.size());
  for (const QPointF &value : values) {
    points << mapToFrame(frame, graph, value);
  }
  return points;
}

} // namespace

KVPainter::KVPainter(QPainter *painter, QPrinter *printer)
    : m_pen(QBrush(Qt::black), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin),
      m_font(QString::fromUtf8("宋体"), 20, 25, false), m_painter(painter), m_printer(printer) {
  setPageSpace(0, 0);
}

QRectF KVPainter::pageRect() const {
  return m_printer->pageLayout().paintRectPixels(m_printer->resolution());
}

bool KVPainter::acceptsCoordinates(float x, float y) const {
  if (inPercentRange(x) && inPercentRange(y)) {
    return true;
  }
  writeDebugLine(QString::fromUtf8("坐标x: %1, 坐标y: %2  超出范围(0~100)!").arg(x).arg(y));
  return false;
}

// The page rectangle is read again for every position, so a page set-up
// changed between two drawing calls (as the print preview does) applies.
void KVPainter::updateLogicalArea() {
  const QRectF page = pageRect();
  m_logicalArea = QRectF(m_horizontalSpace, m_verticalSpace, page.width() - 2 * m_horizontalSpace,
                         page.height() - 2 * m_verticalSpace);
}

QPointF KVPainter::transformToLogicalCoordinate(float x, float y) {
  if (!acceptsCoordinates(x, y)) {
    return {};
  }
  updateLogicalArea();
  return {m_logicalArea.left() + x / 100 * m_logicalArea.width(),
          m_logicalArea.top() + y / 100 * m_logicalArea.height()};
}

QRectF KVPainter::transformToLogicalCoordinate(float x, float y, float width, float height) {
  if (!acceptsCoordinates(x, y)) {
    return {};
  }
  const QPointF topLeft = transformToLogicalCoordinate(x, y);
  return {topLeft.x(), topLeft.y(), m_logicalArea.width() * width / 100,
          m_logicalArea.height() * height / 100};
}

void KVPainter::drawText(const QString &text, float x, float y, Qt::Alignment alignment) {
  const QPointF anchor = transformToLogicalCoordinate(x, y);
  const QRectF &area = m_logicalArea;
  const qreal boxHeight = 0.1 * area.height();
  const QRectF box = alignment == Qt::AlignRight
                         ? QRectF(anchor.x() - area.width(), anchor.y(), area.width(), boxHeight)
                         : QRectF(anchor.x(), anchor.y(), area.right() - anchor.x(), boxHeight);
  m_painter->drawText(box, text, QTextOption(alignment));
}

void KVPainter::drawText(const QString &text, float x, float y) {
  drawText(text, x, y, Qt::AlignLeft);
}

void KVPainter::drawLine(float startX, float startY, float endX, float endY) {
  const QPointF start = transformToLogicalCoordinate(startX, startY);
  const QPointF end = transformToLogicalCoordinate(endX, endY);
  m_painter->drawLine(QLineF(start, end));
}

void KVPainter::drawRect(float x, float y, float width, float height) {
  m_painter->drawRect(transformToLogicalCoordinate(x, y, width, height));
}

void KVPainter::drawImage(float x, float y, float width, float height, const QImage &image) {
  m_painter->drawImage(transformToLogicalCoordinate(x, y, width, height), image,
                       QRectF(0, 0, image.width(), image.height()), Qt::AutoColor);
}

void KVPainter::setPageSpace(float horizontalSpace, float verticalSpace) {
  if (!inPercentRange(horizontalSpace) || !inPercentRange(verticalSpace)) {
    writeDebugLine(QString::fromUtf8("设置页边距失败!  失败原因:左右页边距: %1, 上下页边距: %2  "
                                     "超出范围(0~100)!")
                       .arg(horizontalSpace)
                       .arg(verticalSpace));
    return;
  }
  const QRectF page = pageRect();
  m_horizontalSpace = static_cast<int>(horizontalSpace / 100 * page.width());
  m_verticalSpace = static_cast<int>(verticalSpace / 100 * page.height());
  writeDebugLine(QString::fromUtf8("设置页边距成功!   左右页边距: %1, 上下页边距: %2")
                     .arg(m_horizontalSpace)
                     .arg(m_verticalSpace));
}

void KVPainter::setFont(const QFont &font) {
  m_font = font;
  applyFont(m_font);
}

void KVPainter::setFont(int pointSize, int weight, const QString &family) {
  m_font.setPointSize(pointSize);
  m_font.setWeight(weight);
  m_font.setFamily(family);
  applyFont(m_font);
}

void KVPainter::applyFont(const QFont &font) {
  m_painter->setFont(withoutLigatures(font));
}

void KVPainter::setPen(const QColor &color, int width, Qt::PenStyle penStyle) {
  m_pen.setColor(color);
  m_pen.setWidth(width);
  m_pen.setStyle(penStyle);
}

void KVPainter::drawGraph(float x, float y, float width, float height, KVGraph *graph) {
  const QRectF frame = transformToLogicalCoordinate(x, y, width, height);
  // Data positions map onto the chart frame until the next transform.
  m_logicalArea = frame;
  m_painter->drawRect(frame);
  if (!graph) {
    return;
  }
  m_painter->setPen(QPen(Qt::DashLine));
  drawGrid(frame, graph->xAxisStepCount(), graph->yAxisStepCount());

  applyFont(QFont("Calibri", 12, 75));
  m_painter->drawText(
      QRectF(frame.left(), frame.top() - kTitleRise, frame.width(), frame.height() + kTitleRise),
      graph->title(), QTextOption(Qt::AlignHCenter));
  applyFont(m_font);

  applyFont(QFont("Calibri", 8, 25));
  drawAxisLabels(frame, *graph);
  applyFont(m_font);

  drawContent(frame, *graph);
  m_painter->setPen(QPen(Qt::SolidLine));
}

void KVPainter::drawGrid(const QRectF &frame, int columns, int rows) {
  for (int i = 1; i < columns; ++i) {
    const qreal x = frame.left() + i * frame.width() / columns;
    m_painter->drawLine(QLineF(x, frame.top(), x, frame.top() + frame.height()));
  }
  for (int j = 1; j < rows; ++j) {
    const qreal y = frame.top() + j * frame.height() / rows;
    m_painter->drawLine(QLineF(frame.left(), y, frame.left() + frame.width(), y));
  }
}

void KVPainter::drawAxisLabels(const QRectF &frame, const KVGraph &graph) {
  const int columns = graph.xAxisStepCount();
  for (int i = 0; i <= columns; ++i) {
    const QString label = axisLabel(graph.axisMinValue(kHorizontalAxis),
                                    graph.axisMaxValue(kHorizontalAxis), columns, i);
    const qreal x = frame.left() + i * frame.width() / columns;
    m_painter->drawText(QRectF(x - kLabelBoxWidth / 2, frame.top() + frame.height(), kLabelBoxWidth,
                               kLabelBoxHeight),
                        label, QTextOption(Qt::AlignHCenter));
  }
  const int rows = graph.yAxisStepCount();
  for (int j = 0; j <= rows; ++j) {
    const QString label =
        axisLabel(graph.axisMinValue(kVerticalAxis), graph.axisMaxValue(kVerticalAxis), rows, j);
    const qreal y = frame.top() + frame.height() - j * frame.height() / rows;
    m_painter->drawText(QRectF(frame.left() - kLabelBoxWidth, y - kLabelBoxHeight / 2,
                               kLabelBoxWidth, kLabelBoxHeight),
                        label, QTextOption(Qt::AlignRight | Qt::AlignVCenter));
  }
}

void KVPainter::drawContent(const QRectF &frame, const KVGraph &graph) {
  m_painter->setPen(QPen(Qt::SolidLine));
  switch (graph.type()) {
  case KVGraph::LineGraph:
    if (graph.lineGraphData().size() >= 2) {
      m_painter->drawPolyline(mapToFrame(frame, graph, graph.lineGraphData()));
    }
    break;
  case KVGraph::Cie1931Graph:
    drawLocus(frame, graph, false);
    break;
  case KVGraph::Cie1976Graph:
    drawLocus(frame, graph, true);
    break;
  }
}

// The spectral locus closed by the line of purples, and a cross on the
// graph's chromaticity point.
void KVPainter::drawLocus(const QRectF &frame, const KVGraph &graph, bool uniformScale) {
  QPolygonF locus = spectralLocus();
  if (uniformScale) {
    for (QPointF &point : locus) {
      point = toUniformScale(point);
    }
  }
  QPolygonF outline = mapToFrame(frame, graph, locus);
  outline << outline.first();
  m_painter->drawPolyline(outline);

  const QPointF centre =
      mapToFrame(frame, graph, uniformScale ? graph.CIE1976Result() : graph.CIE1931Result());
  const std::array<QLine, 2> cross{
      QLine(static_cast<int>(centre.x() - kCrossArm), static_cast<int>(centre.y()),
            static_cast<int>(centre.x() + kCrossArm), static_cast<int>(centre.y())),
      QLine(static_cast<int>(centre.x()), static_cast<int>(centre.y() - kCrossArm),
            static_cast<int>(centre.x()), static_cast<int>(centre.y() + kCrossArm))};
  m_painter->drawLines(cross.data(), static_cast<int>(cross.size()));
}
