// Renders a user manual from Markdown to an A4 PDF, with the pictures it
// names taken from IMAGE_FOLDER and fitted to the page width.
//
//   solvane_make_manual MANUAL.md IMAGE_FOLDER FONT_FAMILY OUTPUT.pdf

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>

namespace {

// Hands every picture of the document to it, at its natural width but at
// most the page's.
bool fitPictures(QTextDocument &document, const QDir &images, double pageWidth) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      if (!format.isValid()) {
        continue;
      }
      const QImage picture(images.filePath(format.name()));
      if (picture.isNull()) {
        std::fprintf(stderr, "solvane_make_manual: cannot read the picture %s\n",
                     qPrintable(images.filePath(format.name())));
        return false;
      }
      document.addResource(QTextDocument::ImageResource, QUrl(format.name()), picture);
      const double width = qMin<double>(picture.width(), pageWidth);
      format.setWidth(width);
      format.setHeight(width * picture.height() / picture.width());
      QTextCursor cursor(&document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  QGuiApplication application(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr,
                 "usage: solvane_make_manual MANUAL.md IMAGE_FOLDER FONT_FAMILY OUTPUT.pdf\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "solvane_make_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir images(QString::fromLocal8Bit(argv[2]));
  const QString output = QString::fromLocal8Bit(argv[4]);
  {
    QPdfWriter pdf(output);
    pdf.setTitle(QStringLiteral("Solvane user manual"));
    pdf.setCreator(QStringLiteral("solvane_make_manual"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    QTextDocument document;
    document.setDefaultFont(QFont(QString::fromLocal8Bit(argv[3]), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    // The document is laid out for the page at screen resolution (96 dpi).
    // print() sets its own 2 cm margins inside the page's 20 mm ones, so the
    // text is 210 - 2 * 20 - 2 * 20 = 130 mm wide; a wider picture would be
    // cut off at the right.
    constexpr double kTextWidthPixels = 130 / 25.4 * 96;
    if (!fitPictures(document, images, kTextWidthPixels)) {
      return 1;
    }
    document.print(&pdf);
  }
  if (QFile(output).size() == 0) {
    std::fprintf(stderr, "solvane_make_manual: cannot write %s\n", argv[4]);
    return 1;
  }
  return 0;
}
