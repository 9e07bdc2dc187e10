#include "spdx/spdx_document.h"

#include <QBuffer>
#include <QLocale>
#include <QUuid>
#include <QXmlStreamWriter>

namespace spdx {
namespace {

QString shortest(double value) {
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void writeHeader(QXmlStreamWriter &xml, const Document &document, const QDate &created) {
  xml.writeStartElement("Header");
  xml.writeTextElement("Description", document.description);
  xml.writeTextElement("DocumentCreator", document.creator);
  xml.writeTextElement("UniqueIdentifier", QUuid::createUuid().toString(QUuid::WithoutBraces));
  xml.writeTextElement("MeasurementEquipment", document.equipment);
  if (document.reportDate.isValid()) {
    xml.writeTextElement("ReportDate", document.reportDate.toString(Qt::ISODate));
  }
  xml.writeTextElement("DocumentCreationDate", created.toString(Qt::ISODate));
  xml.writeTextElement("Comments", document.comments);
  xml.writeEndElement();
}

void writeSpectralDistribution(QXmlStreamWriter &xml, const Document &document) {
  xml.writeStartElement("SpectralDistribution");
  xml.writeTextElement("SpectralQuantity", document.quantity);
  for (const Sample &sample : document.samples) {
    xml.writeStartElement("SpectralData");
    xml.writeAttribute("wavelength", shortest(sample.wavelength));
    xml.writeCharacters(shortest(sample.value));
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

} // namespace

QByteArray write(const Document &document, const QDate &created) {
  // Through a device, so that the declaration names the encoding.
  QByteArray text;
  QBuffer buffer(&text);
  buffer.open(QIODevice::WriteOnly);
  QXmlStreamWriter xml(&buffer);
  xml.setCodec("UTF-8");
  xml.setAutoFormatting(true);
  xml.writeStartDocument("1.0");
  xml.writeStartElement("IESTM2714");
  xml.writeDefaultNamespace("http://www.ies.org/iestm2714");
  xml.writeAttribute("version", "1.0");
  writeHeader(xml, document, created);
  writeSpectralDistribution(xml, document);
  xml.writeEndElement();
  xml.writeEndDocument();
  return text;
}

} // namespace spdx
