#pragma once

// "PrintInfo": the eight texts of the report's company and sample blocks,
// one per line, kept between runs in the working directory (the user's
// configuration folder for an installed program). Qt Core only,
// so the print settings dialog, the window's report and solvane-cli share
// it.

#include <QString>
#include <QStringList>

namespace solvane::printinfo {

inline constexpr char kFileName[] = "PrintInfo";
// Company name, address, telephone, fax, e-mail, then sample name, sample
// model and remark.
inline constexpr int kTextCount = 8;

// Fills `texts` with exactly eight texts: the file's first eight lines
// without their line ends (LF or CR LF), and empty texts for lines the file
// does not have. False, with eight empty texts and the reason in `error`
// (may be null), when the file cannot be opened.
bool readPrintInfo(const QString &path, QStringList *texts, QString *error = nullptr);

// Writes the eight texts (missing ones empty), one per line, with no line
// end after the last. The file is replaced only when it was written whole;
// false, with the reason in `error` (may be null), otherwise.
bool writePrintInfo(const QString &path, const QStringList &texts, QString *error = nullptr);

// The report's extra pages, kept in a file of their own so that
// "PrintInfo" keeps its eight lines: the first line "1" for the light
// quality page, "0" without; a second line "1" for the uncertainty page
// after it. The second line is written only when that page is chosen, so
// the file stays as it was for everyone who does not choose it.
inline constexpr char kQualityPageFileName[] = "PrintQualityPage";

struct ReportPages {
  bool quality = false;
  bool uncertainty = false; // printed only together with the quality page
};

// A missing or unreadable file means no extra page, and a file without a
// second line no uncertainty page, as before those choices existed.
ReportPages readReportPages(const QString &path);

// Replaces the file only when it was written whole; false, with the reason
// in `error` (may be null), otherwise.
bool writeReportPages(const QString &path, const ReportPages &pages, QString *error = nullptr);

// Where the program keeps the two files.
QString printInfoFile();
QString qualityPageFile();

} // namespace solvane::printinfo
