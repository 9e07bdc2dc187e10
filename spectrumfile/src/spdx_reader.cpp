// IES TM-27-14 (SPDX) documents: the root IESTM2714, the SpectralQuantity
// and one SpectralData element per sample with its wavelength attribute.
// A small scanner rather than a full XML parser: it reads the elements the
// format defines, takes any namespace prefix, skips comments, declarations
// and other elements, and decodes the five predefined entities in text.

#include "reader_support.h"

#include <algorithm>

namespace spectrumfile::detail {
namespace {

class Scanner {
public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // The next tag from the current position: its name without a namespace
  // prefix and its attribute text; false at the end of the text. Comments,
  // processing instructions and declarations are passed over.
  bool nextTag(std::string_view *name, std::string_view *attributes, bool *closing) {
    for (;;) {
      const std::size_t open = text_.find('<', at_);
      if (open == std::string_view::npos) {
        return false;
      }
      moveTo(open);
      if (startsWith("<!--")) {
        if (!skipPast("-->")) {
          return false;
        }
        continue;
      }
      if (startsWith("<?") || startsWith("<!")) {
        if (!skipPast(">")) {
          return false;
        }
        continue;
      }
      const std::size_t close = text_.find('>', open);
      if (close == std::string_view::npos) {
        return false;
      }
      std::string_view tag = text_.substr(open + 1, close - open - 1);
      moveTo(close + 1);
      *closing = !tag.empty() && tag.front() == '/';
      if (*closing) {
        tag.remove_prefix(1);
      }
      if (!tag.empty() && tag.back() == '/') {
        tag.remove_suffix(1);
      }
      const std::size_t nameEnd = std::min(tag.find_first_of(" \t\r\n"), tag.size());
      *name = tag.substr(0, nameEnd);
      if (const std::size_t colon = name->find(':'); colon != std::string_view::npos) {
        name->remove_prefix(colon + 1);
      }
      *attributes = tag.substr(nameEnd);
      return true;
    }
  }

  // The text from the current position to the next tag, entities decoded.
  std::string text() const {
    const std::size_t end = std::min(text_.find('<', at_), text_.size());
    return decoded(trimmed(text_.substr(at_, end - at_)));
  }

  int line() const { return line_; }

private:
  bool startsWith(std::string_view prefix) const {
    return text_.substr(at_, prefix.size()) == prefix;
  }

  bool skipPast(std::string_view end) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string_view::npos) {
      return false;
    }
    moveTo(found + end.size());
    return true;
  }

  // Advances, counting the line ends passed, so that messages name lines.
  void moveTo(std::size_t position) {
    line_ += static_cast<int>(
        std::count(text_.begin() + static_cast<std::ptrdiff_t>(at_),
                   text_.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
    at_ = position;
  }

  static std::string decoded(std::string_view text) {
    static constexpr std::string_view kEntities[][2] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    std::string out;
    while (!text.empty()) {
      const auto entity = std::find_if(std::begin(kEntities), std::end(kEntities), [&](auto &e) {
        return text.substr(0, e[0].size()) == e[0];
      });
      if (entity != std::end(kEntities)) {
        out += (*entity)[1];
        text.remove_prefix((*entity)[0].size());
      } else {
        out += text.front();
        text.remove_prefix(1);
      }
    }
    return out;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
};

// The value of attribute `name` in a tag's attribute text, quoted with
// either quote; false when it is not there.
bool attribute(std::string_view attributes, std::string_view name, std::string_view *value) {
  for (std::size_t at = attributes.find(name); at != std::string_view::npos;
       at = attributes.find(name, at + 1)) {
    const bool wordStart = at == 0 || attributes[at - 1] == ' ' || attributes[at - 1] == '\t' ||
                           attributes[at - 1] == '\n' || attributes[at - 1] == '\r';
    std::string_view rest = trimmed(attributes.substr(at + name.size()));
    if (!wordStart || rest.empty() || rest.front() != '=') {
      continue;
    }
    rest = trimmed(rest.substr(1));
    if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) {
      return false;
    }
    const std::size_t end = rest.find(rest.front(), 1);
    if (end == std::string_view::npos) {
      return false;
    }
    *value = rest.substr(1, end - 1);
    return true;
  }
  return false;
}

} // namespace

bool readSpdx(std::string_view text, ImportedSpectrum *spectrum, std::string *error) {
  Scanner scanner(text);
  std::string_view name;
  std::string_view attributes;
  bool closing = false;
  if (!scanner.nextTag(&name, &attributes, &closing) || closing || name != "IESTM2714") {
    return failAt(scanner.line(), "the root element IESTM2714 of an IES TM-27-14 (SPDX) document",
                  error);
  }
  Samples samples;
  std::string quantity;
  while (scanner.nextTag(&name, &attributes, &closing)) {
    if (closing) {
      continue;
    }
    if (name == "SpectralQuantity") {
      quantity = scanner.text();
    } else if (name == "Description") {
      spectrum->description = scanner.text();
    } else if (name == "ReportDate") {
      spectrum->time = scanner.text();
    } else if (name == "SpectralData") {
      std::string_view wavelength;
      double nm = 0;
      double value = 0;
      if (!attribute(attributes, "wavelength", &wavelength) ||
          !parseNumber(wavelength, false, &nm)) {
        return failAt(scanner.line(), "a SpectralData element with a wavelength=\"nm\" attribute",
                      error);
      }
      if (const std::string content = scanner.text(); !parseNumber(content, false, &value)) {
        return failAt(scanner.line(), "a number in SpectralData, found " + quoted(content), error);
      }
      if (!samples.add(scanner.line(), nm, value, error)) {
        return false;
      }
    }
  }
  if (!samples.finish("in SpectralData elements", &spectrum->values, error)) {
    return false;
  }
  spectrum->absolute = quantity == "irradiance";
  return true;
}

} // namespace spectrumfile::detail
