#pragma once

// Read access to a driver package's INF file, line by line and field by
// field, as the installation needs it. Windows reads INF files with
// SetupAPI; InfDocument is the project's own reader of the same format.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drvinst {

// Field 0 is the line's key (empty when the line has none); fields 1 and on
// are its comma-separated values.
using InfLine = std::vector<std::string>;

class InfFile {
public:
  virtual ~InfFile() = default;
  // The lines of `section` in file order, empty when there is no such
  // section. Section names compare without regard to case.
  virtual std::vector<InfLine> sectionLines(std::string_view section) const = 0;
};

// The INF format as SetupAPI reads it:
// - "[name]" starts a section; sections of the same name are merged;
// - ";" starts a comment outside quotes;
// - a "\" that ends a line joins the next line to it;
// - "key = value, value, ..." with an optional key; fields are trimmed;
// - double quotes keep commas, semicolons, "=" and blanks, and "" inside
//   them is one quote;
// - "%name%" is replaced by the first value of "name" in [Strings] (names
//   without regard to case), "%%" by "%"; unknown names stay as written.
class InfDocument final : public InfFile {
public:
  static InfDocument parse(std::string_view text);

  std::vector<InfLine> sectionLines(std::string_view section) const override;

  // True when [Version] names a signature that SetupAPI accepts for
  // Windows NT-style INF files.
  bool hasKnownSignature() const;

private:
  std::string substitute(std::string_view field) const;
  // The first value of `name` in [Strings].
  std::optional<std::string> stringValue(std::string_view name) const;

  // Lower-cased section name -> raw lines before %name% substitution.
  std::map<std::string, std::vector<InfLine>> sections_;
};

// Reads and parses the INF at `path`; null when it cannot be read or does
// not carry a known signature.
std::unique_ptr<InfFile> readInfFile(const std::string &path);

} // namespace drvinst
