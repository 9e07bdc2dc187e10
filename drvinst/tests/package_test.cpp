#include "drvinst/file_system.h"
#include "drvinst/package.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

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

TEST_F(drvinst_Extraction, AnEscapingNameRefusesTheArchiveBeforeAnythingIsWritten) {
  const std::string zip =
      archive({{"first.inf", "1"}, {"sub/..", "", 0x0014, 0x10}, {"never.inf", "3"}});
  std::string error;
  EXPECT_FALSE(unzipIntoFolder(zip, base, &error));
  EXPECT_EQ(error, "cannot unpack the archive: " + zip +
                       ": entry 2 has a name that leads out of the folder");
  EXPECT_EQ(test::treeOf(scratch.path()), (std::vector<std::string>{"package.zip"}));
}

TEST_F(drvinst_Extraction, ACorruptEntryFailsAndLeavesNoPartialFile) {
  const std::string payload(4000, 'P');
  const std::string zip = archive(
      {{"good.inf", "fine"}, {"bad.sys", payload, 0, 0x20, test::kDosNoonJune26, "", true}});
  std::string bytes = test::readFile(zip);
  bytes[bytes.find(payload) + 100] = 'Q'; // stored data no longer matches its CRC
  test::writeFile(zip, bytes);

  std::string error;
  EXPECT_FALSE(unzipIntoFolder(zip, base, &error));
  EXPECT_EQ(error, "cannot unpack the archive: " + zip + ": entry 2 is damaged");
  EXPECT_EQ(test::treeOf(base), (std::vector<std::string>{"good.inf"}));
}

