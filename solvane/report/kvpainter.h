#pragma once

// Draws a printed page in percentage coordinates: (0, 0) is the top-left
// and (100, 100) the bottom-right corner of the logical area, the printer's
// page rectangle less the margins set with setPageSpace. The y axis grows
// downward. Widget-free, so the window's print preview, solvane-cli and the
// tests all paint through it.

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

class KVGraph;
class QPainter;
class QPrinter;

class KVPainter : public QObject {
  Q_OBJECT

public:
  // Neither the painter, already active on the printer, nor the printer is
  // owned. The margins start at 0.
  KVPainter(QPainter *painter, QPrinter *printer);

  // Point and rectangle from percentages to device units. Coordinates
  // outside 0 to 100 write a debug line and give the origin (or the empty
  // rectangle), so a bad position shows at the page corner instead of
  // somewhere off the page. Width and height may take any value.
  QPointF transformToLogicalCoordinate(float x, float y);
  QRectF transformToLogicalCoordinate(float x, float y, float width, float height);

  int horizontalSpace() const { return m_horizontalSpace; }
  int verticalSpace() const { return m_verticalSpace; }
  QFont font() const { return m_font; }
  QPen pen() const { return m_pen; }

public slots:
  // The text box's top edge is at (x, y). Qt::AlignRight ends the text at
  // x; every other alignment lays it out between x and the right margin.
  void drawText(const QString &text, float x, float y, Qt::Alignment alignment);
  void drawText(const QString &text, float x, float y);
  void drawLine(float startX, float startY, float endX, float endY);
  void drawRect(float x, float y, float width, float height);
  void drawImage(float x, float y, float width, float height, const QImage &image);
  // Frame, dashed grid, title, axis labels and the graph's content.
  void drawGraph(float x, float y, float width, float height, KVGraph *graph);
  // Side margins as percentages of the page width, top and bottom margins
  // of its height; values outside 0 to 100 are refused with a debug line.
  void setPageSpace(float horizontalSpace, float verticalSpace);
  void setFont(const QFont &font);
  void setFont(int pointSize, int weight, const QString &family);
  // The stored pen is not applied: frames, rules and curves always use a
  // black pen of width 1, so a report looks the same whatever was set here.
  void setPen(const QPen &pen) { m_pen = pen; }
  void setPen(const QColor &color, int width, Qt::PenStyle penStyle);
  void setPen(const QColor &color, int width) { setPen(color, width, Qt::SolidLine); }

private:
  QRectF pageRect() const;
  void applyFont(const QFont &font);
  bool acceptsCoordinates(float x, float y) const;
  void updateLogicalArea();
  void drawGrid(const QRectF &frame, int columns, int rows);
  void drawAxisLabels(const QRectF &frame, const KVGraph &graph);
  void drawContent(const QRectF &frame, const KVGraph &graph);
  void drawLocus(const QRectF &frame, const KVGraph &graph, bool uniformScale);

  QPen m_pen;
  QFont m_font;
  QPainter *m_painter;
  QPrinter *m_printer;
  int m_verticalSpace = 0;
  int m_horizontalSpace = 0;
  QRectF m_logicalArea;
};
