#include "drvinst/hardware_id.h"
#include "drvinst/host.h"
#include "drvinst/inf_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace drvinst {
namespace {

std::vector<InfLine> linesOf(std::string_view text, std::string_view section) {
  return InfDocument::parse(text).sectionLines(section);
}

TEST(drvinst_InfReader, SplitsKeysAndFieldsWithQuotesCommentsAndContinuations) {
  const char *text = "\xEF\xBB\xBF; leading comment\r\n"
                     "[Sample]\r\n"
                     "  key = one , two words ,\"quoted, ; kept \" ; comment\r\n"
                     "NoKeyLine, second\n"
                     "escaped = \"say \"\"hi\"\"\"x , mixed\" part\"\n"
                     "joined = first, \\\n"
                     "         second\n"
                     "empty =\n"
                     "a = b = c\n";
  const std::vector<InfLine> lines = linesOf(text, "sample");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], (InfLine{"key", "one", "two words", "quoted, ; kept "}));
  EXPECT_EQ(lines[1], (InfLine{"", "NoKeyLine", "second"}));
  EXPECT_EQ(lines[2], (InfLine{"escaped", "say \"hi\"x", "mixed part"}));
  EXPECT_EQ(lines[3], (InfLine{"joined", "first", "second"}));
  EXPECT_EQ(lines[4], (InfLine{"empty", ""}));
  EXPECT_EQ(lines[5], (InfLine{"a", "b = c"}));
}

TEST(drvinst_InfReader, MergesSectionsByNameWithoutRegardToCase) {
  const char *text = "[Models]\nfirst = 1\n[Other]\nx = y\n[  MODELS ]\nsecond = 2\n";
  const std::vector<InfLine> lines = linesOf(text, "mOdElS");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0][0], "first");
  EXPECT_EQ(lines[1][0], "second");
  EXPECT_TRUE(linesOf(text, "Missing").empty());
}

TEST(drvinst_InfReader, SubstitutesStringsFromTheStringsSection) {
  const char *text = "[Use]\n%Name% = %NAME% and %unknown%, 100%%, %12%\\WinUSB.sys\n"
                     "[Strings]\nname = \"Tessel, Inc\"\n";
  EXPECT_EQ(linesOf(text, "Use")[0],
            (InfLine{"Tessel, Inc", "Tessel, Inc and %unknown%", "100%", "%12%\\WinUSB.sys"}));
}

TEST(drvinst_InfReader, AcceptsOnlyKnownSignatures) {
  EXPECT_TRUE(InfDocument::parse("[version]\nsignature=\"$WINDOWS NT$\"\n").hasKnownSignature());
  EXPECT_TRUE(InfDocument::parse("[Version]\nSignature=$Chicago$\n").hasKnownSignature());
  EXPECT_FALSE(InfDocument::parse("[Version]\nSignature=\"$Windows 3.1$\"\n").hasKnownSignature());
  EXPECT_FALSE(InfDocument::parse("[Strings]\nSignature=\"$Windows NT$\"\n").hasKnownSignature());

  test::ScratchFolder scratch;
  test::writeFile(scratch / "bad.inf", "this is no INF file\n");
  EXPECT_EQ(readInfFile(scratch / "bad.inf", nullptr), nullptr);
  EXPECT_EQ(readInfFile(scratch / "missing.inf", nullptr), nullptr);
}

// UTF-16 LE bytes with the byte-order mark, as SetupAPI reads them.
std::string utf16LeWithMark(const std::u16string &text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(drvinst_InfReader, ReadsUtf16LittleEndianWithItsMarkAsUtf8) {
  const std::u16string text = u"[Manufacturer]\r\n%Maker% = Standard,NTamd64\r\n"
                              u"[Strings]\r\nMaker = \"泰塞尔 \U0001F4A1\"\r\n";
  const std::vector<InfLine> lines =
      InfDocument::parse(utf16LeWithMark(text)).sectionLines("Manufacturer");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (InfLine{"泰塞尔 \xF0\x9F\x92\xA1", "Standard", "NTamd64"}));

  // A lone surrogate becomes U+FFFD; an odd last byte is dropped.
  const std::string broken = utf16LeWithMark(u"[S]\nk = a\xD800 b\n") + "x";
  EXPECT_EQ(InfDocument::parse(broken).sectionLines("S").at(0),
            (InfLine{"k", "a\xEF\xBF\xBD b"}));
  // Without its mark the text is 8-bit: UTF-16 is then only odd bytes.
  EXPECT_TRUE(InfDocument::parse(utf16LeWithMark(text).substr(2)).sectionLines("Manufacturer").empty());
}

