#include "solvane/quality/spdx.h"

#include "file_error.h"
#include "file_target.h"

#include <QBuffer>
#include <QLocale>
#include <QUuid>
#include <QXmlStreamWriter>

#include <memory>

namespace solvane::quality {
namespace {

void writeHeader(QXmlStreamWriter &xml, const RecordInput &input, const QDate &created) {
  const QDateTime measured = QDateTime::fromString(input.time, Qt::ISODate);
  xml.writeStartElement("Header");
  xml.writeTextElement("Description", QString("Spectrum of measurement record %1 (%2), Ev %3 lx")
                                          .arg(input.label, input.time)
                                          .arg(input.illuminance, 0, 'f', 2));
  xml.writeTextElement("DocumentCreator", "solvane");
  xml.writeTextElement("UniqueIdentifier", QUuid::createUuid().toString(QUuid::WithoutBraces));
  xml.writeTextElement("MeasurementEquipment", "hand-held spectral light meter");
  if (measured.isValid()) {
    xml.writeTextElement("ReportDate", measured.date().toString(Qt::ISODate));
  }
  xml.writeTextElement("DocumentCreationDate", created.toString(Qt::ISODate));
  xml.writeTextElement("Comments",
                       QString("Relative spectral distribution: the record's intensities as the "
                               "meter stores them, not scaled to the illuminance (%1 lx).")
                           .arg(input.illuminance, 0, 'f', 2));
  xml.writeEndElement();
}

void writeSpectralDistribution(QXmlStreamWriter &xml, const RecordInput &input) {
  xml.writeStartElement("SpectralDistribution");
  xml.writeTextElement("SpectralQuantity", "relative");
  for (int i = 0; i < lightquality::kSpectrumValues; ++i) {
    xml.writeStartElement("SpectralData");
    xml.writeAttribute("wavelength", QString::number(lightquality::kFirstNm + i));
    xml.writeCharacters(QString::number(input.spectrum[static_cast<std::size_t>(i)], 'g',
                                        QLocale::FloatingPointShortest));
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

} // namespace

QByteArray spdxDocument(const RecordInput &input, const QDate &created) {
  // Through a device, so that the declaration names the encoding.
  QByteArray document;
  QBuffer buffer(&document);
  buffer.open(QIODevice::WriteOnly);
  QXmlStreamWriter xml(&buffer);
  xml.setCodec("UTF-8");
  xml.setAutoFormatting(true);
  xml.writeStartDocument("1.0");
  xml.writeStartElement("IESTM2714");
  xml.writeDefaultNamespace("http://www.ies.org/iestm2714");
  xml.writeAttribute("version", "1.0");
  writeHeader(xml, input, created);
  writeSpectralDistribution(xml, input);
  xml.writeEndElement();
  xml.writeEndDocument();
  return document;
}

bool saveSpdx(const RecordInput &input, const QString &path, QString *error) {
  const QByteArray document = spdxDocument(input, QDate::currentDate());
  const std::unique_ptr<QFileDevice> target = files::openTarget(path);
  QFileDevice &file = *target;
  if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() ||
      !files::finishTarget(file)) {
    return errors::report(error,
                          errors::fileError(QStringLiteral("cannot write the SPDX file"), file));
  }
  return true;
}

} // namespace solvane::quality
