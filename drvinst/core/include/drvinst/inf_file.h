#pragma once

// Read access to a driver package's INF file, line by line and field by
// field, as the installation needs it. Windows reads INF files with
// SetupAPI; InfDocument is the project's own reader of the same format.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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
// - the text is 8-bit (a UTF-8 byte-order mark is skipped), or UTF-16
//   little-endian with its byte-order mark, which is read as UTF-8;
// - "[name]" starts a section; sections of the same name are merged;
// - ";" starts a comment outside quotes;
// - a "\" that ends a line joins the next line to it;
// - "key = value, value, ..." with an optional key; fields are trimmed;
// - double quotes keep commas, semicolons, "=" and blanks, and "" inside
//   them is one quote;
// - "%name%" is replaced by the first value of "name" in [Strings] (names
//   without regard to case), "%%" by "%"; unknown names stay as written.
//
// Bounds, far above any real INF, keep a hostile one from taking much
// memory or time: the size of the file, the length of one field after
// substitution (SetupAPI's own string limit) and the size of all fields
// after substitution together.
inline constexpr std::size_t kMaxInfBytes = 512u << 10;
inline constexpr std::size_t kMaxInfFieldLength = 4096;
inline constexpr std::size_t kMaxInfSubstitutedBytes = 16u << 20;

class InfDocument final : public InfFile {
public:
  // Parses and substitutes in time linear in the text and its substituted
  // fields. A text beyond the bounds gives a document with an error. The
  // size bound holds for the bytes as given, before any decoding.
  static InfDocument parse(std::string_view text);

  std::vector<InfLine> sectionLines(std::string_view section) const override;

  // True when [Version] names a signature that SetupAPI accepts for
  // Windows NT-style INF files.
  bool hasKnownSignature() const;

  // Why the text cannot be used, in one line; empty when it can.
  const std::string &error() const { return error_; }

private:
  // Lower-cased name -> first value, from the raw lines of [Strings].
  using StringTable = std::unordered_map<std::string, std::string>;

  StringTable stringTable() const;
  void substituteAll();
  std::optional<std::string> substitute(std::string_view field, const StringTable &strings,
                                        std::size_t &budget);

  // Lower-cased section name -> lines after %name% substitution.
  std::map<std::string, std::vector<InfLine>> sections_;
  std::string error_;
};

// Reads and parses the INF at `path`; null when it cannot be read, breaks
// the bounds above or does not carry a known signature. `error` (may be
// null) then receives one sentence saying why, as described in
// drvinst/failure.h.
std::unique_ptr<InfFile> readInfFile(const std::string &path, std::string *error);

} // namespace drvinst
