// The install button's flow with a fake dialog: what the user is asked and
// told, in which order, and what is left on disk.

#include "drvinst/host.h"
#include "drvinst/install_flow.h"
#include "drvinst/package.h"

#include "memory_device_manager.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace drvinst {
namespace {

constexpr char kMeterInf[] = "[Version]\nSignature=\"$Windows NT$\"\n"
                             "[Manufacturer]\nTessel = Standard,NTamd64\n"
                             "[Standard.NTamd64]\nMeter = USB_Install, USB\\VID_0483&PID_085F\n";

// Records every call as one line, so that a test can check their order.
class FakeView final : public InstallerView {
public:
  std::string browseForFolder(const char *title) override {
    events.push_back(std::string("browse: ") + title);
    return chosenFolder;
  }
  void showMessage(const char *caption, const char *text, const std::string &reason) override {
    events.push_back(std::string("message: ") + caption + " | " + text +
                     (reason.empty() ? "" : " | " + reason));
  }
  void close() override { events.emplace_back("close"); }

  std::string chosenFolder;
  std::vector<std::string> events;
};

class drvinst_InstallFlow : public ::testing::Test {
protected:
  // A program file that carries a package with `entries`, or none.
  std::string program(const std::vector<test::ZipEntry> &entries) {
    std::string archive;
    if (!entries.empty()) {
      test::writeZip(scratch / "package.zip", entries);
      archive = test::readFile(scratch / "package.zip");
    }
    test::writeProgram(scratch / "drvinst", kPackageOffset, archive);
    return scratch / "drvinst";
  }

  std::vector<std::string> click(const std::string &programPath, unsigned long localeId) {
    InstallFlow flow(installer, programPath, languageFromLocaleId(localeId), view);
    flow.onInstallClicked();
    return view.events;
  }

  std::vector<std::string> unpackedFolders() const { return test::unpackFolders(scratch.path()); }

  test::ScratchFolder scratch;
  const test::ScopedEnvironment temporaryFolder{"TMPDIR", scratch.path().c_str()};
  test::MemoryDeviceManager devices;
  DriverInstaller installer{devices, "NTamd64"};
  FakeView view;
};

TEST_F(drvinst_InstallFlow, UnpackedPackageInstallsReportsAndLeavesOnlyThePackageFiles) {
  const std::vector<std::string> events = click(program({{"meter.inf", kMeterInf}}), 1033);

  EXPECT_EQ(events, (std::vector<std::string>{"message: Tessel driver install | Install driver OK!",
                                              "close"}));
  ASSERT_EQ(unpackedFolders().size(), 1u);
  EXPECT_EQ(test::treeOf(unpackedFolders()[0]), std::vector<std::string>{"meter.inf"});
}

TEST_F(drvinst_InstallFlow, ChineseLocaleGetsTheChineseCaptionAndTexts) {
  EXPECT_EQ(click(program({{"meter.inf", kMeterInf}}), 2052),
            (std::vector<std::string>{"message: 泰塞尔USB驱动安装 | 驱动安装成功!", "close"}));

  // The reason follows the fixed texts.
  const std::string noInf = " | cannot install the driver: " + scratch.path() + "/drvinst-";
  view.events.clear();
  std::vector<std::string> events = click(program({{"readme.txt", "no INF here"}}), 2052);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].rfind("message: 泰塞尔USB驱动安装 | 驱动安装失败!" + noInf, 0), 0u) << events[0];
  // Every locale but 2052 is English, Chinese (Taiwan) 1028 too.
  view.events.clear();
  events = click(program({{"readme.txt", "no INF here"}}), 1028);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].rfind("message: Tessel driver install | Install driver failure!" + noInf, 0),
            0u)
      << events[0];
}

TEST_F(drvinst_InstallFlow, WithoutAPackageTheUserIsAskedForAFolder) {
  const std::string noPackage = program({});

  // Cancelled: the dialog closes without a message.
  EXPECT_EQ(click(noPackage, 1033),
            (std::vector<std::string>{"browse: Select driver install path", "close"}));
  EXPECT_TRUE(devices.updatedInfs.empty());

  // A chosen folder is installed from and left as it was.
  view.events.clear();
  view.chosenFolder = scratch / "chosen";
  std::filesystem::create_directories(view.chosenFolder);
  test::writeFile(view.chosenFolder + "/meter.inf", kMeterInf);
  test::writeFile(view.chosenFolder + "/temp.zip", "the user's own file");
  EXPECT_EQ(
      click(noPackage, 1033),
      (std::vector<std::string>{"browse: Select driver install path",
                                "message: Tessel driver install | Install driver OK!", "close"}));
  EXPECT_EQ(devices.updatedInfs, std::vector<std::string>{view.chosenFolder + "/meter.inf"});
  EXPECT_TRUE(test::fileExists(view.chosenFolder + "/temp.zip"));
}

TEST_F(drvinst_InstallFlow, ADamagedPackageFailsWithItsReasonBelowTheText) {
  // The archive copy was written, so no folder is asked for; the refused
  // name stops the unzip before anything is written, and the failed
  // installation leaves no folder behind.
  const std::string damaged = program({{"..", "x"}, {"meter.inf", kMeterInf}});
  EXPECT_EQ(click(damaged, 1033),
            (std::vector<std::string>{
                "message: Tessel driver install | Install driver failure! | cannot unpack the "
                "driver package: " +
                    damaged + ": entry 1 has a name that leads out of the folder",
                "close"}));
  EXPECT_TRUE(unpackedFolders().empty());
}

TEST_F(drvinst_InstallFlow, ASecondClickOnlyClosesTheDialog) {
  InstallFlow flow(installer, program({{"meter.inf", kMeterInf}}), Language::English, view);
  flow.onInstallClicked();
  view.events.clear();
  flow.onInstallClicked();
  EXPECT_EQ(view.events, std::vector<std::string>{"close"});
  EXPECT_EQ(unpackedFolders().size(), 1u);
}

TEST(drvinst_WizardTitle, FollowsTheSystemLanguage) {
  EXPECT_STREQ(newHardwareWizardTitle(0x0409), "Found New Hardware Wizard"); // English (US)
  EXPECT_STREQ(newHardwareWizardTitle(0x0809), "Found New Hardware Wizard"); // English (UK)
  // GBK bytes of 找到新的硬件向导 and 找到新的硬件嚮導.
  EXPECT_STREQ(newHardwareWizardTitle(0x0804),
               "\xD5\xD2\xB5\xBD\xD0\xC2\xB5\xC4\xD3\xB2\xBC\xFE\xCF\xF2\xB5\xBC");
  EXPECT_STREQ(newHardwareWizardTitle(0x0404),
               "\xD5\xD2\xB5\xBD\xD0\xC2\xB5\xC4\xD3\xB2\xBC\xFE\x87\xBB\x8C\xA7");
  // Chinese (Hong Kong) has both sublanguage bits of China and Taiwan set,
  // and its title is not known; German has no title either.
  EXPECT_EQ(newHardwareWizardTitle(0x0C04), nullptr);
  EXPECT_EQ(newHardwareWizardTitle(0x1004), nullptr); // Chinese (Singapore)
  EXPECT_EQ(newHardwareWizardTitle(0x0407), nullptr);
}

} // namespace
} // namespace drvinst
