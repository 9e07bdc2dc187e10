// Renders the user manual from Markdown to an A4 PDF.
//
//   solvane_make_manual MANUAL.md OUTPUT.pdf

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: solvane_make_manual MANUAL.md OUTPUT.pdf\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "solvane_make_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString output = QString::fromLocal8Bit(argv[2]);
  {
    QPdfWriter pdf(output);
    pdf.setTitle(QStringLiteral("Solvane user manual"));
    pdf.setCreator(QStringLiteral("solvane_make_manual"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    document.print(&pdf);
  }
  if (QFile(output).size() == 0) {
    std::fprintf(stderr, "solvane_make_manual: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
