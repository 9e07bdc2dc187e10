// Draws every picture the program compiles in: side-bar, header and report
// icons, the banner and logos, and the CIE 1931 (x, y) and CIE 1976 (u′, v′)
// chromaticity diagrams computed from the 2° colour-matching functions; and
// the desktop menu's icon at a given size.
//
//   solvane_make_images OUTPUT_FOLDER
//   solvane_make_images --icon SIZE FILE.png
//   solvane_make_images --specview-icon SIZE FILE.png   (specview's menu icon)

#include "cie/tables.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlue(71, 141, 228);
const QColor kDarkBlue(61, 128, 211);
const QColor kGrey(127, 138, 153);

QPolygonF poly(std::initializer_list<QPointF> points) {
  return QPolygonF(QVector<QPointF>(points));
}

using Painting = std::function<void(QPainter &, double unit)>;

// A square icon drawn on a 24-unit grid, scaled to `size` pixels.
QImage icon(int size, const QColor &colour, const Painting &draw) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double unit = size / 24.0;
  p.scale(unit, unit);
  p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  draw(p, unit);
  return image;
}

void glyph(QPainter &p, const QString &text, const QRectF &box, int pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(true);
  p.setFont(font);
  p.drawText(box, Qt::AlignCenter, text);
}

// Icon shapes on the 24-unit grid.
void openFolder(QPainter &p, double) {
  p.drawPolyline(poly({{3, 19}, {3, 5}, {9, 5}, {11, 8}, {20, 8}, {20, 11}}));
  p.drawPolygon(poly({{3, 19}, {6, 11}, {22, 11}, {19, 19}}));
}
void printer(QPainter &p, double) {
  p.drawRect(QRectF(7, 3, 10, 5));
  p.drawRoundedRect(QRectF(3, 8, 18, 9), 2, 2);
  p.drawRect(QRectF(7, 14, 10, 7));
}
void question(QPainter &p, double) {
  p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
  glyph(p, "?", QRectF(2, 2, 20, 20), 14);
}
void house(QPainter &p, double) {
  p.drawPolyline(poly({{3, 12}, {12, 4}, {21, 12}}));
  p.drawPolyline(poly({{6, 10}, {6, 20}, {18, 20}, {18, 10}}));
  p.drawRect(QRectF(10, 14, 4, 6));
}
void information(QPainter &p, double) {
  p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
  glyph(p, "i", QRectF(2, 2, 20, 20), 14);
}
void database(QPainter &p, double) {
  p.drawEllipse(QRectF(5, 3, 14, 5));
  p.drawLine(QPointF(5, 5.5), QPointF(5, 18.5));
  p.drawLine(QPointF(19, 5.5), QPointF(19, 18.5));
  p.drawArc(QRectF(5, 9, 14, 5), 180 * 16, 180 * 16);
  p.drawArc(QRectF(5, 16, 14, 5), 180 * 16, 180 * 16);
}
void list(QPainter &p, double) {
  for (int row = 0; row < 3; ++row) {
    const double y = 6 + 6 * row;
    p.drawPoint(QPointF(4, y));
    p.drawLine(QPointF(8, y), QPointF(21, y));
  }
}
void chart(QPainter &p, double) {
  p.drawPolyline(poly({{3, 3}, {3, 21}, {21, 21}}));
  p.drawPolyline(poly({{5, 17}, {9, 10}, {13, 14}, {20, 5}}));
}
void bars(QPainter &p, double) {
  p.drawLine(QPointF(3, 21), QPointF(21, 21));
  const double heights[] = {6, 12, 16, 9, 4};
  for (int i = 0; i < 5; ++i) {
    p.drawLine(QPointF(5 + 3.5 * i, 19), QPointF(5 + 3.5 * i, 19 - heights[i]));
  }
}
// A colour vector graphic: the reference circle and a skewed test polygon.
void colourVector(QPainter &p, double) {
  p.drawEllipse(QRectF(3, 3, 18, 18));
  p.drawPolygon(poly({{12, 5}, {19, 10}, {17, 18}, {8, 19}, {5, 11}}));
}
void triangle(QPainter &p, double) {
  p.setBrush(p.pen().color());
  p.drawPolygon(poly({{6, 9}, {18, 9}, {12, 16}}));
}
void globe(QPainter &p, double) {
  p.drawEllipse(QRectF(3, 3, 18, 18));
  p.drawEllipse(QRectF(8, 3, 8, 18));
  p.drawLine(QPointF(3, 12), QPointF(21, 12));
}
void building(QPainter &p, double) {
  p.drawRect(QRectF(5, 4, 14, 17));
  for (int row = 0; row < 3; ++row) {
    p.drawPoint(QPointF(9, 8 + 4 * row));
    p.drawPoint(QPointF(15, 8 + 4 * row));
  }
}
void flask(QPainter &p, double) {
  p.drawPolygon(poly({{9, 3}, {15, 3}, {15, 9}, {20, 20}, {4, 20}, {9, 9}}));
}
void envelope(QPainter &p, double) {
  p.drawRect(QRectF(3, 6, 18, 13));
  p.drawPolyline(poly({{3, 6}, {12, 13}, {21, 6}}));
}
void fax(QPainter &p, double) {
  p.drawRect(QRectF(3, 9, 18, 11));
  p.drawRect(QRectF(7, 3, 10, 6));
  p.drawLine(QPointF(7, 14), QPointF(17, 14));
}
void pin(QPainter &p, double) {
  QPainterPath path;
  path.moveTo(12, 21);
  path.cubicTo(4, 13, 5, 3, 12, 3);
  path.cubicTo(19, 3, 20, 13, 12, 21);
  p.drawPath(path);
  p.drawEllipse(QPointF(12, 9.5), 2.5, 2.5);
}
void meter(QPainter &p, double) {
  p.drawRoundedRect(QRectF(6, 2, 12, 20), 2, 2);
  p.drawRect(QRectF(8.5, 5, 7, 6));
  p.drawPoint(QPointF(12, 16));
}
void person(QPainter &p, double) {
  p.drawEllipse(QRectF(8, 3, 8, 8));
  p.drawArc(QRectF(4, 13, 16, 14), 0, 180 * 16);
}
void pencil(QPainter &p, double) {
  p.drawPolygon(poly({{4, 20}, {5, 15}, {16, 4}, {20, 8}, {9, 19}}));
}
void tag(QPainter &p, double) {
  p.drawPolygon(poly({{3, 12}, {11, 4}, {20, 4}, {20, 13}, {12, 21}}));
  p.drawEllipse(QPointF(16, 8), 1.5, 1.5);
}
void handset(QPainter &p, double) {
  QPainterPath path;
  path.moveTo(5, 4);
  path.lineTo(9, 4);
  path.lineTo(10, 9);
  path.lineTo(8, 10);
  path.cubicTo(9, 13, 11, 15, 14, 16);
  path.lineTo(15, 14);
  path.lineTo(20, 15);
  path.lineTo(20, 19);
  path.cubicTo(11, 20, 4, 13, 5, 4);
  p.drawPath(path);
}

