#include "compare_command.h"

#include "exit_status.h"
#include "count_text.h"
#include "quoting/quoted_qstring.h"
#include "tsiostream.h"

#include "solvane/quality/comparison_table.h"
#include "solvane/quality/figure_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <cmath>
#include <cstdio>

namespace {

using solvane::quality::RecordQuality;

// "0,3,5": two or more whole numbers from 0.
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
  return indices->size() >= 2;
}

QJsonObject rowJson(const RecordQuality &r, int index, const lightquality::Comparison &c) {
  using solvane::quality::jsonNumber;
  return {{"record", r.input.label},
          {"index", index},
          {"delta_ev_percent", jsonNumber(c.illuminancePercent)},
          {"delta_cct_K", jsonNumber(c.cctKelvin)},
          {"delta_duv", jsonNumber(c.duv)},
          {"delta_uv_prime", jsonNumber(c.uvPrimeDistance)},
          {"delta_ra", jsonNumber(c.ra)},
          {"delta_rf", jsonNumber(c.rf)},
          {"ssi", jsonNumber(c.ssi.value)},
          {"ssi_reason", solvane::quality::jsonReason(c.ssi.reason)}};
}

void printTable(const QList<RecordQuality> &records, const QList<int> &indices,
                const QList<lightquality::Comparison> &rows) {
  std::printf("against %s (record %d)\n",
              qPrintable(quoting::quotedText(records.first().input.label)), indices.first());
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
    std::printf("%-6d %-10s", indices[i], qPrintable(quoting::quotedText(records[i].input.label)));
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

int compareRecords(const QStringList &arguments) {
  QStringList args = arguments;
  const bool json = args.removeAll("--json") == 1;
  const int csvAt = args.indexOf("--csv");
  const int recordsAt = args.indexOf("--records");
  QList<int> indices;
  if (args.size() != 4 || csvAt < 0 || recordsAt < 0 || csvAt % 2 != 0 || recordsAt % 2 != 0 ||
      args[csvAt + 1].isEmpty() || !parseRecordList(args[recordsAt + 1], &indices)) {
    return kUsage;
  }
  const QString csv = args[csvAt + 1];
  QList<RecordQuality> records;
  if (const int status = evaluateChosen(csv, indices, &records); status != kOk) {
    return status;
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
