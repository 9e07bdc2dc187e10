#include "drvinst/driver_installer.h"
#include "drvinst/host.h"
#include "drvinst/install_command.h"
#include "drvinst/package.h"

#include "memory_device_manager.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace drvinst {
namespace {

constexpr char kMeterInf[] = "[Version]\nSignature=\"$Windows NT$\"\nClass=USB\n"
                             "[Manufacturer]\n%Maker% = Standard,NTamd64\n"
                             "[Standard.NTamd64]\n%Meter% = USB_Install, USB\\VID_0483&PID_085F\n"
                             "[Strings]\nMaker=\"Tessel\"\nMeter=\"Tessel Spectral Light Meter\"\n";
constexpr char kModelId[] = "USB\\VID_0483&PID_085F";
constexpr char kPluggedInId[] = "USB\\VID_0483&PID_085F&REV_0200";

class drvinst_Installation : public ::testing::Test {
protected:
  void addInf(const std::string &name, const std::string &text) {
    test::writeFile(scratch / name, text);
  }

  bool install() { return installer.installFolder(scratch.path()); }

  test::ScratchFolder scratch;
  test::MemoryDeviceManager devices;
  DriverInstaller installer{devices, "NTamd64"};
};

TEST_F(drvinst_Installation, APluggedInMeterGetsItsDriverUpdatedAndStays) {
  devices.devices = {{{"USB\\ROOT_HUB30"}}, {{kPluggedInId, kModelId}}, {{}}};
  addInf("meter.inf", kMeterInf);

  EXPECT_TRUE(install());
  EXPECT_EQ(devices.updatedIds, std::vector<std::string>{kPluggedInId});
  EXPECT_EQ(devices.updatedInfs, std::vector<std::string>{scratch / "meter.inf"});
  EXPECT_EQ(devices.rootDevicesCreated, 0u);
  EXPECT_EQ(devices.presentCount(), 3u);
}

TEST_F(drvinst_Installation, WithoutTheMeterARootDeviceIsCreatedInstalledAndRemoved) {
  devices.devices = {{{"USB\\VID_0483&PID_085F0"}}};
  addInf("meter.inf", kMeterInf);

  EXPECT_TRUE(install());
  EXPECT_EQ(devices.rootDevicesCreated, 1u);
  EXPECT_EQ(devices.updatedIds, std::vector<std::string>{kModelId});
  ASSERT_EQ(devices.devices.size(), 2u);
  EXPECT_FALSE(devices.devices[1].present);
  EXPECT_TRUE(devices.devices[0].present);
}

TEST_F(drvinst_Installation, AFailedUpdateRemovesTheNewRootDevice) {
  devices.failUpdates = true;
  addInf("meter.inf", kMeterInf);

  EXPECT_FALSE(install());
  EXPECT_EQ(devices.rootDevicesCreated, 1u);
  EXPECT_EQ(devices.presentCount(), 0u);
}

TEST_F(drvinst_Installation, OneBrokenInfFailsTheFolderWhileTheOtherInstalls) {
  addInf("a_broken.inf", "[Version]\nSignature=\"$Windows NT$\"\n[Manufacturer]\n");
  addInf("b_meter.INF", kMeterInf);

  EXPECT_FALSE(install());
  EXPECT_EQ(devices.updatedInfs, std::vector<std::string>{scratch / "b_meter.INF"});
}

TEST_F(drvinst_Installation, NeedsAtLeastOneInfFile) {
  addInf("readme.txt", kMeterInf);
  addInf(".inf", kMeterInf);
  test::writeFile(scratch / "x.inf.bak", kMeterInf);
  EXPECT_FALSE(install());
  EXPECT_TRUE(devices.updatedIds.empty());
  EXPECT_TRUE(infFilesIn(scratch.path()).empty());
}

TEST_F(drvinst_Installation, AnUnreadableDeviceEndsTheSearchForAnExistingOne) {
  // The scan skips the unreadable device; the exact search stops there and
  // so takes the root-device path, whose update then finds the meter.
  devices.devices = {{{"PCI\\X"}, false, true, false}, {{kPluggedInId}}};
  addInf("meter.inf", kMeterInf);

  EXPECT_TRUE(install());
  EXPECT_EQ(devices.rootDevicesCreated, 1u);
  EXPECT_TRUE(devices.devices[1].present);
  EXPECT_FALSE(devices.devices[2].present);
}

class drvinst_Command : public drvinst_Installation {
protected:
  void SetUp() override { test::writeZip(scratch / "package.zip", {{"meter.inf", kMeterInf}}); }

  InstallCommand commandFor(const std::string &program) {
    return InstallCommand(installer, program, [this] {
      ++folderQuestions;
      return chosenFolder;
    });
  }

  const test::ScopedEnvironment temporaryFolder{"TMPDIR", scratch.path().c_str()};
  int folderQuestions = 0;
  std::string chosenFolder;
};

TEST_F(drvinst_Command, UnpacksInstallsAndDeletesOnlyTheArchiveCopy) {
  const std::string program = scratch / "drvinst";
  test::writeProgram(program, kPackageOffset, test::readFile(scratch / "package.zip"));
  InstallCommand command = commandFor(program);

  EXPECT_EQ(command.run(), InstallResult::Installed);
  EXPECT_EQ(folderQuestions, 0);
  ASSERT_EQ(devices.updatedInfs.size(), 1u);
  const std::string folder = devices.updatedInfs[0].substr(0, devices.updatedInfs[0].rfind('/'));
  EXPECT_EQ(test::treeOf(folder), std::vector<std::string>{"meter.inf"});

  EXPECT_EQ(command.run(), InstallResult::NoFolder); // only the first run unpacks
}

TEST_F(drvinst_Command, AskForAFolderWhenTheProgramCarriesNoPackage) {
  const std::string program = scratch / "drvinst";
  test::writeProgram(program, kPackageOffset, "");

  EXPECT_EQ(commandFor(program).run(), InstallResult::NoFolder);
  EXPECT_EQ(folderQuestions, 1);

  chosenFolder = scratch / "chosen";
  ASSERT_TRUE(createFolderWithParents(chosenFolder));
  EXPECT_EQ(commandFor(program).run(), InstallResult::Failed);
  test::writeFile(chosenFolder + "/meter.inf", kMeterInf);
  EXPECT_EQ(commandFor(program).run(), InstallResult::Installed);
  EXPECT_EQ(folderQuestions, 3);
}

TEST(drvinst_ResultMessage, IsChosenByLanguage) {
  EXPECT_STREQ(resultMessage(InstallResult::Installed, Language::English), "Install driver OK!");
  EXPECT_STREQ(resultMessage(InstallResult::Failed, Language::English), "Install driver failure!");
  EXPECT_STREQ(resultMessage(InstallResult::Installed, Language::Chinese), "驱动安装成功!");
  EXPECT_STREQ(resultMessage(InstallResult::Failed, Language::Chinese), "驱动安装失败!");
  EXPECT_EQ(resultMessage(InstallResult::NoFolder, Language::Chinese), nullptr);

  EXPECT_EQ(languageFromLocaleName("zh_CN.UTF-8"), Language::Chinese);
  EXPECT_EQ(languageFromLocaleName("zh_TW.UTF-8"), Language::English);
  EXPECT_EQ(languageFromLocaleName("C"), Language::English);
}

} // namespace
} // namespace drvinst
