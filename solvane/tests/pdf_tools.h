#pragma once

// Tests look at PDF files the way a reader does: the text that pdftotext
// extracts (with word boxes when positions matter) and the page that
// pdftoppm renders.

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QVector>

namespace pdftools {

inline QByteArray run(const QString &program, const QStringList &args) {
  QProcess process;
  process.start(program, args);
  process.waitForFinished(60000);
  return process.readAllStandardOutput();
}

// The text of the PDF, or of its pages `first` to `last` (0: to the end).
inline QString text(const QString &pdf, int first = 1, int last = 0) {
  QStringList args = {"-layout", "-f", QString::number(first)};
  if (last > 0) {
    args << "-l" << QString::number(last);
  }
  return QString::fromUtf8(run("pdftotext", args << pdf << "-"));
}

// A word and its box in PDF points (1/72 inch) from the page's top-left.
struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;
};

inline QVector<Word> words(const QString &pdf) {
  const QString html = QString::fromUtf8(run("pdftotext", {"-bbox", pdf, "-"}));
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  QVector<Word> found;
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    found.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                  m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return found;
}

// The first page rendered at `dpi` into an RGB image.
inline QImage render(const QString &pdf, int dpi) {
  const QString prefix = QFileInfo(pdf).absoluteFilePath() + ".render";
  run("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", pdf, prefix});
  return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

inline bool isDark(const QImage &image, int x, int y) {
  return image.valid(x, y) && qGray(image.pixel(x, y)) < 160;
}

// Whether a line passes within two pixels above or below (x, y).
inline bool darkNear(const QImage &image, double x, double y) {
  for (int dy = -2; dy <= 2; ++dy) {
    if (isDark(image, qRound(x), qRound(y) + dy)) {
      return true;
    }
  }
  return false;
}

} // namespace pdftools