TEST_F(drvinst_Extraction, AnEntryShorterThanItsDeclaredSizeFails) {
  // The deflate stream ends early; the CRC is never checked in that case.
  const std::string zip = archive({{"short.inf", "complete content"}});
  std::string bytes = test::readFile(zip);
  test::declareUncompressedSizes(bytes, 100);
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

// Archives that try to make the extraction write too much, too deep or in
// the wrong place. Each limit is tried at its edge: at the limit the archive
// unpacks, one beyond it the unzip stops there with the reason.
class drvinst_ExtractionLimits : public drvinst_Extraction {
protected:
  // Unzips and expects a refusal whose reason holds `reason`.
  void expectRefused(const std::string &zip, const std::string &reason) {
    std::string whyNot;
    EXPECT_FALSE(unzipIntoFolder(zip, base, &whyNot));
    EXPECT_NE(whyNot.find(reason), std::string::npos) << whyNot;
    EXPECT_EQ(whyNot.find('\n'), std::string::npos);
  }
};

std::string numberedName(std::size_t i) {
  char name[16];
  std::snprintf(name, sizeof name, "f%04zu.inf", i);
  return name;
}

TEST_F(drvinst_ExtractionLimits, NumberOfEntries) {
  std::vector<ZipEntry> entries;
  for (std::size_t i = 0; i < kMaxEntries; ++i) {
    entries.emplace_back(numberedName(i), "x");
  }
  EXPECT_TRUE(unzipIntoFolder(archive(entries), base));
  EXPECT_EQ(test::treeOf(base).size(), kMaxEntries);

  entries.emplace_back(numberedName(kMaxEntries), "x");
  test::ScratchFolder other;
  std::string whyNot;
  EXPECT_FALSE(unzipIntoFolder(archive(entries), other / "base", &whyNot));
  EXPECT_EQ(whyNot, "cannot unpack the archive: " + (scratch / "package.zip") +
                        ": it holds 1025 entries, more than 1024");
  EXPECT_FALSE(test::fileExists(other / "base")); // refused before the first entry
}

TEST_F(drvinst_ExtractionLimits, BytesPerEntryAndInAllWriteNothingWhenBroken) {
  const std::string full(kMaxEntryBytes, '\0');
  expectRefused(archive({{"first.inf", "1"}, {"big.sys", full + '\0'}}),
                "entry 2 declares 33554433 bytes, more than the 33554432 an entry may hold");
  EXPECT_FALSE(test::fileExists(base));

  // Two entries at the entry limit fill the whole allowance; one more byte
  // is too much, and the archive's directory tells so before the first
  // entry is written.
  expectRefused(archive({{"a.sys", full}, {"b.sys", full}, {"c.inf", "1"}, {"d.inf", "2"}}),
                "entry 3 would bring the package beyond 67108864 bytes");
  EXPECT_FALSE(test::fileExists(base));

  EXPECT_TRUE(unzipIntoFolder(archive({{"a.sys", full}, {"b.sys", full}}), base));
  EXPECT_EQ(test::readFile(base + "/b.sys").size(), kMaxEntryBytes);
}

TEST_F(drvinst_ExtractionLimits, ABombDeclaringAGigabyteWritesNothing) {
  const std::string zip = archive({{"bomb.sys", std::string(100000, '\0')}});
  std::string bytes = test::readFile(zip);
  test::declareUncompressedSizes(bytes, 1u << 30);
  test::writeFile(zip, bytes);
  expectRefused(zip, "entry 1 declares 1073741824 bytes");
  EXPECT_FALSE(test::fileExists(base));
}

TEST_F(drvinst_ExtractionLimits, AStreamLongerThanItsDeclaredSizeIsCutOffAndRemoved) {
  const std::string zip = archive({{"liar.sys", std::string(4u << 20, '\0')}});
  std::string bytes = test::readFile(zip);
  test::declareUncompressedSizes(bytes, 1000);
  test::writeFile(zip, bytes);
  expectRefused(zip, "entry 1 is damaged");
  EXPECT_TRUE(test::treeOf(base).empty());
}

TEST_F(drvinst_ExtractionLimits, NameLengthAndFolderDepth) {
  // Linux allows 255 bytes per component, so the long names have two.
  const std::string longest = std::string(200, 'a') + "/" + std::string(58, 'b');
  std::string deepest;
  for (std::size_t i = 0; i < kMaxFolderDepth; ++i) {
    deepest += "d/";
  }
  ASSERT_EQ(longest.size(), kMaxEntryNameLength);
  EXPECT_TRUE(unzipIntoFolder(archive({{longest, "1"}, {deepest + "x.inf", "2"}}), base));
  EXPECT_TRUE(test::fileExists(base + "/" + deepest + "x.inf"));

  expectRefused(archive({{longest + "c", "1"}}),
                "entry 1 has a name of 260 characters, more than 259");
  expectRefused(archive({{deepest + "e/x.inf", "1"}}), "entry 1 lies more than 32 folders deep");
  expectRefused(archive({{deepest + "e/", "", 0x0014, 0x10}}),
                "entry 1 lies more than 32 folders deep");
  EXPECT_FALSE(test::fileExists(base + "/" + deepest + "e"));
}

TEST_F(drvinst_ExtractionLimits, AName32766FoldersDeepIsRefusedAtOnce) {
  std::string name;
  for (int i = 0; i < 32766; ++i) {
    name += "a/";
  }
  expectRefused(archive({{name + "f", "x"}}), "entry 1 has a name of 65533 characters");
  EXPECT_FALSE(test::fileExists(base));
}

// Points the central-directory record of every entry at the first entry's
// local header, so that they all share its compressed data.
void shareFirstEntrysData(std::string &zip) {
  for (std::size_t at = zip.find("PK\x01\x02"); at != std::string::npos;
       at = zip.find("PK\x01\x02", at + 4)) {
    zip.replace(at + 42, 4, std::string(4, '\0'));
  }
}

TEST_F(drvinst_ExtractionLimits, EntriesSharingCompressedDataAreRefused) {
  std::vector<ZipEntry> entries;
  for (std::size_t i = 0; i < 20; ++i) {
    entries.emplace_back(numberedName(i), std::string(1u << 20, '\0'));
  }
  const std::string zip = archive(entries);
  std::string bytes = test::readFile(zip);
  shareFirstEntrysData(bytes);
  test::writeFile(zip, bytes);
  expectRefused(zip, "entry 2 shares its compressed data with an earlier entry");
  EXPECT_EQ(test::treeOf(base), (std::vector<std::string>{"f0000.inf"}));
}

TEST_F(drvinst_ExtractionLimits, NothingOverwritesTheArchiveCopy) {
  for (const char *name : {"temp.zip", "TEMP.ZIP", "./temp.zip", "temp.zip. ", "a/../temp.zip"}) {
    expectRefused(archive({{name, "x"}}), "entry 1 would overwrite the archive copy temp.zip");
  }
  EXPECT_TRUE(unzipIntoFolder(archive({{"sub/temp.zip", "x"}, {"temp.zip.inf", "y"}}), base));

  // Unpacking from the program: the copy being read stays whole.
  const std::string package = archive({{"a.inf", "1"}, {"temp.zip", "truncated"}, {"b.inf", "2"}});
  test::writeProgram(scratch / "program", kPackageOffset, test::readFile(package));
  std::string whyNot;
  EXPECT_EQ(unpackAppendedPackage(scratch / "program", scratch / "unpacked", &whyNot),
            UnpackStatus::ExtractionFailed);
  EXPECT_EQ(whyNot, "cannot unpack the driver package: " + (scratch / "program") +
                        ": entry 2 would overwrite the archive copy temp.zip");
  EXPECT_EQ(test::readFile(archiveCopyPath(scratch / "unpacked")), test::readFile(package));
  EXPECT_EQ(test::treeOf(scratch / "unpacked"), std::vector<std::string>{"temp.zip"});
}

TEST(drvinst_FreshFolder, IsNeverReused) {
  test::ScratchFolder scratch;
  const test::ScopedEnvironment temporaryFolder("TMPDIR", scratch.path().c_str());
  const std::string first = fs::createFreshFolder(nullptr);
  const std::string second = fs::createFreshFolder(nullptr);
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
  std::string error;
  EXPECT_EQ(unpackAppendedPackage(program, folder, &error), UnpackStatus::ExtractionFailed);
  EXPECT_EQ(error, "cannot unpack the driver package: " + program + ": it is not a ZIP archive");
  EXPECT_TRUE(test::fileExists(archiveCopyPath(folder)));
}

TEST_F(drvinst_AppendedPackage, TheArchiveCopyNeverReplacesAFileOfTheUsers) {
  test::writeZip(scratch / "p.zip", {{"driver.inf", "[Version]"}});
  test::writeProgram(program, kPackageOffset, test::readFile(scratch / "p.zip"));
  ASSERT_TRUE(createFolderWithParents(folder, nullptr));
  test::writeFile(archiveCopyPath(folder), "the user's own archive");

  std::string error;
  EXPECT_EQ(unpackAppendedPackage(program, folder, &error), UnpackStatus::NoArchiveCopy);
  EXPECT_EQ(error, "cannot create the file: " + archiveCopyPath(folder) + ": File exists");
  EXPECT_EQ(test::readFile(archiveCopyPath(folder)), "the user's own archive");
}

// What --unpack does: a folder that holds anything is refused, so that no
// file that was there is overwritten or deleted.
TEST_F(drvinst_AppendedPackage, UnpackingForTheUserNeedsANewOrEmptyFolder) {
  test::writeZip(scratch / "p.zip", {{"driver.inf", "[Version]"}});
  test::writeProgram(program, kPackageOffset, test::readFile(scratch / "p.zip"));
  const std::string users = scratch / "users";
  ASSERT_TRUE(createFolderWithParents(users, nullptr));
  std::string error;
  for (const char *name : {"temp.zip", "driver.inf", ".hidden"}) {
    test::writeFile(users + "/" + name, "the user's own file");
    EXPECT_FALSE(unpackIntoNewFolder(program, users, &error));
    EXPECT_EQ(error, "cannot unpack into the folder: " + users + ": it already holds " + name +
                         "; unpack into a new or empty folder");
    EXPECT_EQ(test::treeOf(users), std::vector<std::string>{name});
    EXPECT_EQ(test::readFile(users + "/" + name), "the user's own file");
    std::remove((users + "/" + name).c_str());
  }
  const std::string file = scratch / "p.zip";
  EXPECT_FALSE(unpackIntoNewFolder(program, file, &error));
  EXPECT_EQ(error, "cannot unpack into the folder: " + file + ": it is not a folder");

  // An empty folder and a new one take the package, without the copy.
  EXPECT_TRUE(unpackIntoNewFolder(program, users, &error)) << error;
  EXPECT_TRUE(unpackIntoNewFolder(program, scratch / "new/folder", &error)) << error;
  EXPECT_EQ(test::treeOf(users), std::vector<std::string>{"driver.inf"});
  EXPECT_EQ(test::treeOf(scratch / "new/folder"), std::vector<std::string>{"driver.inf"});
}

} // namespace
} // namespace drvinst