// INF files built to make the reader amplify its input or slow down. Each
// bound is tried at its edge: at the bound the INF reads, one beyond it the
// INF fails with the reason.
TEST(drvinst_InfBounds, FieldLengthAfterSubstitution) {
  const std::string strings =
      "[Strings]\nhalf = \"" + std::string(kMaxInfFieldLength / 2, 'h') + "\"\n";
  const InfDocument atTheBound = InfDocument::parse("[Use]\n%half%%half%\n" + strings);
  EXPECT_EQ(atTheBound.error(), "");
  EXPECT_EQ(atTheBound.sectionLines("Use")[0][1].size(), kMaxInfFieldLength);

  const InfDocument beyond = InfDocument::parse("[Use]\n%half%%half%x\n" + strings);
  EXPECT_EQ(beyond.error(), "a field is longer than 4096 characters after %name% substitution");
  EXPECT_TRUE(beyond.sectionLines("Use").empty());
}

TEST(drvinst_InfBounds, AllFieldsAfterSubstitution) {
  // [Strings] holds 1 + 2048 bytes; each "%h%%h%" line one empty key
  // and a field of 4096, so 4095 of them leave room for 2047 more bytes.
  const std::string strings = "[Strings]\nh = " + std::string(kMaxInfFieldLength / 2, 'h') + "\n";
  std::string lines = "[Use]\n";
  for (int i = 0; i < 4095; ++i) {
    lines += "%h%%h%\n";
  }
  EXPECT_EQ(InfDocument::parse(lines + std::string(2047, 'p') + "\n" + strings).error(), "");
  EXPECT_EQ(InfDocument::parse(lines + std::string(2048, 'p') + "\n" + strings).error(),
            "its fields come to more than 16777216 bytes after %name% substitution");
}

TEST(drvinst_InfBounds, SizeOfTheFile) {
  const std::string head = "[Version]\nSignature=$Chicago$\n";
  const std::string atTheBound = head + std::string(kMaxInfBytes - head.size() - 1, ';') + "\n";
  EXPECT_EQ(InfDocument::parse(atTheBound).error(), "");
  EXPECT_EQ(InfDocument::parse(atTheBound + " ").error(), "it is larger than 524288 bytes");

  test::ScratchFolder scratch;
  test::writeFile(scratch / "fits.inf", atTheBound);
  test::writeFile(scratch / "huge.inf", atTheBound + std::string(8u << 20, ';'));
  std::string whyNot;
  EXPECT_NE(readInfFile(scratch / "fits.inf", &whyNot), nullptr) << whyNot;
  EXPECT_EQ(readInfFile(scratch / "huge.inf", &whyNot), nullptr);
  EXPECT_EQ(whyNot, "cannot use the INF file: " + (scratch / "huge.inf") +
                        ": it is larger than 524288 bytes");
  EXPECT_EQ(readInfFile(scratch / "missing.inf", &whyNot), nullptr);
  EXPECT_EQ(whyNot, "cannot read the INF file: " + (scratch / "missing.inf") +
                        ": No such file or directory");
}

TEST(drvinst_InfBounds, AmplifyingStringsFailInsteadOfExhaustingMemory) {
  // 64 KiB: one 32 KiB string used over and over once asked for 356 MB.
  std::string text = "[Version]\nSignature=$Chicago$\n[Use]\n";
  for (int i = 0; i < 8000; ++i) {
    text += "%big%,";
  }
  text += "\n[Strings]\nbig=" + std::string(32u << 10, 'b') + "\n";
  EXPECT_EQ(InfDocument::parse(text).error(),
            "a field is longer than 4096 characters after %name% substitution");
}

TEST(drvinst_InfBounds, ManyStringsAndReferencesTakeLinearTime) {
  // 256 KiB of names and references once took over 40 s: every reference
  // scanned [Strings] with two lower-cased copies per comparison.
  std::string use = "[Use]\n";
  std::string strings = "[Strings]\n";
  for (int i = 0; i < 9000; ++i) {
    const std::string name = "Name" + std::to_string(i);
    use += "%" + name + "%,";
    strings += name + "=v" + std::to_string(i) + "\n";
  }
  const auto start = std::chrono::steady_clock::now();
  const InfDocument document = InfDocument::parse(use + "\n" + strings);
  const auto took = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(document.error(), "");
  EXPECT_EQ(document.sectionLines("Use")[0][8999], "v8998");
  EXPECT_LT(took, std::chrono::seconds(2)); // milliseconds, even under the sanitizers
}