// The maker's mark: a kestrel's wing over a spectrum arc.
void kestraMark(QPainter &p, const QRectF &box, bool shaded) {
  const QPointF c = box.center();
  const double r = box.width() / 2;
  QLinearGradient spectrum(box.topLeft(), box.topRight());
  spectrum.setColorAt(0.0, QColor(140, 60, 255));
  spectrum.setColorAt(0.3, QColor(40, 120, 255));
  spectrum.setColorAt(0.5, QColor(40, 200, 90));
  spectrum.setColorAt(0.7, QColor(250, 220, 40));
  spectrum.setColorAt(1.0, QColor(240, 50, 40));
  p.setPen(QPen(QBrush(spectrum), r * 0.16, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6), 20 * 16, 140 * 16);
  QPainterPath wing;
  wing.moveTo(c.x() - r * 0.75, c.y() + r * 0.35);
  wing.cubicTo(c.x() - r * 0.2, c.y() - r * 0.45, c.x() + r * 0.35, c.y() - r * 0.35,
               c.x() + r * 0.8, c.y() - r * 0.05);
  wing.cubicTo(c.x() + r * 0.3, c.y() + r * 0.0, c.x() - r * 0.1, c.y() + r * 0.2, c.x() - r * 0.75,
               c.y() + r * 0.35);
  if (shaded) {
    QRadialGradient body(c, r);
    body.setColorAt(0, kWhite);
    body.setColorAt(1, QColor(200, 215, 240));
    p.setBrush(body);
  } else {
    p.setBrush(kWhite);
  }
  p.setPen(Qt::NoPen);
  p.drawPath(wing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(static_cast<int>(r * 0.42));
  p.setFont(font);
  p.setPen(kWhite);
  p.drawText(QRectF(box.left(), c.y() + r * 0.35, box.width(), r * 0.6), Qt::AlignCenter,
             QStringLiteral("KESTRA"));
}

QImage logo(int width, int height, bool threeD) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(width, height);
  const QRectF disc((width - side) / 2 + side * 0.04, (height - side) / 2 + side * 0.04,
                    side * 0.92, side * 0.92);
  if (threeD) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(disc.translated(side * 0.025, side * 0.035));
    QRadialGradient face(disc.center() - QPointF(side * 0.15, side * 0.18), side * 0.6);
    face.setColorAt(0, QColor(110, 170, 245));
    face.setColorAt(1, QColor(30, 80, 160));
    p.setBrush(face);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkBlue);
  }
  p.drawEllipse(disc);
  kestraMark(p, disc.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1), threeD);
  return image;
}

