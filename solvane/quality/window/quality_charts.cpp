#include "quality_charts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace solvane::quality {
namespace {

const QColor kReferenceColour(127, 138, 153);
const QColor kTestColour(200, 40, 40);

// Hue-bin colours round the hue circle from red (bin 1), as TM-30 charts
// show them, so a bar and its arrow in the graphic read alike.
QColor binColour(int bin) {
  return QColor::fromHsvF(bin / double(lightquality::kHueBins), 0.55, 0.85);
}

void drawArrow(QPainter &p, const QPointF &from, const QPointF &to) {
  p.drawLine(from, to);
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length < 4) {
    return; // too short for a visible head
  }
  const QPointF unit = along / length;
  const QPointF across(-unit.y(), unit.x());
  p.drawPolygon(QPolygonF({to, to - unit * 7 + across * 3, to - unit * 7 - across * 3}));
}

} // namespace

VectorGraphicView::VectorGraphicView(const VectorGraphic &graphic, QWidget *parent)
    : QWidget(parent), m_graphic(graphic) {
  setMinimumSize(270, 270);
}

void VectorGraphicView::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  const double radius = std::min(width(), height()) * 0.36; // room for shifts of up to 35 %
  const QPointF centre = rect().center();
  // a′ to the right, b′ upward.
  const auto toWidget = [&](const QPointF &point) {
    return centre + QPointF(point.x(), -point.y()) * radius;
  };
  p.setPen(QPen(kReferenceColour, 1, Qt::DashLine));
  p.drawLine(toWidget({-1.3, 0}), toWidget({1.3, 0}));
  p.drawLine(toWidget({0, -1.3}), toWidget({0, 1.3}));
  p.setPen(QPen(Qt::black, 1.5));
  p.drawEllipse(centre, radius, radius);
  if (m_graphic.test.isEmpty()) {
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("n/a"));
    return;
  }
  QPolygonF test;
  for (const QPointF &point : m_graphic.test) {
    test << toWidget(point);
  }
  p.setPen(QPen(kTestColour, 2));
  p.drawPolygon(test);
  for (int bin = 0; bin < m_graphic.test.size(); ++bin) {
    p.setPen(QPen(binColour(bin).darker(130), 1.5));
    p.setBrush(binColour(bin).darker(130));
    drawArrow(p, toWidget(m_graphic.reference[bin]), toWidget(m_graphic.test[bin]));
  }
}

ShiftBarsView::ShiftBarsView(const QString &title,
                             const std::array<double, lightquality::kHueBins> &values, double limit,
                             QWidget *parent)
    : QWidget(parent), m_title(title), m_values(values), m_limit(limit) {
  setMinimumSize(360, 145);
}

void ShiftBarsView::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  p.drawText(QRect(0, 0, width(), line), Qt::AlignCenter, m_title);
  const int labelWidth = metrics.horizontalAdvance(QString("-%1").arg(m_limit)) + 6;
  const QRectF plot(labelWidth, line + 4, width() - labelWidth - 4, height() - 2 * line - 8);
  const auto yOf = [&](double value) {
    return plot.center().y() - value / m_limit * plot.height() / 2;
  };
  p.setPen(QPen(kReferenceColour, 1, Qt::DotLine));
  for (double value : {-m_limit, -m_limit / 2, m_limit / 2, m_limit}) {
    p.drawLine(QPointF(plot.left(), yOf(value)), QPointF(plot.right(), yOf(value)));
  }
  p.setPen(Qt::black);
  for (double value : {-m_limit, 0.0, m_limit}) {
    p.drawText(QRectF(0, yOf(value) - line / 2.0, labelWidth - 4, line),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
  }
  const double slot = plot.width() / lightquality::kHueBins;
  for (int bin = 0; bin < lightquality::kHueBins; ++bin) {
    const double value = m_values[static_cast<std::size_t>(bin)];
    const double left = plot.left() + bin * slot;
    if (std::isfinite(value)) {
      const double shown = std::clamp(value, -m_limit, m_limit);
      p.fillRect(
          QRectF(QPointF(left + slot * 0.15, yOf(0)), QPointF(left + slot * 0.85, yOf(shown)))
              .normalized(),
          binColour(bin));
    }
    p.drawText(QRectF(left, plot.bottom() + 2, slot, line), Qt::AlignCenter,
               QString::number(bin + 1));
  }
  p.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));
  p.drawRect(plot);
}

} // namespace solvane::quality
