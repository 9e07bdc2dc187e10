#pragma once

// "PrintInfo": the eight texts of the report's company and sample blocks,
// one per line, kept between runs in the working directory. Qt Core only,
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

// The choice of the report's light quality page, kept in a file of its own
// so that "PrintInfo" keeps its eight lines: "1" for the page, "0" without.
inline constexpr char kQualityPageFileName[] = "PrintQualityPage";

// True only when the file holds "1"; a missing or unreadable file means no
// second page, as before the choice existed.
bool readQualityPageChoice(const QString &path);

// Replaces the file only when it was written whole; false, with the reason
// in `error` (may be null), otherwise.
bool writeQualityPageChoice(const QString &path, bool withQualityPage, QString *error = nullptr);

} // namespace solvane::printinfo
