#include "drvinst/inf_file.h"

#include "drvinst/failure.h"
#include "drvinst/text.h"

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

namespace drvinst {
namespace {

// The part of a physical line before its comment.
std::string_view withoutComment(std::string_view line) {
  bool inQuotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') {
      inQuotes = !inQuotes;
    } else if (line[i] == ';' && !inQuotes) {
      return line.substr(0, i);
    }
  }
  return line;
}

// Lines without comments or blanks around them, continuations joined;
// empty lines are dropped.
std::vector<std::string> logicalLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string pending;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view physical = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string_view content = trimBlanks(withoutComment(physical));
    if (!content.empty() && content.back() == '\\') {
      pending.append(content.substr(0, content.size() - 1));
      continue;
    }
    pending.append(content);
    if (!pending.empty()) {
      lines.push_back(std::move(pending));
    }
    pending.clear();
  }
  if (!pending.empty()) {
    lines.push_back(std::move(pending));
  }
  return lines;
}

// Collects one field's characters: blanks outside quotes are dropped at
// both ends, quoted text is kept as it is.
class FieldBuilder {
public:
  void addPlain(char c) {
    if (text_.empty() && !quoted_ && (c == ' ' || c == '\t')) {
      return;
    }
    text_ += c;
  }
  void addQuoted(char c) {
    text_ += c;
    markQuoted();
  }
  void markQuoted() {
    quoted_ = true;
    keep_ = text_.size();
  }
  std::string take() {
    std::size_t end = text_.size();
    while (end > keep_ && (text_[end - 1] == ' ' || text_[end - 1] == '\t')) {
      --end;
    }
    std::string field = text_.substr(0, end);
    *this = FieldBuilder();
    return field;
  }

private:
  std::string text_;
  bool quoted_ = false;
  std::size_t keep_ = 0; // text_ up to here came from quotes and is never trimmed
};

InfLine splitFields(std::string_view line) {
  std::vector<std::string> values;
  std::string key;
  bool hasKey = false;
  bool inQuotes = false;
  FieldBuilder field;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (inQuotes) {
      if (c != '"') {
        field.addQuoted(c);
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field.addQuoted('"');
        ++i;
      } else {
        inQuotes = false;
      }
    } else if (c == '"') {
      inQuotes = true;
      field.markQuoted();
    } else if (c == '=' && !hasKey && values.empty()) {
      key = field.take();
      hasKey = true;
    } else if (c == ',') {
      values.push_back(field.take());
    } else {
      field.addPlain(c);
    }
  }
  values.push_back(field.take());
  InfLine fields{std::move(key)};
  fields.insert(fields.end(), values.begin(), values.end());
  return fields;
}

// The file's bytes, at most `limit` + 1 of them so that a caller sees that
// it is too large without reading all of it.
std::optional<std::string> readFileUpTo(const std::string &path, std::size_t limit) {
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return std::nullopt;
  }
  std::string text;
  char chunk[4096];
  std::size_t read = 0;
  while (text.size() <= limit && (read = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    text.append(chunk, read);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return failed ? std::nullopt : std::optional<std::string>(std::move(text));
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeByteOrderMark = "\xFF\xFE";

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

} // namespace

InfDocument InfDocument::parse(std::string_view text) {
  InfDocument document;
  if (text.size() > kMaxInfBytes) {
    document.error_ = "it is larger than " + decimal(kMaxInfBytes) + " bytes";
    return document;
  }
  std::string decoded;
  if (startsWith(text, kUtf16LeByteOrderMark)) {
    decoded = utf8FromUtf16Le(text.substr(kUtf16LeByteOrderMark.size()));
    text = decoded;
  } else if (startsWith(text, kUtf8ByteOrderMark)) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  std::vector<InfLine> *current = nullptr;
  for (const std::string &line : logicalLines(text)) {
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name =
          std::string_view(line).substr(1, close == std::string::npos ? close : close - 1);
      current = &document.sections_[toLower(trimBlanks(name))];
    } else if (current != nullptr) {
      current->push_back(splitFields(line));
    }
  }
  document.substituteAll();
  return document;
}