TEST(drvinst_HardwareIdMatch, AcceptsMoreSpecificIdsOnly) {
  EXPECT_TRUE(hardwareIdMatches("USB\\VID_0483&PID_085F", "USB\\VID_0483&PID_085F&REV_0200"));
  EXPECT_TRUE(hardwareIdMatches("USB\\VID_0483&PID_085F", "usb\\vid_0483&pid_085f"));
  EXPECT_TRUE(hardwareIdMatches("USB\\VID_0483&PID_085F", "USB\\VID_0483&PID_085F#x"));
  EXPECT_FALSE(hardwareIdMatches("USB\\VID_0483&PID_085F", "USB\\VID_0483&PID_085F0"));
  EXPECT_FALSE(hardwareIdMatches("USB\\VID_0483&PID_085F", "USB\\VID_0483&PID_0850"));
  EXPECT_FALSE(hardwareIdMatches("USB\\VID_0483&PID_085F&REV_0200", "USB\\VID_0483&PID_085F"));
}

constexpr char kDecoratedInf[] =
    "[Version]\nSignature=\"$Windows NT$\"\n"
    "[Manufacturer]\n"
    "%Maker% = Broken, NTamd64\n" // its models section is missing
    "%Maker% = Models, NTx86\n"
    "[Models]\n%Dev% = Install, USB\\VID_1111&PID_2222, USB\\Class_FF\n"
    "[Models.NTx86]\n%Dev% = Install, USB\\VID_3333&PID_4444\n"
    "[Strings]\nMaker = \"Tessel\"\nDev = \"Meter\"\n";

TEST(drvinst_ModelHardwareId, UsesTheDecoratedSectionOnlyWhenTheLineListsThePlatform) {
  const InfDocument inf = InfDocument::parse(kDecoratedInf);
  EXPECT_EQ(modelHardwareId(inf, platformDecoration(Architecture::X86)), "USB\\VID_3333&PID_4444");
  EXPECT_EQ(modelHardwareId(inf, platformDecoration(Architecture::X64)), "USB\\VID_1111&PID_2222");
  EXPECT_EQ(modelHardwareId(inf, "ntx86"), "USB\\VID_3333&PID_4444");
  EXPECT_EQ(modelHardwareId(inf, platformDecoration(Architecture::Other)),
            "USB\\VID_1111&PID_2222");
}

TEST(drvinst_ModelHardwareId, ModelsWithoutIdsAndInfsWithoutModels) {
  EXPECT_EQ(
      modelHardwareId(InfDocument::parse("[Manufacturer]\nm = M\n[M]\nd = Install\n"), "NTamd64"),
      "");
  EXPECT_EQ(modelHardwareId(InfDocument::parse("[Manufacturer]\nm = M\n"), "NTamd64"),
            std::nullopt);
  EXPECT_EQ(modelHardwareId(InfDocument::parse("[Version]\n"), "NTamd64"), std::nullopt);
}

TEST(drvinst_ShippedInf, OffersTheMeterToX64SystemsOnly) {
  const std::unique_ptr<InfFile> inf = readInfFile(DRVINST_PACKAGE_INF, nullptr);
  ASSERT_NE(inf, nullptr);
  EXPECT_EQ(modelHardwareId(*inf, "NTamd64"), "USB\\VID_0483&PID_085F");
  EXPECT_EQ(modelHardwareId(*inf, "NTx86"), std::nullopt);

  const std::vector<InfLine> version = inf->sectionLines("Version");
  EXPECT_NE(std::find(version.begin(), version.end(), InfLine{"Class", "USB Device"}),
            version.end());
  EXPECT_NE(std::find(version.begin(), version.end(),
                      InfLine{"ClassGuid", "{36fc9e60-c465-11cf-8056-444553540000}"}),
            version.end());
  EXPECT_EQ(inf->sectionLines("Dev_AddReg").at(0),
            (InfLine{"", "HKR", "", "DeviceInterfaceGUIDs", "0x10000",
                     "{8EA450C9-DA57-4973-8BF8-B21D59312345}"}));
  EXPECT_EQ(inf->sectionLines("Standard.NTamd64").at(0).at(0), "Tessel Spectral Light Meter");
  EXPECT_EQ(inf->sectionLines("CoInstallers_AddReg").at(0).at(5),
            "WdfCoInstaller01009.dll,WdfCoInstaller");
}

} // namespace
} // namespace drvinst
