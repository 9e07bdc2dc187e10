#include "metrics_csv.h"

#include "usergroup_output.h"

#include "lightquality/figure_table.h"
#include "lightquality/uncertainty.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <vector>

namespace {

using lightquality::Figure;
using lightquality::FigureGroupInfo;
using lightquality::UncertainFigure;
using lightquality::UncertaintyResult;

// A field as RFC 4180 has it: quoted, with its quotes doubled, where it
// holds a separator, a quote or a line break.
QString field(const QString &text) {
  static const QRegularExpression special("[,\"\r\n]");
  if (!text.contains(special)) {
    return text;
  }
  return '"' + QString(text).replace('"', "\"\"") + '"';
}

QString number(double value) {
  return std::isfinite(value) ? QString::number(value, 'g', QLocale::FloatingPointShortest)
                              : QString();
}

QByteArray csvLine(const QStringList &fields) {
  QStringList quoted;
  for (const QString &f : fields) {
    quoted << field(f);
  }
  return (quoted.join(',') + '\n').toUtf8();
}

// "CCT [K] (CIE 15:2018)", "Ra (meter's method)", "S-cone E [mW/m²] (CIE S 026)".
QString columnName(const std::string &label, const char *unit, const char *method) {
  QString name = QString::fromStdString(label);
  if (*unit) {
    name += QString(" [%1]").arg(QString::fromUtf8(unit));
  }
  if (*method) {
    name += QString(" (%1)").arg(QString::fromUtf8(method));
  }
  return name;
}

QString columnName(const Figure &row, int element) {
  return columnName(lightquality::elementLabel(row, element), row.unit, row.method);
}

// The spectrum's own colorimetry is named without a method: the plain x, y
// beside the meter's.
QString columnName(const UncertainFigure &figure) {
  return columnName(figure.label, figure.unit, "");
}

// The method of a group's CCT, naming its "CCT defined" column; null where
// no row of the group rests on a CCT.
const char *cctMethod(const FigureGroupInfo &info) {
  for (const Figure &row : lightquality::figureTable()) {
    if (row.group == info.group && row.restsOnCct) {
      return row.method;
    }
  }
  return nullptr;
}

// The spectrum's own colorimetry, which has uncertainties but no table row.
const std::vector<std::size_t> &colourFigures() {
  static const std::vector<std::size_t> figures = [] {
    std::vector<bool> inTable(lightquality::uncertainFigures().size());
    for (const Figure &row : lightquality::figureTable()) {
      for (int e = 0; e < row.count; ++e) {
        if (const int f = lightquality::uncertainFigureOf(row, e); f >= 0) {
          inTable[static_cast<std::size_t>(f)] = true;
        }
      }
    }
    std::vector<std::size_t> list;
    for (std::size_t f = 0; f < inTable.size(); ++f) {
      if (!inTable[f]) {
        list.push_back(f);
      }
    }
    return list;
  }();
  return figures;
}

void addUncertaintyNames(QStringList *names, const QString &figure) {
  *names << figure + " u" << figure + " low95" << figure + " high95" << figure + " undefined draws";
}

void addUncertainty(QStringList *fields, const lightquality::FigureUncertainty &f) {
  *fields << number(f.u) << number(f.low95) << number(f.high95)
          << QString::number(f.undefinedDraws);
}

// Calls `visit` with each element of the figure table's rows, group by
// group, and with a null row at the end of each group.
template <typename Visit> void forEachTableColumn(Visit visit) {
  for (const FigureGroupInfo &info : lightquality::figureGroups()) {
    for (const Figure &row : lightquality::figureTable()) {
      if (row.group == info.group) {
        for (int e = 0; e < row.count; ++e) {
          visit(&row, e, info);
        }
      }
    }
    visit(nullptr, 0, info); // the group's end
  }
}

} // namespace

MetricsCsv::MetricsCsv(const ExtraReferences &extra, const UncertaintyRequest *uncertainty)
    : extra_(extra), uncertainty_(uncertainty) {}

QByteArray MetricsCsv::header() const {
  return csvLine(columnNames());
}

QStringList MetricsCsv::columnNames() const {
  QStringList names{"Record", "Time", "Illuminance [lx]", "Not evaluated because"};
  if (uncertainty_) {
    names << "Uncertainty budget"
          << "Uncertainty mode"
          << "Draws"
          << "Converged"
          << "Seed";
    for (const std::size_t f : colourFigures()) {
      const QString name = columnName(lightquality::uncertainFigures()[f]);
      names << name;
      addUncertaintyNames(&names, name);
    }
  }
  forEachTableColumn([&](const Figure *row, int element, const FigureGroupInfo &info) {
    if (!row) {
      if (const char *method = cctMethod(info)) {
        names << QString("CCT defined (%1)").arg(QString::fromUtf8(method));
      }
      return;
    }
    names << columnName(*row, element);
    if (uncertainty_ && lightquality::uncertainFigureOf(*row, element) >= 0) {
      addUncertaintyNames(&names, columnName(*row, element));
    }
  });
  names << extraFigureNames(extra_);
  return names;
}

QByteArray MetricsCsv::line(const QString &name, const solvane::quality::RecordQuality &record,
                            const UncertaintyResult &uncertainty) const {
  const lightquality::FigureSource source = record.figures();
  QStringList fields{name, record.input.time, number(record.input.illuminance), QString()};
  if (uncertainty_) {
    fields << QString::fromStdString(uncertainty_->budget.name)
           << (uncertainty.adaptive ? "adaptive" : "fixed") << QString::number(uncertainty.draws)
           << (uncertainty.adaptive ? (uncertainty.converged ? "true" : "false") : QString())
           << QString::number(uncertainty.seed);
    for (const std::size_t f : colourFigures()) {
      fields << number(uncertainty.figures[f].value);
      addUncertainty(&fields, uncertainty.figures[f]);
    }
  }
  forEachTableColumn([&](const Figure *row, int element, const FigureGroupInfo &info) {
    if (!row) {
      if (cctMethod(info)) {
        fields << (lightquality::cctDefined(source, info.group) ? "true" : "false");
      }
      return;
    }
    fields << number(lightquality::figureValue(*row, source, element));
    if (const int f = lightquality::uncertainFigureOf(*row, element); uncertainty_ && f >= 0) {
      addUncertainty(&fields, uncertainty.figures[static_cast<std::size_t>(f)]);
    }
  });
  for (const double value : extraFigureValues(record, extra_)) {
    fields << number(value);
  }
  return csvLine(fields);
}

QByteArray MetricsCsv::unevaluatedLine(const QString &name, const QString &problem) const {
  QStringList fields{name, QString(), QString(), problem};
  const int columns = static_cast<int>(columnNames().size());
  while (fields.size() < columns) {
    fields << QString();
  }
  return csvLine(fields);
}
