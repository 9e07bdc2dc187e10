#include "qualitypage.h"

#include "kvgraph.h"
#include "kvpainter.h"
#include "report_style.h"

#include "solvane/quality/figure_text.h"
#include "solvane/quality/record_quality.h"
#include "solvane/quality/vector_graphic.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace solvane::report {
namespace {

using lightquality::FigureGroup;
using solvane::quality::RecordQuality;

constexpr int kHeadingSize = 20;
constexpr int kBodySize = 13;
constexpr float kRowHeight = 1.5f;

float drawHeading(KVPainter &page, const QString &title, float top) {
  useFont(page, kHeadingSize, kBold);
  page.drawText(title, 0, top, Qt::AlignLeft);
  const float rule = top + 3;
  page.drawLine(0, rule, 100, rule);
  return rule;
}

// The page is in English: the table's texts as they stand.
QString english(const char *text) {
  return QString::fromUtf8(text);
}

// A row's value with its unit, or "n/a"; in brackets where it is a number
// that is not valid (the reason stands at the foot of the page).
QString figure(const lightquality::Figure &row, const lightquality::FigureSource &source,
               int element = 0) {
  const double value = lightquality::figureValue(row, source, element);
  const QString text = solvane::quality::figureText(value, row.decimals);
  const QString shown = std::isfinite(value) && *row.unit ? text + ' ' + english(row.unit) : text;
  return lightquality::figureCaveat(row, source).empty() ? shown : '(' + shown + ')';
}

// "Ra (CIE 13.3)": a row's symbol with the method that defines it.
QString symbolAndMethod(const lightquality::Figure &row, const char *method) {
  return *method ? QString("%1 (%2)").arg(english(row.symbol), english(method))
                 : english(row.symbol);
}

void drawRow(KVPainter &page, const QString &label, const QString &value, float x, float y) {
  useFont(page, kBodySize, kBold);
  page.drawText(label, x, y, Qt::AlignLeft);
  useFont(page, kBodySize, kLight);
  page.drawText(value, x + 40, y, Qt::AlignRight);
}

void drawFigures(KVPainter &page, const RecordQuality &q, float top) {
  const lightquality::FigureSource source = q.figures();
  const lightquality::Figure *standard[] = {
      &lightquality::figure(FigureGroup::kFidelity, "rf"),
      &lightquality::figure(FigureGroup::kFidelity, "rg"),
      &lightquality::figure(FigureGroup::kRendering, "ra"),
      &lightquality::figure(FigureGroup::kCct, "cct_K"),
      &lightquality::figure(FigureGroup::kCct, "duv"),
  };
  for (int i = 0; i < static_cast<int>(std::size(standard)); ++i) {
    drawRow(page, symbolAndMethod(*standard[i], standard[i]->method), figure(*standard[i], source),
            0, top + kRowHeight * i);
  }
  const lightquality::Figure *own[] = {
      &lightquality::figure(FigureGroup::kInstrument, "ra"),
      &lightquality::figure(FigureGroup::kInstrument, "cct_K"),
      &lightquality::figure(FigureGroup::kInstrument, "duv"),
  };
  for (int i = 0; i < static_cast<int>(std::size(own)); ++i) {
    drawRow(page, symbolAndMethod(*own[i], "meter's method"), figure(*own[i], source), 55,
            top + kRowHeight * i);
  }
}

// R1..R14 in two rows of seven label-value pairs.
void drawSpecialIndices(KVPainter &page, const RecordQuality &q, float top) {
  const lightquality::Figure &special = lightquality::figure(FigureGroup::kRendering, "r1_r14");
  for (int i = 0; i < special.count; ++i) {
    const float x = 14.0f * (i % 7);
    const float y = top + kRowHeight * (i / 7);
    useFont(page, kBodySize, kBold);
    page.drawText(QString("%1%2").arg(special.symbol).arg(i + 1), x, y, Qt::AlignLeft);
    useFont(page, kBodySize, kLight);
    page.drawText(figure(special, q.figures(), i), x + 11, y, Qt::AlignRight);
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
  const lightquality::Figure *columns[] = {
      &lightquality::figure(FigureGroup::kAlphaOpic, "irradiance_mW_m2"),
      &lightquality::figure(FigureGroup::kAlphaOpic, "edi_lx"),
      &lightquality::figure(FigureGroup::kAlphaOpic, "der")};
  const lightquality::FigureSource source = q.figures();
  for (int column = 0; column < 3; ++column) {
    const lightquality::Figure &row = *columns[column];
    const float x = 40.0f + 20 * column;
    useFont(page, kBodySize, kBold);
    page.drawText(*row.unit ? QString("%1 (%2)").arg(english(row.symbol), english(row.unit))
                            : english(row.symbol),
                  x, top, Qt::AlignRight);
    useFont(page, kBodySize, kLight);
    for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
      const double value = lightquality::figureValue(row, source, c);
      page.drawText(solvane::quality::figureText(value, row.decimals), x,
                    top + kRowHeight * (c + 1), Qt::AlignRight);
    }
  }
  useFont(page, kBodySize, kBold);
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    page.drawText(columns[0]->elementNames[c], 0, top + kRowHeight * (c + 1), Qt::AlignLeft);
  }
}