QImage banner(int scale) {
  QImage image(400 * scale, 60 * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(30);
  title.setBold(true);
  p.setFont(title);
  p.setPen(kWhite);
  p.drawText(QRectF(14, 4, 200, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Solvane"));
  QFont tagline(QStringLiteral("DejaVu Sans"));
  tagline.setPixelSize(12);
  p.setFont(tagline);
  p.setPen(QColor(225, 235, 250));
  p.drawText(QRectF(16, 40, 380, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Spectral light meter software"));
  QLinearGradient stripe(160, 0, 390, 0);
  stripe.setColorAt(0.0, QColor(150, 60, 255, 0));
  stripe.setColorAt(0.25, QColor(40, 120, 255));
  stripe.setColorAt(0.5, QColor(40, 210, 90));
  stripe.setColorAt(0.75, QColor(250, 220, 40));
  stripe.setColorAt(1.0, QColor(240, 50, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(stripe);
  p.drawRoundedRect(QRectF(160, 22, 230, 5), 2.5, 2.5);
  return image;
}

// ---- chromaticity diagrams -------------------------------------------------

struct Chromaticity {
  double x, y;
};

// Spectral locus from 380 to 700 nm (beyond 700 nm it turns back on itself).
QVector<Chromaticity> spectralLocus() {
  QVector<Chromaticity> locus;
  for (int nm = 380; nm <= 700; ++nm) {
    const double *row = cie::cmf1931_2deg.row(nm);
    const double sum = row[0] + row[1] + row[2];
    locus.append({row[0] / sum, row[1] / sum});
  }
  return locus;
}

double gammaEncode(double linear) {
  linear = std::clamp(linear, 0.0, 1.0);
  return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

// The colour of a chromaticity at full brightness: XYZ with Y = 1 to linear
// sRGB, negative parts clipped, scaled so that the largest channel is 1.
QRgb colourOf(double x, double y) {
  const double X = x / y, Y = 1.0, Z = (1 - x - y) / y;
  double r = 3.2406 * X - 1.5372 * Y - 0.4986 * Z;
  double g = -0.9689 * X + 1.8758 * Y + 0.0415 * Z;
  double b = 0.0557 * X - 0.2040 * Y + 1.0570 * Z;
  r = std::max(r, 0.0);
  g = std::max(g, 0.0);
  b = std::max(b, 0.0);
  const double top = std::max({r, g, b, 1e-9});
  return qRgb(static_cast<int>(gammaEncode(r / top) * 255 + 0.5),
              static_cast<int>(gammaEncode(g / top) * 255 + 0.5),
              static_cast<int>(gammaEncode(b / top) * 255 + 0.5));
}

struct DiagramAxes {
  double width, height; // axis ranges from 0, as the plot shows them
};

// The horseshoe in the plot's own coordinates, so that the picture stretched
// over the canvas puts every chromaticity where the axes say it is.
QImage diagram(int width, int height, const DiagramAxes &axes,
               const std::function<QPointF(const Chromaticity &)> &toPlot,
               const std::function<Chromaticity(const QPointF &)> &fromPlot) {
  QPolygonF outline;
  for (const Chromaticity &c : spectralLocus()) {
    const QPointF point = toPlot(c);
    outline << QPointF(point.x() / axes.width * width, (1 - point.y() / axes.height) * height);
  }
  QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(outline); // closed by the purple line
  }
  QImage image(width, height, QImage::Format_ARGB32);
  for (int row = 0; row < height; ++row) {
    const QRgb *coverage = reinterpret_cast<const QRgb *>(mask.constScanLine(row));
    QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(row));
    for (int column = 0; column < width; ++column) {
      const int alpha = qAlpha(coverage[column]);
      if (alpha == 0) {
        out[column] = qRgba(0, 0, 0, 0);
        continue;
      }
      const QPointF plot((column + 0.5) / width * axes.width,
                         (1 - (row + 0.5) / height) * axes.height);
      const Chromaticity c = fromPlot(plot);
      const QRgb colour = c.y > 1e-6 ? colourOf(c.x, c.y) : qRgb(0, 0, 0);
      out[column] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha);
    }
  }
  return image;
}

QImage cie1931() {
  return diagram(
      416, 471, {0.8, 0.9}, [](const Chromaticity &c) { return QPointF(c.x, c.y); },
      [](const QPointF &p) {
        return Chromaticity{p.x(), p.y()};
      });
}

QImage cie1976() {
  return diagram(
      1929, 1897, {0.65, 0.6},
      [](const Chromaticity &c) {
        const double d = -2 * c.x + 12 * c.y + 3;
        return QPointF(4 * c.x / d, 9 * c.y / d);
      },
      [](const QPointF &p) {
        const double d = 6 * p.x() - 16 * p.y() + 12;
        return Chromaticity{9 * p.x() / d, 4 * p.y() / d};
      });
}

bool save(const QDir &folder, const char *name, const QImage &image) {
  if (!image.save(folder.filePath(name), "PNG")) {
    std::fprintf(stderr, "solvane_make_images: cannot write %s\n",
                 qPrintable(folder.filePath(name)));
    return false;
  }
  return true;
}

} // namespace

// A desktop menu's icon, `draw(pixels)`, at one of the theme's sizes.
int saveAppIcon(const char *size, const char *file, const std::function<QImage(int)> &draw) {
  const int pixels = std::atoi(size);
  if (pixels < 16 || pixels > 1024) {
    std::fprintf(stderr, "solvane_make_images: icon size %s is not from 16 to 1024\n", size);
    return 2;
  }
  if (!draw(pixels).save(QString::fromLocal8Bit(file), "PNG")) {
    std::fprintf(stderr, "solvane_make_images: cannot write %s\n", file);
    return 1;
  }
  return 0;
}

// specview's menu icon: a spectrum's curve in the colours of its
// wavelengths on the suite's blue, at one of the theme's sizes.
QImage spectrometerIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double unit = size / 24.0;
  p.scale(unit, unit);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(71, 141, 228));
  p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
  QLinearGradient colours(QPointF(4, 0), QPointF(20, 0));
  colours.setColorAt(0.0, QColor(140, 60, 255));
  colours.setColorAt(0.3, QColor(40, 120, 255));
  colours.setColorAt(0.5, QColor(40, 200, 90));
  colours.setColorAt(0.7, QColor(250, 220, 40));
  colours.setColorAt(1.0, QColor(240, 50, 40));
  QPainterPath curve(QPointF(4, 19));
  curve.cubicTo(7, 19, 8, 6, 10, 6);
  curve.cubicTo(12, 6, 12, 14, 14, 14);
  curve.cubicTo(16, 14, 17, 9, 18, 10);
  curve.cubicTo(19, 11, 19, 19, 20, 19);
  QPainterPath area = curve;
  area.closeSubpath();
  p.setBrush(QBrush(colours));
  p.drawPath(area);
  p.setPen(QPen(kWhite, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  return image;
}

int main(int argc, char **argv) {
  QGuiApplication application(argc, argv);
  if (argc == 4 && std::strcmp(argv[1], "--icon") == 0) {
    // solvane's: the logo, square.
    return saveAppIcon(argv[2], argv[3], [](int pixels) { return logo(pixels, pixels, false); });
  }
  if (argc == 4 && std::strcmp(argv[1], "--specview-icon") == 0) {
    return saveAppIcon(argv[2], argv[3], spectrometerIcon);
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: solvane_make_images OUTPUT_FOLDER\n"
                         "       solvane_make_images --icon SIZE FILE.png\n"
                         "       solvane_make_images --specview-icon SIZE FILE.png\n");
    return 2;
  }
  QDir output(QString::fromLocal8Bit(argv[1]));
  if (!output.mkpath(".")) {
    std::fprintf(stderr, "solvane_make_images: cannot create %s\n", argv[1]);
    return 1;
  }
  // The pictures of the window and the print dialog are drawn a second time
  // at twice the size, "NAME@2x.png", which Qt takes on screens of twice the
  // density (QT_SCALE_FACTOR=2, a 2560 × 1440 laptop), so they stay sharp.
  struct Picture {
    const char *name;
    std::function<QImage(int scale)> draw;
    bool doubleDensity;
  };
  const auto iconOf = [](int size, const QColor &colour, const Painting &painting) {
    return [=](int scale) { return icon(size * scale, colour, painting); };
  };
  const Picture pictures[] = {
      {"open.png", iconOf(20, kWhite, openFolder), true},
      {"print.png", iconOf(20, kWhite, printer), true},
      {"quality.png", iconOf(20, kWhite, colourVector), true},
      {"help.png", iconOf(20, kWhite, question), true},
      {"homepage.png", iconOf(20, kWhite, house), true},
      {"about.png", iconOf(20, kWhite, information), true},
      {"data.png", iconOf(20, kWhite, database), true},
      {"itemData.png", iconOf(20, kWhite, list), true},
      {"plot.png", iconOf(20, kWhite, chart), true},
      {"intensity.png", iconOf(20, kWhite, bars), true},
      {"down.png", iconOf(16, kWhite, triangle), true},
      {"arrow_blue.png", iconOf(16, kBlue, triangle), true},
      {"language.png", iconOf(16, kWhite, globe), true},
      {"solvane.png", banner, true},
      {"Kestra_Logo.png", [](int scale) { return logo(66 * scale, 66 * scale, false); }, true},
      {"logo.png", [](int) { return logo(236, 236, false); }, false},
      {"logo3D.png", [](int) { return logo(477, 452, true); }, false},
      {"company.png", iconOf(20, kGrey, building), true},
      {"sample.png", iconOf(20, kGrey, flask), true},
      {"email.png", iconOf(24, kGrey, envelope), true},
      {"fax.png", iconOf(24, kGrey, fax), true},
      {"map.png", iconOf(24, kGrey, pin), true},
      {"model.png", iconOf(24, kGrey, meter), true},
      {"name.png", iconOf(24, kGrey, person), true},
      {"remark.png", iconOf(24, kGrey, pencil), true},
      {"sampleName.png", iconOf(24, kGrey, tag), true},
      {"telephone.png", iconOf(24, kGrey, handset), true},
      {"cie1931.png", [](int) { return cie1931(); }, false},
      {"cie1976.png", [](int) { return cie1976(); }, false},
  };
  for (const Picture &picture : pictures) {
    if (!save(output, picture.name, picture.draw(1))) {
      return 1;
    }
    const QString doubled = QString(picture.name).replace(".png", "@2x.png");
    if (picture.doubleDensity && !save(output, qPrintable(doubled), picture.draw(2))) {
      return 1;
    }
  }
  return 0;
}
