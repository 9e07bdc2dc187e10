#pragma once

// A passive description of one report chart: its kind, axis ranges and
// divisions, title, and the data to draw (a polyline, or one chromaticity
// point). KVPainter::drawGraph draws it.

#include <QObject>
#include <QPointF>
#include <QPolygonF>
#include <QString>

class KVGraph : public QObject {
  Q_OBJECT

public:
  enum GraphType { LineGraph = 0, Cie1931Graph = 1, Cie1976Graph = 2 };
  Q_ENUM(GraphType)

  explicit KVGraph(QObject *parent = nullptr);

public slots:
  // Axis 0 or 1 is the horizontal axis, any other value the vertical one.
  void setGraphType(KVGraph::GraphType type) { m_type = type; }
  void setAxisScale(int axis, float minValue, float maxValue, int stepCount);
  // Every title is drawn centred above the chart, so the position has no
  // effect; the overload stays for callers that pass one.
  void setTitle(const QString &title, int position);
  void setTitle(const QString &title) { m_title = title; }
  float axisMinValue(int axis) const { return scale(axis).min; }
  float axisMaxValue(int axis) const { return scale(axis).max; }
  int axisStepCount(int axis) const { return scale(axis).steps; }
  int xAxisStepCount() const { return m_horizontal.steps; }
  int yAxisStepCount() const { return m_vertical.steps; }
  KVGraph::GraphType type() const { return m_type; }
  QString title() const { return m_title; }
  void setLineGraphData(const QPolygonF &data) { m_lineGraphData = data; }
  QPolygonF lineGraphData() const { return m_lineGraphData; }
  void setCIE1931Result(float x, float y);
  QPointF CIE1931Result() const { return QPointF(m_cie1931X, m_cie1931Y); }
  void setCIE1976Result(float u, float v);
  QPointF CIE1976Result() const { return QPointF(m_cie1976U, m_cie1976V); }

private:
  struct AxisScale {
    float min = 0;
    float max = 0;
    int steps = 0;
  };

  static bool isHorizontal(int axis) { return axis == 0 || axis == 1; }
  const AxisScale &scale(int axis) const { return isHorizontal(axis) ? m_horizontal : m_vertical; }

  GraphType m_type = LineGraph;
  QString m_title;
  AxisScale m_horizontal;
  AxisScale m_vertical;
  QPolygonF m_lineGraphData;
  float m_cie1931X = 0;
  float m_cie1931Y = 0;
  float m_cie1976U = 0;
  float m_cie1976V = 0;
};

// The label of division `index` (0 to stepCount) of an axis: the value is
// computed in float, as drawn; axes that end below 1 show three decimals,
// the others up to six significant digits.
QString axisLabel(float minValue, float maxValue, int stepCount, int index);
