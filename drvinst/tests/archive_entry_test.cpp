#include "drvinst/archive_entry.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace drvinst {
namespace {

TEST(drvinst_EntryName, StripsPrefixesThatLeadOutOfTheFolder) {
  const std::pair<const char *, const char *> cases[] = {
      {"..\\..\\Windows\\x.inf", "Windows\\x.inf"},
      {"a/../b.inf", "b.inf"},
      {"C:\\drivers\\x.inf", "drivers\\x.inf"},
      {"/etc/x.inf", "etc/x.inf"},
      {"\\\\server\\share\\x.inf", "server\\share\\x.inf"},
      {"../x.inf", "x.inf"},
      {"..\\x.inf", "x.inf"},
      {"../../a/x.inf", "a/x.inf"},
      {"a/b/../../../x.inf", "x.inf"},
      {"dir/sub/x.inf", "dir/sub/x.inf"},
      {"...", "..."},
      {"a..b/x.inf", "a..b/x.inf"},
  };
  for (const auto &[stored, expected] : cases) {
    EXPECT_EQ(relativeEntryName(stored), std::optional<std::string>(expected)) << stored;
  }
}

TEST(drvinst_EntryName, RefusesNamesThatWouldStillLeaveTheFolder) {
  for (const char *stored :
       {"..", "a/..", "a\\..", "../..", "a/b/../../..", "C:..", "x.inf:stream", "a/C:b"}) {
    EXPECT_EQ(relativeEntryName(stored), std::nullopt) << stored;
  }
}

struct AttributeCase {
  std::uint16_t versionMadeBy;
  std::uint32_t external;
  bool readOnly, hidden, system, folder, archive;
};

TEST(drvinst_EntryAttributes, FollowTheHostSystemThatMadeTheEntry) {
  const std::uint32_t unixFile = 0100644u << 16;
  const std::uint32_t unixReadOnlyFile = 0100444u << 16;
  const std::uint32_t unixFolder = 040755u << 16;
  const AttributeCase cases[] = {
      {0x0014, 0x21, true, false, false, false, true},      // MS-DOS
      {0x0B14, 0x10, false, false, false, true, false},     // NTFS folder
      {0x0E14, 0x06, false, true, true, false, false},      // VFAT hidden + system
      {0x0714, 0x01, true, false, false, false, false},     // Macintosh
      {0x031E, unixFile, false, false, false, false, true}, // Unix mode, writable
      {0x031E, unixReadOnlyFile, true, false, false, false, true},
      {0x031E, unixFolder | 0x10, false, false, false, true, true},
      {0x031E, 0x21, true, false, false, false, true}, // DOS bits ignored on Unix hosts
  };
  for (const AttributeCase &c : cases) {
    const FileAttributes a = entryAttributes(c.versionMadeBy, c.external);
    EXPECT_EQ(a.readOnly, c.readOnly) << std::hex << c.versionMadeBy << " " << c.external;
    EXPECT_EQ(a.hidden, c.hidden) << std::hex << c.versionMadeBy << " " << c.external;
    EXPECT_EQ(a.system, c.system) << std::hex << c.versionMadeBy << " " << c.external;
    EXPECT_EQ(a.folder, c.folder) << std::hex << c.versionMadeBy << " " << c.external;
    EXPECT_EQ(a.archive, c.archive) << std::hex << c.versionMadeBy << " " << c.external;
  }
}

class drvinst_EntryTimes : public ::testing::Test {
protected:
  test::ScopedEnvironment timeZone{"TZ", test::kUtcPlus8};

  static constexpr std::int64_t kNoonJune26AtUtcPlus8 = 1372219200; // 2013-06-26 04:00:00 UTC
  static constexpr std::uint32_t kModified = 1372250000;
  static constexpr std::uint32_t kAccessed = 1372260000;
  static constexpr std::uint32_t kCreated = 1372270000;

  static FileTimes timesWith(const std::string &extra) {
    return entryTimes(test::kDosNoonJune26, reinterpret_cast<const std::uint8_t *>(extra.data()),
                      extra.size());
  }
};

TEST_F(drvinst_EntryTimes, DosTimeIsLocalTimeForAllThreeWithoutExtendedTimestamp) {
  const FileTimes times = timesWith("");
  const FileTime dos = fileTimeFromUnix(kNoonJune26AtUtcPlus8);
  EXPECT_EQ(times.creation, dos);
  EXPECT_EQ(times.lastAccess, dos);
  EXPECT_EQ(times.lastWrite, dos);
  EXPECT_EQ(dos, static_cast<FileTime>((kNoonJune26AtUtcPlus8 + 11644473600) * 10000000));
}

TEST_F(drvinst_EntryTimes, ModificationTimeOnlyReplacesTheWriteTime) {
  const FileTimes times = timesWith(test::extendedTimestamp(0x01, {kModified}));
  EXPECT_EQ(times.lastWrite, fileTimeFromUnix(kModified));
  EXPECT_EQ(times.lastAccess, fileTimeFromUnix(kNoonJune26AtUtcPlus8));
  EXPECT_EQ(times.creation, fileTimeFromUnix(kNoonJune26AtUtcPlus8));
}

TEST_F(drvinst_EntryTimes, AllFlaggedTimesAreUsedInOrderAfterOtherBlocks) {
  const std::string otherBlock = {'\x0A', '\x00', '\x02', '\x00', 'x', 'y'};
  const FileTimes times =
      timesWith(otherBlock + test::extendedTimestamp(0x07, {kModified, kAccessed, kCreated}) +
                test::extendedTimestamp(0x01, {1}));
  EXPECT_EQ(times.lastWrite, fileTimeFromUnix(kModified));
  EXPECT_EQ(times.lastAccess, fileTimeFromUnix(kAccessed));
  EXPECT_EQ(times.creation, fileTimeFromUnix(kCreated));
}

TEST_F(drvinst_EntryTimes, FlagsForTimesTheBlockDoesNotHoldAreIgnored) {
  // Central-directory copies keep all flags but carry only the modification time.
  const FileTimes times = timesWith(test::extendedTimestamp(0x07, {kModified}));
  EXPECT_EQ(times.lastWrite, fileTimeFromUnix(kModified));
  EXPECT_EQ(times.lastAccess, fileTimeFromUnix(kNoonJune26AtUtcPlus8));

  // A block that claims more bytes than the field has is not read.
  std::string truncated = test::extendedTimestamp(0x01, {kModified});
  truncated.resize(truncated.size() - 2);
  EXPECT_EQ(timesWith(truncated).lastWrite, fileTimeFromUnix(kNoonJune26AtUtcPlus8));
}

} // namespace
} // namespace drvinst