// "blend 3990 K": the kind of reference and the CCT it is chosen by.
QString tlciReference(const lightquality::TelevisionLightingConsistency &tlci) {
  if (!tlci.reason.empty()) {
    return solvane::quality::figureText(tlci.qa, 0); // "n/a"
  }
  const lightquality::Figure &cct = lightquality::figure(FigureGroup::kTlci, "cct_k");
  return QString("%1 %2 K")
      .arg(lightquality::tlciReferenceName(tlci.reference))
      .arg(solvane::quality::figureText(tlci.cctKelvin, cct.decimals));
}

// The user-group figures in three columns of label-value pairs; a TLCI
// further than d = 1 from its reference is marked.
void drawUserGroupFigures(KVPainter &page, const RecordQuality &q, float top) {
  const lightquality::FigureSource source = q.figures();
  const auto value = [&source](FigureGroup group, const char *key) {
    const lightquality::Figure &row = lightquality::figure(group, key);
    return solvane::quality::figureText(lightquality::figureValue(row, source), row.decimals);
  };
  const lightquality::TelevisionLightingConsistency &tlci = q.metrics.userGroups.television.tlci;
  const QString cells[][2] = {
      {"SSI Planck 3200 K", value(FigureGroup::kSimilarity, "planck_3200K")},
      {"SSI CIE daylight 5600 K", value(FigureGroup::kSimilarity, "daylight_5600K")},
      {"EV at ISO 100 (C = 250)", value(FigureGroup::kExposure, "ev100")},
      {"TLCI (Qa)", value(FigureGroup::kTlci, "qa")},
      {"TLCI reference", tlciReference(tlci)},
      {"TLCI distance d", value(FigureGroup::kTlci, "d") + (tlci.caution() ? " caution" : "")},
      {"TLMF against CIE A", value(FigureGroup::kTlmf, "cie_a")},
      {"TLMF against CIE D65", value(FigureGroup::kTlmf, "d65")},
      {"PPFD (µmol/m²/s)", value(FigureGroup::kPhoton, "ppfd_umol_m2_s")},
      {"PFD-FR (µmol/m²/s)", value(FigureGroup::kPhoton, "pfd_fr_umol_m2_s")},
      {"R:FR", value(FigureGroup::kPhoton, "r_fr")},
      {"S/P ratio", value(FigureGroup::kScotopic, "s_p_ratio")},
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
  drawUserGroupFigures(page, q,
                       drawHeading(page, "Cinema, Horticulture and Outdoor Lighting", 79.5f));
  // Groups that lack their values for the same reason share one line, so a
  // record without light still fits the page.
  drawReasons(page,
              QStringList{solvane::quality::methodsNote(english)} +
                  solvane::quality::reasonLines(q.figures(), true, english) +
                  solvane::quality::caveatLines(q.figures(), english),
              89.5f);
}

} // namespace solvane::report
