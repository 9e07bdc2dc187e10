#include "drvinst/file_system.h"
#include "drvinst/package.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace drvinst {
namespace {

using test::ZipEntry;

class drvinst_Extraction : public ::testing::Test {
protected:
  std::string archive(const std::vector<ZipEntry> &entries) {
    const std::string path = scratch / "package.zip";
    test::writeZip(path, entries);
    return path;
  }

  test::ScratchFolder scratch;
  const std::string base = scratch / "base";
};

TEST_F(drvinst_Extraction, CreatesTheDestinationWithMissingParentsAndEntryFolders) {
  const std::string zip = archive(
      {{"driver.inf", "[Version]"}, {"empty/", "", 0x0014, 0x10}, {"sub\\dir/file.sys", "binary"}});
  const std::string destination = scratch / "a/b/c";
  ASSERT_TRUE(unzipIntoFolder(zip, destination));
  EXPECT_EQ(test::treeOf(destination), (std::vector<std::string>{"driver.inf", "empty", "sub",
                                                                 "sub/dir", "sub/dir/file.sys"}));
  EXPECT_EQ(test::readFile(destination + "/sub/dir/file.sys"), "binary");
}

TEST_F(drvinst_Extraction, ReadOnlyEntriesLoseTheirWriteBitsAndTimesAreSet) {
  const test::ScopedEnvironment timeZone("TZ", "UTC0");
  const std::uint32_t modified = 1372250000;
  const std::string zip = archive({{"ro.dll", "x", 0x0014, 0x21, test::kDosNoonJune26},
                                   {"unix.sys", "y", 0x031E, 0100644u << 16, test::kDosNoonJune26,
                                    test::extendedTimestamp(0x01, {modified})}});
  ASSERT_TRUE(unzipIntoFolder(zip, base));

  struct stat readOnly {};
  ASSERT_EQ(::stat((base + "/ro.dll").c_str(), &readOnly), 0);
  EXPECT_EQ(readOnly.st_mode & 0222, 0u);
  EXPECT_EQ(readOnly.st_mtime, 1372248000); // 2013-06-26 12:00:00 UTC

  struct stat unixEntry {};
  ASSERT_EQ(::stat((base + "/unix.sys").c_str(), &unixEntry), 0);
  EXPECT_NE(unixEntry.st_mode & 0200, 0u);
  EXPECT_EQ(unixEntry.st_mtime, modified);
  EXPECT_EQ(unixEntry.st_atime, 1372248000);
}

TEST_F(drvinst_Extraction, EveryEntryLandsInsideTheBaseFolder) {
  const std::string zip = archive({{"..\\..\\Windows\\x.inf", "1"},
                                   {"a/../b.inf", "2"},
                                   {"../c.inf", "3"},
                                   {"..\\d.inf", "4"},
                                   {"/e.inf", "5"}});
  ASSERT_TRUE(unzipIntoFolder(zip, base));
  EXPECT_EQ(test::treeOf(base), (std::vector<std::string>{"Windows", "Windows/x.inf", "b.inf",
                                                          "c.inf", "d.inf", "e.inf"}));
  EXPECT_EQ(test::treeOf(scratch.path()),
            (std::vector<std::string>{"base", "base/Windows", "base/Windows/x.inf", "base/b.inf",
                                      "base/c.inf", "base/d.inf", "base/e.inf", "package.zip"}));
}

TEST_F(drvinst_Extraction, AnEscapingNameStopsTheUnzipWithoutWritingOutside) {
  const std::string zip =
      archive({{"first.inf", "1"}, {"sub/..", "", 0x0014, 0x10}, {"never.inf", "3"}});
  EXPECT_FALSE(unzipIntoFolder(zip, base));
  EXPECT_EQ(test::treeOf(scratch.path()),
            (std::vector<std::string>{"base", "base/first.inf", "package.zip"}));
}

TEST_F(drvinst_Extraction, ACorruptEntryFailsAndLeavesNoPartialFile) {
  const std::string payload(4000, 'P');
  const std::string zip = archive(
      {{"good.inf", "fine"}, {"bad.sys", payload, 0, 0x20, test::kDosNoonJune26, "", true}});
  std::string bytes = test::readFile(zip);
  bytes[bytes.find(payload) + 100] = 'Q'; // stored data no longer matches its CRC
  test::writeFile(zip, bytes);

  EXPECT_FALSE(unzipIntoFolder(zip, base));
  EXPECT_EQ(test::treeOf(base), (std::vector<std::string>{"good.inf"}));
}

// Sets the uncompressed size of the archive's only entry in both headers.
void declareUncompressedSize(std::string &zip, std::uint32_t size) {
  const auto put = [&zip, size](std::size_t offset) {
    for (int i = 0; i < 4; ++i) {
      zip[offset + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    }
  };
  put(22);                          // local header
  put(zip.find("PK\x01\x02") + 24); // central directory
}

TEST_F(drvinst_Extraction, AnEntryShorterThanItsDeclaredSizeFails) {
  // The deflate stream ends early; the CRC is never checked in that case.
  const std::string zip = archive({{"short.inf", "complete content"}});
  std::string bytes = test::readFile(zip);
  declareUncompressedSize(bytes, 100);
  test::writeFile(zip, bytes);

  EXPECT_FALSE(unzipIntoFolder(zip, base));
  EXPECT_TRUE(test::treeOf(base).empty());
}

TEST_F(drvinst_Extraction, TruncatedOrGarbageArchivesFailCleanly) {
  const std::string zip = archive({{"driver.inf", std::string(5000, 'z')}});
  const std::string whole = test::readFile(zip);
  for (std::size_t keep : {whole.size() / 2, whole.size() - 10, std::size_t{30}}) {
    test::writeFile(zip, whole.substr(0, keep));
    EXPECT_FALSE(unzipIntoFolder(zip, base)) << keep;
  }
  // A central directory that points into garbage.
  std::string scrambled = whole;
  for (std::size_t i = 30; i < scrambled.size() / 2; ++i) {
    scrambled[i] = static_cast<char>(i * 7);
  }
  test::writeFile(zip, scrambled);
  EXPECT_FALSE(unzipIntoFolder(zip, base));
  for (const std::string &name : test::treeOf(scratch.path())) {
    EXPECT_TRUE(name == "package.zip" || name.rfind("base", 0) == 0) << name;
  }
}

TEST(drvinst_FreshFolder, IsNeverReused) {
  test::ScratchFolder scratch;
  const test::ScopedEnvironment temporaryFolder("TMPDIR", scratch.path().c_str());
  const std::string first = fs::createFreshFolder();
  const std::string second = fs::createFreshFolder();
  EXPECT_NE(first, second);
  EXPECT_EQ(test::treeOf(scratch.path()).size(), 2u);
  EXPECT_EQ(first.rfind(scratch.path(), 0), 0u);
}

class drvinst_AppendedPackage : public ::testing::Test {
protected:
  test::ScratchFolder scratch;
  const std::string program = scratch / "program";
  const std::string folder = scratch / "temp/unpacked";
};

TEST_F(drvinst_AppendedPackage, IsCopiedToTempZipAndUnpacked) {
  test::writeZip(scratch / "p.zip", {{"driver.inf", "[Version]"}});
  test::writeProgram(program, kPackageOffset, test::readFile(scratch / "p.zip"));

  EXPECT_EQ(unpackAppendedPackage(program, folder), UnpackStatus::Extracted);
  EXPECT_EQ(test::readFile(folder + "/driver.inf"), "[Version]");
  EXPECT_EQ(test::readFile(archiveCopyPath(folder)), test::readFile(scratch / "p.zip"));
}

TEST_F(drvinst_AppendedPackage, AProgramOfExactlyTheOffsetHasNoPackage) {
  test::writeProgram(program, kPackageOffset, "");
  EXPECT_EQ(unpackAppendedPackage(program, folder), UnpackStatus::NoArchiveCopy);
  EXPECT_FALSE(test::fileExists(archiveCopyPath(folder)));
  EXPECT_EQ(unpackAppendedPackage(scratch / "missing", folder), UnpackStatus::NoArchiveCopy);
}

TEST_F(drvinst_AppendedPackage, ADamagedPackageStillCountsAsWritten) {
  test::writeProgram(program, kPackageOffset, "not a zip archive");
  EXPECT_EQ(unpackAppendedPackage(program, folder), UnpackStatus::ExtractionFailed);
  EXPECT_TRUE(test::fileExists(archiveCopyPath(folder)));
}

} // namespace
} // namespace drvinst
