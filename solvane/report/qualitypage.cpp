#include "qualitypage.h"

#include "kvgraph.h"
#include "kvpainter.h"

#include "solvane/quality/record_quality.h"
#include "solvane/quality/vector_graphic.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace solvane::report {
namespace {

using solvane::quality::RecordQuality;

constexpr int kBold = 75;
constexpr int kLight = 25;
constexpr int kHeadingSize = 20;
constexpr int kBodySize = 13;
constexpr float kRowHeight = 1.5f;
const char *const kFont = "Calibri";

void useFont(KVPainter &page, int size, int weight) {
  page.setFont(size, weight, kFont);
}

float drawHeading(KVPainter &page, const QString &title, float top) {
  useFont(page, kHeadingSize, kBold);
  page.drawText(title, 0, top, Qt::AlignLeft);
  const float rule = top + 3;
  page.drawLine(0, rule, 100, rule);
  return rule;
}

QString figure(double value, int decimals, const QString &unit = {}) {
  return std::isfinite(value) ? QString::number(value, 'f', decimals) + unit
                              : QStringLiteral("n/a");
}

void drawRow(KVPainter &page, const QString &label, const QString &value, float x, float y) {
  useFont(page, kBodySize, kBold);
  page.drawText(label, x, y, Qt::AlignLeft);
  useFont(page, kBodySize, kLight);
  page.drawText(value, x + 40, y, Qt::AlignRight);
}

void drawFigures(KVPainter &page, const RecordQuality &q, float top) {
  const lightquality::LightQuality &m = q.metrics;
  const QString rows[][2] = {
      {"Rf (CIE 2017, TM-30-18)", figure(m.fidelity.rf, 1)},
      {"Rg (TM-30-18)", figure(m.fidelity.rg, 1)},
      {"Ra (CIE 13.3)", figure(m.rendering.ra, 1)},
      {"CCT (CIE 15:2018)", figure(m.cct.kelvin, 0, " K")},
      {"Duv (CIE 15:2018)", figure(m.cct.duv, 4)},
  };
  for (int i = 0; i < 5; ++i) {
    drawRow(page, rows[i][0], rows[i][1], 0, top + kRowHeight * i);
  }
  const QString own[][2] = {
      {"Ra (record)", figure(q.input.own.ra, 2)},
      {"Tcp (record)", figure(q.input.own.cct, 0, " K")},
      {"Δuv (record)", figure(q.input.own.duv, 4)},
  };
  for (int i = 0; i < 3; ++i) {
    drawRow(page, own[i][0], own[i][1], 55, top + kRowHeight * i);
  }
}

// R1..R14 in two rows of seven label-value pairs.
void drawSpecialIndices(KVPainter &page, const RecordQuality &q, float top) {
  const auto &special = q.metrics.rendering.special;
  for (int i = 0; i < static_cast<int>(special.size()); ++i) {
    const float x = 14.0f * (i % 7);
    const float y = top + kRowHeight * (i / 7);
    useFont(page, kBodySize, kBold);
    page.drawText(QString("R%1").arg(i + 1), x, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(figure(special[static_cast<std::size_t>(i)], 1), x + 11, y, Qt::AlignRight);
  }
}

// The colour vector graphic in a square of `side` per cent of the width:
// the reference circle, the test polygon and an arrow per hue bin.
void drawVectorGraphic(KVPainter &page, const RecordQuality &q, float left, float top, float side) {
  // Per cent of the height that makes the box square on the device.
  const QRectF area = page.transformToLogicalCoordinate(0, 0, 100, 100);
  const float height = side * float(area.width() / area.height());
  const QPointF centre(left + side / 2, top + height / 2);
  const auto at = [&](const QPointF &p) {
    return QPointF(centre.x() + p.x() * side * 0.36, centre.y() - p.y() * height * 0.36);
  };
  const auto line = [&](const QPointF &from, const QPointF &to) {
    const QPointF a = at(from);
    const QPointF b = at(to);
    page.drawLine(float(a.x()), float(a.y()), float(b.x()), float(b.y()));
  };
  page.drawRect(left, top, side, height);
  constexpr int kCircleSegments = 72;
  const double step = 2 * std::acos(-1.0) / kCircleSegments;
  for (int i = 0; i < kCircleSegments; ++i) {
    const double a0 = step * i;
    const double a1 = step * (i + 1);
    line({std::cos(a0), std::sin(a0)}, {std::cos(a1), std::sin(a1)});
  }
  const solvane::quality::VectorGraphic graphic =
      solvane::quality::vectorGraphic(q.metrics.fidelity);
  const int bins = graphic.test.size();
  for (int bin = 0; bin < bins; ++bin) {
    line(graphic.test[bin], graphic.test[(bin + 1) % bins]);
    const QPointF from = graphic.reference[bin];
    const QPointF to = graphic.test[bin];
    line(from, to);
    // A head of two short strokes, unless the shift is too small to show one.
    const QLineF shaft(from, to);
    if (shaft.length() > 0.05) {
      for (double turn : {150.0, -150.0}) {
        QLineF stroke = QLineF::fromPolar(0.05, shaft.angle() + turn);
        line(to, to + QPointF(stroke.dx(), -stroke.dy()));
      }
    }
  }
}

// The 16 values as bars from zero: a KVGraph line that steps up and down.
void drawBars(KVPainter &page, const QString &title,
              const std::array<double, lightquality::kHueBins> &values, float limit, float left,
              float top) {
  QPolygonF bars;
  for (int bin = 0; bin < lightquality::kHueBins; ++bin) {
    const double v = values[static_cast<std::size_t>(bin)];
    const double shown = std::isfinite(v) ? std::clamp(v, double(-limit), double(limit)) : 0.0;
    bars << QPointF(bin + 0.15, 0) << QPointF(bin + 0.15, shown) << QPointF(bin + 0.85, shown)
         << QPointF(bin + 0.85, 0);
  }
  KVGraph graph;
  graph.setGraphType(KVGraph::LineGraph);
  graph.setAxisScale(1, 0, 16, 8);
  graph.setAxisScale(2, -limit, limit, 4);
  graph.setTitle(title);
  graph.setLineGraphData(bars);
  page.drawGraph(left, top, 40, 14, &graph);
}

void drawAlphaOpic(KVPainter &page, const RecordQuality &q, float top) {
  const lightquality::AlphaOpic &a = q.metrics.alphaOpic;
  const char *const channels[] = {"S-cone", "M-cone", "L-cone", "Rhodopic", "Melanopic"};
  useFont(page, kBodySize, kBold);
  page.drawText("E (mW/m²)", 40, top, Qt::AlignRight);
  page.drawText("EDI (lx)", 60, top, Qt::AlignRight);
  page.drawText("DER", 80, top, Qt::AlignRight);
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    const auto channel = static_cast<std::size_t>(c);
    const float y = top + kRowHeight * (c + 1);
    useFont(page, kBodySize, kBold);
    page.drawText(channels[c], 0, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(figure(a.irradiance[channel], 3), 40, y, Qt::AlignRight);
    page.drawText(figure(a.edi[channel], 2), 60, y, Qt::AlignRight);
    page.drawText(figure(a.der[channel], 4), 80, y, Qt::AlignRight);
  }
}

// The user-group figures in three columns of label-value pairs.
void drawUserGroupFigures(KVPainter &page, const RecordQuality &q, float top) {
  const lightquality::UserGroupFigures &f = q.metrics.userGroups;
  const QString cells[][2] = {
      {"SSI Planck 3200 K", figure(f.ssiPlanck3200.value, 0)},
      {"SSI CIE daylight 5600 K", figure(f.ssiDaylight5600.value, 0)},
      {"EV at ISO 100 (C = 250)", figure(f.exposure.ev100, 2)},
      {"PPFD (µmol/m²/s)", figure(f.photon.ppfd, 2)},
      {"PFD-FR (µmol/m²/s)", figure(f.photon.pfdFarRed, 2)},
      {"R:FR", figure(f.photon.redFarRed, 3)},
      {"S/P ratio", figure(f.scotopic.value, 3)},
  };
  constexpr float kColumnWidth = 34;
  constexpr int kColumns = 3;
  for (int i = 0; i < static_cast<int>(std::size(cells)); ++i) {
    const float x = kColumnWidth * (i % kColumns);
    const float y = top + kRowHeight * (i / kColumns);
    useFont(page, kBodySize, kBold);
    page.drawText(cells[i][0], x, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(cells[i][1], x + kColumnWidth - 3, y, Qt::AlignRight);
  }
}

// Why groups read "n/a", one each in smaller type; a long reason wraps to a
// second line, so each gets the height of two.
void drawReasons(KVPainter &page, const QStringList &reasons, float top) {
  constexpr int kReasonSize = 10;
  constexpr float kReasonHeight = 2.6f;
  useFont(page, kReasonSize, kLight);
  for (int i = 0; i < reasons.size(); ++i) {
    page.drawText(reasons[i], 0, top + kReasonHeight * i, Qt::AlignLeft);
  }
}

QStringList reasonsOf(const lightquality::LightQuality &m) {
  QStringList reasons;
  const std::pair<const char *, const std::string &> groups[] = {
      {"CCT and Duv", m.cct.reason},
      {"Ra", m.rendering.reason},
      {"Rf and Rg", m.fidelity.reason},
      {"α-opic quantities", m.alphaOpic.reason},
      {"SSI", m.userGroups.ssiPlanck3200.reason},
      {"Photon quantities", m.userGroups.photon.reason},
      {"S/P ratio", m.userGroups.scotopic.reason},
      {"EV", m.userGroups.exposure.reason},
  };
  // Groups that lack their values for the same reason share one line, so a
  // record without light still fits the page.
  QStringList names;
  QStringList texts;
  for (const auto &[group, reason] : groups) {
    if (reason.empty()) {
      continue;
    }
    const QString text = QString::fromStdString(reason);
    const int same = texts.indexOf(text);
    if (same < 0) {
      names << group;
      texts << text;
    } else {
      names[same] += QString(", ") + group;
    }
  }
  for (int i = 0; i < texts.size(); ++i) {
    reasons << QString("%1: n/a, %2").arg(names[i], texts[i]);
  }
  return reasons;
}

} // namespace

void drawQualityPage(KVPainter &page, const QStringList &record) {
  page.setPageSpace(5, 0);
  useFont(page, 30, kBold);
  page.drawText("Light Quality", 0, 0, Qt::AlignHCenter);
  RecordQuality q;
  QString problem;
  const bool readable = solvane::quality::evaluateRecord(record, &q, &problem);
  useFont(page, kBodySize, kBold);
  page.drawText(readable ? QString("%1  %2  Ev %3 lx")
                               .arg(q.input.label, q.input.time)
                               .arg(q.input.illuminance, 0, 'f', 2)
                         : record.value(0),
                100, 4, Qt::AlignRight);
  const float figuresTop = drawHeading(page, "Standard Figures", 6);
  if (!readable) {
    drawReasons(page, {problem}, figuresTop);
    return;
  }
  drawFigures(page, q, figuresTop);
  drawSpecialIndices(page, q, drawHeading(page, "CIE 13.3 Special Indices", 16.5f));
  drawHeading(page, "TM-30 Colour Vector Graphic", 23.5f);
  drawVectorGraphic(page, q, 0, 28.5f, 50);
  drawBars(page, "Local chroma shift Rcs,hj (%)", q.metrics.fidelity.binChromaShift, 40, 57, 29);
  drawBars(page, "Local hue shift Rhs,hj", q.metrics.fidelity.binHueShift, 0.4f, 57, 47);
  drawAlphaOpic(page, q, drawHeading(page, "CIE S 026 α-opic Quantities", 66));
  drawUserGroupFigures(page, q, drawHeading(page, "Cinema, Horticulture and Outdoor Lighting", 81));
  drawReasons(page, reasonsOf(q.metrics), 89.5f);
}

} // namespace solvane::report
