// Archive extraction: any archive, unzipped into a fresh folder, writes
// nothing outside that folder and no more than the limits allow, the
// archive copy beside it stays as it was, and a refusal gives one clean line.

#include "drvinst/package.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// One scratch folder per process, beside which nothing may appear; it goes
// when the process ends normally.
const fs::path &scratchRoot() {
  static const fs::path root = [] {
    const char *temporary = std::getenv("TMPDIR");
    std::string pattern =
        (fs::path(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") /
         "drvinst-fuzz-XXXXXX")
            .string();
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
    return fs::path(pattern);
  }();
  static const bool removedAtExit = [] {
    return std::atexit([] {
             std::error_code ignored;
             fs::remove_all(root, ignored);
           }) == 0;
  }();
  (void)removedAtExit;
  return root;
}

std::uintmax_t bytesBelow(const fs::path &folder) {
  std::uintmax_t total = 0;
  for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      total += entry.file_size();
    }
  }
  return total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const fs::path &root = scratchRoot();
  const fs::path run = root / "run";
  const fs::path copy = run / drvinst::kArchiveCopyName;
  fs::create_directories(run);
  {
    std::ofstream(copy, std::ios::binary)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
  }
  std::string whyNot;
  const bool extracted = drvinst::unzipIntoFolder(copy.string(), run.string(), &whyNot);
  FUZZ_CHECK(extracted || isOneCleanLine(whyNot));

  // Nothing beside the run folder, and the copy untouched.
  for (const fs::directory_entry &entry : fs::directory_iterator(root)) {
    FUZZ_CHECK(entry.path() == run);
  }
  FUZZ_CHECK(fs::file_size(copy) == size);
  FUZZ_CHECK(bytesBelow(run) <= drvinst::kMaxUnpackedBytes + size);

  std::error_code ignored;
  fs::remove_all(run, ignored);
  return 0;
}
