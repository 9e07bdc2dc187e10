#include "compare_command.h"

#include "exit_status.h"
#include "count_text.h"
#include "quoting/quoted_qstring.h"
#include "tsiostream.h"

#include "solvane/quality/comparison_table.h"
#include "solvane/quality/figure_text.h"
#include "solvane/quality/spectrum_record.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <cmath>
#include <cstdio>

namespace {

using solvane::quality::RecordQuality;

// "0,3,5": whole numbers from 0.
bool parseRecordList(const QString &text, QList<int> *indices) {
  const QStringList parts = text.split(',');
  for (const QString &part : parts) {
    bool ok = false;
    const int index = part.toInt(&ok);
    if (!ok || index < 0) {
      return false;
    }
    *indices << index;
  }
  return !indices->isEmpty();
}

QJsonObject rowJson(const RecordQuality &r, int index, const lightquality::Comparison &c) {
  using solvane::quality::jsonNumber;
  return {{"record", r.input.label},
          {"index", index >= 0 ? QJsonValue(index) : QJsonValue()},
          {"delta_ev_percent", jsonNumber(c.illuminancePercent)},
          {"delta_cct_K", jsonNumber(c.cctKelvin)},
          {"delta_duv", jsonNumber(c.duv)},
          {"delta_uv_prime", jsonNumber(c.uvPrimeDistance)},
          {"delta_ra", jsonNumber(c.ra)},
          {"delta_rf", jsonNumber(c.rf)},
          {"ssi", jsonNumber(c.ssi.value)},
          {"ssi_reason", solvane::quality::jsonReason(c.ssi.reason)},
          {"tlmf", jsonNumber(c.tlmf.qa)},
          {"tlmf_reason", solvane::quality::jsonReason(c.tlmf.reason)}};
}

// A record's index in the data file; a spectrum file has none (-1).
QString indexText(int index, const QString &prefix = {}) {
  return index >= 0 ? prefix + QString::number(index) : QStringLiteral("file");
}

void printTable(const QList<RecordQuality> &records, const QList<int> &indices,
                const QList<lightquality::Comparison> &rows) {
  std::printf("against %s (%s)\n", qPrintable(quoting::quotedText(records.first().input.label)),
              qPrintable(indexText(indices.first(), "record ")));
  // The window's Compare dialog says the same in its note.
  std::printf("methods: CIE 15:2018 CCT and Duv, CIE 13.3 Ra, CIE 2017 Rf; the records' own "
              "figures (the meter's method) are not compared\n");
  std::printf("%-6s %-10s", "index", "record");
  for (const char *heading : solvane::quality::kComparisonHeadings) {
    // Headings hold multi-byte signs (Δ, ′); pad by characters, not bytes.
    std::printf(" %s", qPrintable(QString::fromUtf8(heading).rightJustified(10)));
  }
  std::printf("\n");
  for (int i = 0; i < rows.size(); ++i) {
    std::printf("%-6s %-10s", qPrintable(indexText(indices[i])),
                qPrintable(quoting::quotedText(records[i].input.label)));
    for (const QString &cell : solvane::quality::comparisonCells(rows[i])) {
      std::printf(" %10s", qPrintable(cell));
    }
    std::printf("\n");
  }
}

// Records `indices` (from 0) of the data file `csv`, evaluated, into
// `records`: kOk, or after one line on stderr kFileFailed. Only the chosen
// records are kept, and reading stops after the last of them.
int evaluateChosen(const QString &csv, const QList<int> &indices, QList<RecordQuality> *records) {
  QMap<int, QStringList> chosen;
  for (int index : indices) {
    chosen.insert(index, {});
  }
  const int last = chosen.lastKey();
  int seen = 0;
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  const bool read = stream.readSolvaneData(&header, [&](QStringList &record) {
    if (chosen.contains(seen)) {
      chosen[seen] = record;
    }
    return ++seen <= last;
  });
  if (!read) {
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(stream.errorString()));
    return kFileFailed;
  }
  for (int index : indices) {
    RecordQuality r;
    QString problem;
    if (index >= seen) {
      problem = QString("%1 holds %2; there is no record %3")
                    .arg(quoting::quotedText(csv), solvane::errors::counted(seen, "record"))
                    .arg(index);
    } else if (solvane::quality::evaluateRecord(chosen[index], &r, &problem)) {
      *records << r;
      continue;
    } else {
      problem = QString("record %1 of %2 cannot be compared: %3")
                    .arg(index)
                    .arg(quoting::quotedText(csv), problem);
    }
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(problem));
    return kFileFailed;
  }
  return kOk;
}

} // namespace

namespace {

// A spectrum file, evaluated as a record, with the index -1.
int evaluateSpectrum(const QString &path, QList<RecordQuality> *records, QList<int> *indices) {
  QStringList record;
  RecordQuality r;
  QString problem;
  if (!solvane::quality::readSpectrumRecord(path, spectrumfile::Format::kDetect, &record,
                                            &problem) ||
      !solvane::quality::evaluateRecord(record, &r, &problem)) {
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(problem));
    return kFileFailed;
  }
  *records << r;
  *indices << -1;
  return kOk;
}

} // namespace

int compareRecords(const QStringList &arguments) {
  QStringList args = arguments;
  const bool json = args.removeAll("--json") == 1;
  // The compared lights in the order given: the chosen records where
  // --records stands, each --spectrum file where it stands.
  QString csv;
  QList<int> chosen;
  QStringList order; // spectrum files, and "" for the place of the records
  for (int i = 0; i < args.size(); i += 2) {
    const QString value = args.value(i + 1);
    if (value.isEmpty()) {
      return kUsage;
    }
    if (args[i] == "--spectrum") {
      order << value;
    } else if (args[i] == "--csv" && csv.isEmpty()) {
      csv = value;
    } else if (args[i] == "--records" && chosen.isEmpty() && parseRecordList(value, &chosen)) {
      order << QString();
    } else {
      return kUsage;
    }
  }
  const int spectra = order.size() - (csv.isEmpty() ? 0 : 1);
  if (csv.isEmpty() != chosen.isEmpty() || chosen.size() + spectra < 2) {
    return kUsage;
  }
  QList<RecordQuality> records;
  QList<int> indices;
  for (const QString &spectrum : order) {
    QList<RecordQuality> fromFile;
    const int status = spectrum.isEmpty() ? evaluateChosen(csv, chosen, &fromFile)
                                          : evaluateSpectrum(spectrum, &fromFile, &indices);
    if (status != kOk) {
      return status;
    }
    records << fromFile;
    if (spectrum.isEmpty()) {
      indices << chosen;
    }
  }
  const QList<lightquality::Comparison> rows = solvane::quality::compareWithFirst(records);
  if (!json) {
    printTable(records, indices, rows);
    return kOk;
  }
  QJsonArray all;
  for (int i = 0; i < rows.size(); ++i) {
    all.append(rowJson(records[i], indices[i], rows[i]));
  }
  std::printf("%s", QJsonDocument(all).toJson().constData());
  return kOk;
}
