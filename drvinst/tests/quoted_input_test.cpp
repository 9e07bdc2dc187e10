// Names and paths from an archive, an INF file or the command line reach the
// installer's failure sentences, which a terminal or a dialog shows: each
// must stay one line without control characters, whatever the input held.

#include "drvinst/inf_file.h"
#include "drvinst/linux_device_manager.h"
#include "drvinst/package.h"

#include "hostile_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace drvinst {
namespace {

using quoting::testing::hostileTexts;
using quoting::testing::isOneSafeLine;

TEST(drvinst_QuotedInput, HostileNamesNeverReachAFailureSentenceRaw) {
  test::ScratchFolder scratch;
  const std::string base = scratch / "base";
  std::filesystem::create_directories(base);
  test::writeFile(base + "/blocker", "a file where the entry wants a folder");
  for (const std::string &hostile : hostileTexts()) {
    std::string error;
    EXPECT_FALSE(unzipIntoFolder(scratch / hostile, base, &error));
    EXPECT_TRUE(isOneSafeLine(error)) << error;

    // The path built from the entry's name, in the system's refusal.
    const std::string zip = scratch / "package.zip";
    test::writeZip(zip, {{"blocker/" + hostile.substr(0, 100) + "/x.inf", "1"}});
    EXPECT_FALSE(unzipIntoFolder(zip, base, &error));
    EXPECT_TRUE(isOneSafeLine(error)) << error;

    EXPECT_EQ(readInfFile(scratch / hostile, &error), nullptr);
    EXPECT_TRUE(isOneSafeLine(error)) << error;

    LinuxDeviceSettings settings;
    settings.rulesFolder = scratch.path();
    EXPECT_FALSE(LinuxDeviceManager(settings).updateDriver(hostile, "x.inf", &error));
    EXPECT_TRUE(isOneSafeLine(error)) << error;

    // A folder to unpack into that already holds a file of that name.
    const std::string full = scratch / "full";
    std::filesystem::remove_all(full);
    std::filesystem::create_directories(full);
    test::writeFile(full + "/" + hostile.substr(0, 200), ""); // a NUL ends the name
    EXPECT_FALSE(unpackIntoNewFolder(scratch / "program", full, &error));
    EXPECT_TRUE(isOneSafeLine(error)) << error;
  }
}

} // namespace
} // namespace drvinst
