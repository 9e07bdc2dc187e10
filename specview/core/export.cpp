#include "export.h"

#include "messages.h"

#include "quoting/quoted_qstring.h"
#include "spdx/spdx_document.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>

namespace specview {
namespace {

QString number(double value) {
  return std::isfinite(value) ? QString::number(value, 'g', QLocale::FloatingPointShortest)
                              : QStringLiteral("nan");
}

QString onOff(bool on) {
  return on ? QStringLiteral("on") : QStringLiteral("off");
}

} // namespace

QString saturationNote(const SaveContext &context) {
  if (context.saturatedPixels <= 0) {
    return {};
  }
  return QString("saturated, %1 pixel(s) at full scale (%2 counts): the spectrum and its colour "
                 "figures are not valid")
      .arg(context.saturatedPixels)
      .arg(context.fullScale);
}

namespace {

QByteArray csvDocument(const SaveContext &context, const Series &series) {
  QByteArray text;
  QTextStream out(&text);
  out.setCodec("UTF-8");
  out << "# specview spectrum\n"
      << "# date-time: " << context.time.toString(Qt::ISODate) << '\n'
      << "# device: " << context.deviceId << '\n'
      << "# integration time: " << context.integrationTime << '\n'
      << "# scans: " << context.scans << '\n'
      << "# boxcar: " << context.boxcar << '\n'
      << "# dark subtraction: " << onOff(context.darkSubtracted) << '\n'
      << "# reference: " << (context.referenceStored ? "stored" : "none") << '\n'
      << "# view: " << context.view << '\n';
  if (const QString note = saturationNote(context); !note.isEmpty()) {
    out << "# saturation: " << note << '\n';
  }
  out << context.xColumn << ',' << context.valueColumn << '\n';
  for (int i = 0; i < series.x.size() && i < series.values.size(); ++i) {
    out << number(series.x[i]) << ',' << number(series.values[i]) << '\n';
  }
  out.flush();
  return text;
}

// `what` is the sentence's start, "cannot write the CSV file: %1: %2".
bool saveAtomically(const QString &path, const QByteArray &text, const QString &what,
                    QString *error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
    fail(error, what.arg(quoting::quotedText(path), file.errorString()));
    return false;
  }
  return true;
}

} // namespace

bool readCsv(const QString &path, QVector<QPair<QString, QString>> *header, Series *series,
             QString *error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    fail(error,
         tr("cannot read the CSV file: %1: %2").arg(quoting::quotedText(path), file.errorString()));
    return false;
  }
  bool columnsSeen = false;
  int lineNumber = 0;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    ++lineNumber;
    if (line.startsWith('#')) {
      const int colon = line.indexOf(':');
      if (colon > 0) {
        header->append({line.mid(1, colon - 1).trimmed(), line.mid(colon + 1).trimmed()});
      }
      continue;
    }
    const QStringList fields = line.split(',');
    bool xOk = false;
    const double x = fields.value(0).toDouble(&xOk);
    if (fields.size() != 2 || (!xOk && columnsSeen)) {
      fail(error, tr("cannot read the CSV file: %1: line %2 does not hold two comma-separated "
                     "values")
                      .arg(quoting::quotedText(path))
                      .arg(lineNumber));
      return false;
    }
    if (!columnsSeen) {
      columnsSeen = true; // the column names
      continue;
    }
    series->x.append(x);
    series->values.append(fields[1] == QLatin1String("nan") ? std::nan("") : fields[1].toDouble());
  }
  return true;
}

bool saveCsv(const QString &path, const SaveContext &context, const Series &series,
             QString *error) {
  return saveAtomically(path, csvDocument(context, series), tr("cannot write the CSV file: %1: %2"),
                        error);
}

bool saveSpdx(const QString &path, const SaveContext &context, const Series &spectrum,
              QString *error) {
  spdx::Document document;
  document.description = QString("Spectrum of spectrometer %1, integration time %2, %3 scan(s)")
                             .arg(context.deviceId)
                             .arg(context.integrationTime)
                             .arg(context.scans);
  document.creator = "specview";
  document.equipment = QString("2048-pixel USB spectrometer %1").arg(context.deviceId);
  document.reportDate = context.time.date();
  document.comments = "Relative spectral distribution: the calibrated spectrum the spectrometer "
                      "delivers, 380 to 779 nm.";
  if (const QString note = saturationNote(context); !note.isEmpty()) {
    document.comments += " The frame was " + note + '.';
  }
  for (int i = 0; i < spectrum.x.size() && i < spectrum.values.size(); ++i) {
    document.samples.append({spectrum.x[i], spectrum.values[i]});
  }
  return saveAtomically(path, spdx::write(document, QDate::currentDate()),
                        tr("cannot write the SPDX file: %1: %2"), error);
}

} // namespace specview
