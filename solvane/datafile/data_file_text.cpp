#include "data_file_text.h"

#include <QTextCodec>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <new>
#include <cstring>
#include <vector>

namespace solvane::datafile {
namespace {

constexpr char kSeparator = ',';
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr QChar kByteOrderMark(0xFEFF);
constexpr int kUtf8Mib = 106;
constexpr qint64 kChunkBytes = qint64(1) << 22;

QTextCodec *localeCodec() {
  return QTextCodec::codecForLocale();
}

bool localeIsUtf8() {
  return localeCodec()->mibEnum() == kUtf8Mib;
}

// A text stream switches to UTF-16 or UTF-32 when the file starts with
// their byte-order mark; such files take the stream's own road.
bool startsWithWideByteOrderMark(const QByteArray &start) {
  return start.startsWith("\xFE\xFF") || start.startsWith("\xFF\xFE") ||
         start.startsWith(QByteArray("\0\0\xFE\xFF", 4));
}

void dropLeadingByteOrderMarks(QString *firstField) {
  // Byte-order marks belong to the encoding, not to the first column's name.
  // The decoder takes one; a file marked twice would keep the next, and every
  // write and read would then drop one more.
  int marks = 0;
  while (marks < firstField->size() && firstField->at(marks) == kByteOrderMark) {
    ++marks;
  }
  firstField->remove(0, marks);
}

bool isAscii(const char *begin, const char *end) {
  return std::all_of(begin, end, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The canonical decimal texts of 0 to 65535, made once and kept for the
// life of the process as static string data, the form QStringLiteral gives
// string literals: copying or dropping such a QString touches no reference
// count, and a large file holds tens of millions of these fields.
class NumberTexts {
public:
  NumberTexts() : storage(kValues * kWordsPerText) {
    texts.reserve(kValues);
    for (int value = 0; value < kValues; ++value) {
      const QByteArray digits = QByteArray::number(value);
      auto *data = static_cast<QStringData *>(new (&storage[static_cast<size_t>(value) * kWordsPerText])
          QArrayData{Q_REFCOUNT_INITIALIZE_STATIC, digits.size(), 0, 0, sizeof(QArrayData)});
      std::copy(digits.begin(), digits.end(), data->data());
      data->data()[digits.size()] = 0;
      texts.push_back(QString(QStringDataPtr{data}));
    }
  }

  const QString &operator[](quint32 value) const { return texts[value]; }

private:
  static constexpr int kValues = 0x10000;
  // The header and up to five digits with their terminating zero, in
  // 8-byte words so that every header is aligned.
  static constexpr size_t kWordsPerText = (sizeof(QArrayData) + 6 * sizeof(ushort) + 7) / 8;

  std::vector<quint64> storage;
  std::vector<QString> texts;
};

const NumberTexts &numberTexts() {
  static const NumberTexts texts;
  return texts;
}

// Field texts made during one read, so that equal texts share one QString
// (Qt's implicit sharing): the 16-bit numbers from the table above, other
// short texts
// through a cache of recently seen ones (dates and labels rarely repeat, so
// a bounded cache costs no memory for them).
class FieldTexts {
public:
  // The cache grows with the file, a slot per 64 bytes up to 65,536 slots,
  // so that opening a small file costs no large table.
  explicit FieldTexts(qint64 fileBytes) {
    size_t slotCount = kFewestCacheSlots;
    while (slotCount < kMostCacheSlots && static_cast<qint64>(slotCount) * 64 < fileBytes) {
      slotCount *= 2;
    }
    cache.resize(slotCount);
  }

  // The text of the field that starts at `begin` and ends at the next comma
  // or at `end`, the line's end (`*end` is the line feed). Sets `*after`
  // past the comma, or to null after the line's last field. The text stays
  // valid until the next call.
  const QString &next(const char *begin, const char *end, const char **after) {
    // Most fields are canonical decimal numbers from 0 to 65535 ("0", "17",
    // not "017"), the intensities: digits are read while the comma is
    // looked for.
    quint32 value = 0;
    const char *p = begin;
    for (unsigned digit; p < end && (digit = static_cast<unsigned char>(*p) - '0') <= 9; ++p) {
      value = value * 10 + digit;
    }
    const char *stop = p;
    if (p < end && *p != kSeparator) {
      stop = static_cast<const char *>(std::memchr(p, kSeparator, static_cast<size_t>(end - p)));
      if (!stop) {
        stop = end;
      }
    }
    *after = stop < end ? stop + 1 : nullptr;
    const std::ptrdiff_t length = stop - begin;
    if (p == stop && length >= 1 && length <= 5 && (length == 1 || *begin != '0') &&
        value <= 0xFFFF) {
      return numbers[value];
    }
    return other(begin, stop);
  }

private:
  // Decodes as a stream decoder does in the middle of the file: a
  // byte-order mark is a character, and the comma or line feed at `end`
  // (decoded with the field, then cut off) completes a malformed
  // multi-byte sequence; so does a CR, before it is dropped.
  static QString decoded(const char *begin, const char *end) {
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString text = localeCodec()->toUnicode(begin, static_cast<int>(end - begin) + 1, &state);
    text.chop(1);
    text.remove(QLatin1Char(kCarriageReturn));
    return text;
  }

  // A field that is not such a number; `*end` is its comma or line feed.
  const QString &other(const char *begin, const char *end) {
    if (!isAscii(begin, end)) {
      scratch = decoded(begin, end);
      return scratch;
    }
    if (std::memchr(begin, kCarriageReturn, static_cast<size_t>(end - begin))) {
      QByteArray kept(begin, static_cast<int>(end - begin));
      kept.replace(kCarriageReturn, QByteArray());
      const char *after = nullptr;
      return next(kept.constBegin(), kept.constEnd(), &after);
    }
    return cached(begin, end);
  }

  static constexpr size_t kFewestCacheSlots = 256;
  static constexpr size_t kMostCacheSlots = size_t(1) << 16;
  // Texts up to this long are kept in the cache; longer ones (dates) are
  // rarely repeated.
  static constexpr int kCachedLength = 11;

  // A cached text with its bytes beside it, so that a lookup compares
  // them without following the string's pointer.
  struct Slot {
    quint32 hash = 0;
    quint8 length = 0;
    std::array<char, kCachedLength> bytes{};
    QString text;
  };

  static quint32 hashOf(const char *begin, const char *end) {
    quint32 hash = 2166136261u; // FNV-1a
    for (const char *p = begin; p < end; ++p) {
      hash = (hash ^ static_cast<unsigned char>(*p)) * 16777619u;
    }
    return hash;
  }

  const QString &cached(const char *begin, const char *end) {
    const int length = static_cast<int>(end - begin);
    if (length > kCachedLength) {
      scratch = QString::fromLatin1(begin, length);
      return scratch;
    }
    const quint32 hash = hashOf(begin, end);
    Slot &slot = cache[hash & (cache.size() - 1)];
    if (slot.text.isNull() || slot.hash != hash || slot.length != length ||
        std::memcmp(slot.bytes.data(), begin, static_cast<size_t>(length)) != 0) {
      slot.hash = hash;
      slot.length = static_cast<quint8>(length);
      std::memcpy(slot.bytes.data(), begin, static_cast<size_t>(length));
      slot.text = QString::fromLatin1(begin, length);
    }
    return slot.text;
  }

  const NumberTexts &numbers = numberTexts();
  QString scratch;
  std::vector<Slot> cache; // a power of two slots
};

class Reader {
public:
  Reader(QStringList *headerOut, const RecordVisitor &visitor, qint64 fileBytes)
      : header(headerOut), visit(visitor), texts(fileBytes) {}

  // One line without its line feed; false once the visitor wants no more.
  bool line(const char *begin, const char *end) {
    if (atHeader) {
      if (end - begin >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0) {
        begin += 3; // the UTF-8 byte-order mark the decoder takes
      }
      QStringList fields = split(begin, end);
      dropLeadingByteOrderMarks(&fields.first());
      *header << fields;
      atHeader = false;
      return true;
    }
    QStringList record = split(begin, end);
    return visit(record);
  }

  // The bytes after the last line feed. A text stream never completes a
  // multi-byte sequence cut off by the end of the file, and a line that is
  // nothing but CRs (or such a sequence) is no line at all.
  void lastLine(const char *begin, const char *end) {
    if (atHeader && end - begin >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0) {
      begin += 3;
    }
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString text = localeCodec()->toUnicode(begin, static_cast<int>(end - begin), &state);
    text.remove(QLatin1Char(kCarriageReturn));
    if (atHeader) {
      dropLeadingByteOrderMarks(&text);
      *header << text.split(QLatin1Char(kSeparator));
      atHeader = false;
    } else if (!text.isEmpty()) {
      QStringList record = text.split(QLatin1Char(kSeparator));
      visit(record);
    }
  }

private:
  // The fields are gathered first, so that the list is made with room
  // for exactly its fields.
  QStringList split(const char *begin, const char *end) {
    fieldTexts.clear();
    for (const char *field = begin; field;) {
      fieldTexts.push_back(texts.next(field, end, &field));
    }
    QStringList fields;
    fields.reserve(static_cast<int>(fieldTexts.size()));
    for (const QString &text : fieldTexts) {
      fields.append(text);
    }
    return fields;
  }

  QStringList *header;
  const RecordVisitor &visit;
  FieldTexts texts;
  std::vector<QString> fieldTexts; // the line being split
  bool atHeader = true;
};

QString readFailure(const QIODevice &device) {
  return QStringLiteral("reading failed: %1").arg(device.errorString());
}

// Files in UTF-16 or UTF-32, or a locale that is not UTF-8: the text
// stream decodes them.
bool readThroughTextStream(QIODevice &device, QStringList *header, const RecordVisitor &visit) {
  device.setTextModeEnabled(true);
  QTextStream stream(&device);
  QString line;
  stream.readLineInto(&line);
  QStringList fields = line.split(QLatin1Char(kSeparator));
  dropLeadingByteOrderMarks(&fields.first());
  *header << fields;
  // An empty line still gives a record: one empty field.
  while (!stream.atEnd()) {
    stream.readLineInto(&line);
    QStringList record = line.split(QLatin1Char(kSeparator));
    if (!visit(record)) {
      break;
    }
  }
  return true;
}

} // namespace

bool readDataFileText(QIODevice &device, QStringList *header, const RecordVisitor &visit,
                      QString *error) {
  if (!localeIsUtf8() || startsWithWideByteOrderMark(device.peek(4))) {
    return readThroughTextStream(device, header, visit);
  }
  Reader reader(header, visit, device.size());
  QByteArray buffer;
  qint64 held = 0; // bytes of an unfinished line at the front of the buffer
  for (;;) {
    // A block, or what is left of a smaller file (and at least a byte, to
    // see the end); a line longer than a block doubles it.
    const qint64 left = device.isSequential() ? kChunkBytes : device.size() - device.pos() + 1;
    const qint64 room = std::max(std::clamp(left, qint64(1), kChunkBytes), held);
    buffer.resize(static_cast<int>(held + room));
    const qint64 got = device.read(buffer.data() + held, room);
    if (got < 0) {
      if (error) {
        *error = readFailure(device);
      }
      return false;
    }
    const char *begin = buffer.constData();
    const char *end = begin + held + got;
    if (got == 0) {
      reader.lastLine(begin, end);
      return true;
    }
    const char *line = begin;
    for (const char *feed; (feed = static_cast<const char *>(std::memchr(
                                line, kLineFeed, static_cast<size_t>(end - line))));
         line = feed + 1) {
      if (!reader.line(line, feed)) {
        return true;
      }
    }
    held = end - line;
    std::memmove(buffer.data(), line, static_cast<size_t>(held));
  }
}

void appendDataFileLine(const QStringList &fields, QByteArray *out) {
  const int start = out->size();
  if (localeIsUtf8()) {
    // ASCII, nearly every line: the UTF-16 units are the bytes.
    int length = std::max(1, fields.size()); // the commas and the line feed
    for (const QString &field : fields) {
      length += field.size();
    }
    out->resize(start + length);
    char *byte = out->data() + start;
    ushort seen = 0;
    for (int i = 0; i < fields.size(); ++i) {
      if (i > 0) {
        *byte++ = kSeparator;
      }
      const ushort *unit = fields[i].utf16();
      for (const ushort *last = unit + fields[i].size(); unit < last; ++unit) {
        seen |= *unit;
        *byte++ = static_cast<char>(*unit);
      }
    }
    *byte = kLineFeed;
    if (seen < 0x80) {
      return;
    }
    out->truncate(start);
  }
  // The line feed goes through the encoder with the line, so that a lone
  // surrogate at the end is written as the encoder writes it mid-line.
  const QString line = fields.join(QLatin1Char(kSeparator)) + QLatin1Char(kLineFeed);
  QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
  out->append(localeCodec()->fromUnicode(line.constData(), line.size(), &state));
}

} // namespace solvane::datafile
