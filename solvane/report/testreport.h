#pragma once

// The one-page test report of a measurement record: title and time stamp,
// the company and sample texts, the 27 test results, the spectrum at 10 nm
// steps and three charts (CIE 1931, CIE 1976, spectrum). The window's print
// preview and solvane-cli paint it with the same code.

#include <QDateTime>
#include <QString>
#include <QStringList>

class QPrinter;

namespace solvane::report {

struct ReportUncertainty;

// Sets up `printer` to write an A4 PDF file named `fileName`, at the
// printer's own resolution (screen resolution for the report's printers).
void setUpPdfPrinter(QPrinter *printer, const QString &fileName);

// True when the record holds every field the report reads (2 to 429); a
// record loaded from a file may be shorter.
bool hasReportFields(const QStringList &record);

// Paints the page of `record` on `printer`. `printInfo` holds the eight
// texts of the print settings (company name, address, telephone, fax,
// e-mail, sample name, model, remark); missing texts print empty.
// `paintedAt` is the time stamp. With `withQualityPage` the light quality
// of the record follows on a second page, and with `uncertainty` as well
// the figures' uncertainties on a third. Paints nothing and returns false
// when the record lacks report fields or painting cannot begin on the
// printer.
bool paintTestReport(QPrinter *printer, const QStringList &record, const QStringList &printInfo,
                     const QDateTime &paintedAt, bool withQualityPage = false,
                     const ReportUncertainty *uncertainty = nullptr);

} // namespace solvane::report