std::vector<InfLine> InfDocument::sectionLines(std::string_view section) const {
  const auto found = sections_.find(toLower(section));
  return found == sections_.end() ? std::vector<InfLine>() : found->second;
}

InfDocument::StringTable InfDocument::stringTable() const {
  StringTable strings;
  const auto section = sections_.find("strings");
  if (section != sections_.end()) {
    for (const InfLine &line : section->second) {
      if (line.size() > 1) {
        strings.emplace(toLower(line[0]), line[1]); // the first value of a name wins
      }
    }
  }
  return strings;
}

// Every field is substituted once, here, so that each %name% costs one
// look-up and the bounds hold for everything sectionLines hands out.
void InfDocument::substituteAll() {
  const StringTable strings = stringTable();
  std::size_t budget = kMaxInfSubstitutedBytes;
  for (auto &[name, lines] : sections_) {
    for (InfLine &line : lines) {
      for (std::string &field : line) {
        std::optional<std::string> substituted = substitute(field, strings, budget);
        if (!substituted) {
          sections_.clear();
          return;
        }
        field = std::move(*substituted);
      }
    }
  }
}

std::optional<std::string>
InfDocument::substitute(std::string_view field, const StringTable &strings, std::size_t &budget) {
  std::string result;
  const auto append = [&](std::string_view piece) {
    if (piece.size() > kMaxInfFieldLength - result.size()) {
      error_ = "a field is longer than " + decimal(kMaxInfFieldLength) +
               " characters after %name% substitution";
      return false;
    }
    if (piece.size() > budget) {
      error_ = "its fields come to more than " + decimal(kMaxInfSubstitutedBytes) +
               " bytes after %name% substitution";
      return false;
    }
    result.append(piece);
    budget -= piece.size();
    return true;
  };
  for (;;) {
    const std::size_t open = field.find('%');
    const std::size_t close = open == std::string_view::npos ? open : field.find('%', open + 1);
    if (close == std::string_view::npos) {
      break;
    }
    const std::string_view name = field.substr(open + 1, close - open - 1);
    const auto value = name.empty() ? strings.end() : strings.find(toLower(name));
    const std::string_view replacement = name.empty() ? std::string_view("%")
                                         : value != strings.end()
                                             ? value->second
                                             : field.substr(open, close - open + 1);
    if (!append(field.substr(0, open)) || !append(replacement)) {
      return std::nullopt;
    }
    field.remove_prefix(close + 1);
  }
  return append(field) ? std::optional<std::string>(std::move(result)) : std::nullopt;
}

bool InfDocument::hasKnownSignature() const {
  const auto version = sections_.find("version");
  if (version == sections_.end()) {
    return false;
  }
  for (const InfLine &line : version->second) {
    if (line.size() > 1 && equalsIgnoringCase(line[0], "Signature")) {
      const std::string &signature = line[1];
      return equalsIgnoringCase(signature, "$Windows NT$") ||
             equalsIgnoringCase(signature, "$Chicago$") ||
             equalsIgnoringCase(signature, "$Windows 95$");
    }
  }
  return false;
}

std::unique_ptr<InfFile> readInfFile(const std::string &path, std::string *error) {
  const std::optional<std::string> text = readFileUpTo(path, kMaxInfBytes);
  if (!text) {
    failWithSystemError(error, "cannot read the INF file", path);
    return nullptr;
  }
  auto document = std::make_unique<InfDocument>(InfDocument::parse(*text));
  if (!document->error().empty() || !document->hasKnownSignature()) {
    const std::string_view why = !document->error().empty()
                                     ? std::string_view(document->error())
                                     : "it has no [Version] signature of a Windows NT-style INF";
    fail(error, {"cannot use the INF file: ", quoted(path), ": ", why});
    return nullptr;
  }
  return document;
}

} // namespace drvinst
