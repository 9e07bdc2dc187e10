// The INF reader: any text parses within its bounds, and what it hands
// out, substituted fields and the model's hardware ID, keeps them.

#include "drvinst/hardware_id.h"
#include "drvinst/inf_file.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void checkFieldsOf(const drvinst::InfDocument &document, std::string_view section) {
  for (const drvinst::InfLine &line : document.sectionLines(section)) {
    for (const std::string &field : line) {
      FUZZ_CHECK(field.size() <= drvinst::kMaxInfFieldLength);
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  const drvinst::InfDocument document = drvinst::InfDocument::parse(text);
  if (!document.error().empty()) {
    FUZZ_CHECK(isOneCleanLine(document.error()));
    FUZZ_CHECK(document.sectionLines("Version").empty());
    return 0;
  }
  for (std::string_view section : {"Version", "Manufacturer", "Strings"}) {
    checkFieldsOf(document, section);
  }
  document.hasKnownSignature();
  for (std::string_view decoration : {"NTamd64", "NTx86"}) {
    const std::optional<std::string> id = drvinst::modelHardwareId(document, decoration);
    FUZZ_CHECK(!id || id->size() <= drvinst::kMaxInfFieldLength);
  }
  return 0;
}
