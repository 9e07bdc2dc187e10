#include "kvgraph.h"

KVGraph::KVGraph(QObject *parent) : QObject(parent) {}

void KVGraph::setAxisScale(int axis, float minValue, float maxValue, int stepCount) {
  AxisScale &target = isHorizontal(axis) ? m_horizontal : m_vertical;
  target = {minValue, maxValue, stepCount};
}

void KVGraph::setTitle(const QString &title, int /*position*/) {
  m_title = title;
}

void KVGraph::setCIE1931Result(float x, float y) {
  m_cie1931X = x;
  m_cie1931Y = y;
}

void KVGraph::setCIE1976Result(float u, float v) {
  m_cie1976U = u;
  m_cie1976V = v;
}

QString axisLabel(float minValue, float maxValue, int stepCount, int index) {
  const float value = index * (maxValue - minValue) / stepCount + minValue;
  return maxValue < 1.0f ? QString::number(value, 'f', 3) : QString::number(value, 'g', 6);
}
