#include "drvinst/driver_installer.h"
#include "drvinst/host.h"
#include "drvinst/install_command.h"
#include "drvinst/package.h"

#include "memory_device_manager.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

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

  bool install() { return installer.installFolder(scratch.path(), &error); }

  test::ScratchFolder scratch;
  std::string error;
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

TEST_F(drvinst_Installation, AFailedUpdateRemovesTheNewRootDeviceAndKeepsItsReason) {
  devices.failUpdates = true;
  addInf("meter.inf", kMeterInf);

  EXPECT_FALSE(install());
  EXPECT_EQ(devices.rootDevicesCreated, 1u);
  EXPECT_EQ(devices.presentCount(), 0u);
  EXPECT_EQ(error, "cannot install the driver for USB\\VID_0483&PID_085F: " +
                       (scratch / "meter.inf") + ": Access is denied");
}

TEST_F(drvinst_Installation, OneBrokenInfFailsTheFolderWithItsReasonWhileTheOtherInstalls) {
  addInf("a_broken.inf", "[Version]\nSignature=\"$Windows NT$\"\n[Manufacturer]\n");
  addInf("b_meter.INF", kMeterInf);
  addInf("c_unsigned.inf", "[Manufacturer]\n");

  EXPECT_FALSE(install());
  EXPECT_EQ(devices.updatedInfs, std::vector<std::string>{scratch / "b_meter.INF"});
  EXPECT_EQ(error, "cannot use the INF file: " + (scratch / "a_broken.inf") +
                       ": its [Manufacturer] section names no models section with a device "
                       "(1 more INF file failed too)");
}

// Each way an installation can fail names its cause in one sentence.
TEST_F(drvinst_Installation, FailuresNameTheirCause) {
  const std::string folder = scratch.path();
  const struct {
    const char *name;
    std::string inf;
    std::string cause;
  } cases[] = {
      {"unsigned.inf", "[Manufacturer]\nTessel = Standard\n",
       "cannot use the INF file: " + folder +
           "/unsigned.inf: it has no [Version] signature of a Windows NT-style INF"},
      {"noid.inf",
       "[Version]\nSignature=$Windows NT$\n[Manufacturer]\nT = S\n[S]\nMeter = Install\n",
       "cannot use the INF file: " + folder + "/noid.inf: its first device model has no hardware ID"},
      {"gone.inf", "", // listed, but gone when it is read: a dangling link
       "cannot read the INF file: " + folder + "/gone.inf: No such file or directory"},
  };
  for (const auto &each : cases) {
    SCOPED_TRACE(each.name);
    if (each.inf.empty()) {
      std::filesystem::create_symlink(scratch / "nowhere", scratch / each.name);
    } else {
      addInf(each.name, each.inf);
    }
    EXPECT_FALSE(installer.installFolder(folder, &error));
    EXPECT_EQ(error, each.cause);
    std::filesystem::remove(scratch / each.name);
  }

  EXPECT_FALSE(installer.installFolder(scratch / "missing", &error));
  EXPECT_EQ(error, "cannot read the folder: " + (scratch / "missing") +
                       ": No such file or directory");
}

TEST_F(drvinst_Installation, NeedsAtLeastOneInfFile) {
  addInf("readme.txt", kMeterInf);
  addInf(".inf", kMeterInf);
  test::writeFile(scratch / "x.inf.bak", kMeterInf);
  EXPECT_FALSE(install());
  EXPECT_EQ(error, "cannot install the driver: " + scratch.path() +
                       ": the folder holds no INF file");
  EXPECT_TRUE(devices.updatedIds.empty());
  EXPECT_TRUE(infFilesIn(scratch.path(), nullptr)->empty());
}

TEST_F(drvinst_Installation, ReadsAUtf16Inf) {
  // The meter's INF as Windows tools often save it: UTF-16 LE with a mark.
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string(kMeterInf)) {
    utf16 += c;
    utf16 += '\0';
  }
  addInf("meter.inf", utf16);
  EXPECT_TRUE(install()) << error;
  EXPECT_EQ(devices.updatedIds, std::vector<std::string>{kModelId});
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

  EXPECT_EQ(command.run(&error), InstallResult::Installed);
  EXPECT_EQ(folderQuestions, 0);
  ASSERT_EQ(devices.updatedInfs.size(), 1u);
  const std::string folder = devices.updatedInfs[0].substr(0, devices.updatedInfs[0].rfind('/'));
  EXPECT_EQ(test::treeOf(folder), std::vector<std::string>{"meter.inf"});

  EXPECT_EQ(command.run(&error), InstallResult::NoFolder); // only the first run unpacks
}

TEST_F(drvinst_Command, AskForAFolderWhenTheProgramCarriesNoPackage) {
  const std::string program = scratch / "drvinst";
  test::writeProgram(program, kPackageOffset, "");

  EXPECT_EQ(commandFor(program).run(&error), InstallResult::NoFolder);
  EXPECT_EQ(folderQuestions, 1);
  EXPECT_EQ(error, "no driver package in the program file: " + program +
                       ": it holds nothing from offset 131072 on");

  chosenFolder = scratch / "chosen";
  ASSERT_TRUE(createFolderWithParents(chosenFolder, nullptr));
  EXPECT_EQ(commandFor(program).run(&error), InstallResult::Failed);
  EXPECT_EQ(error, "cannot install the driver: " + chosenFolder + ": the folder holds no INF file");
  test::writeFile(chosenFolder + "/meter.inf", kMeterInf);
  EXPECT_EQ(commandFor(program).run(&error), InstallResult::Installed);
  EXPECT_EQ(folderQuestions, 3);
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());
}

// A failed installation names its cause and leaves no temporary folder; a
// damaged package is the cause even when the installation fails after it.
TEST_F(drvinst_Command, AFailedRunNamesItsCauseAndLeavesNoTemporaryFolder) {
  const std::string program = scratch / "drvinst";
  test::writeProgram(program, kPackageOffset, test::readFile(scratch / "package.zip"));
  devices.failUpdates = true;
  EXPECT_EQ(commandFor(program).run(&error), InstallResult::Failed);
  EXPECT_EQ(error.rfind("cannot install the driver for USB\\VID_0483&PID_085F: ", 0), 0u) << error;
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());

  test::writeZip(scratch / "damaged.zip", {{"..", "x"}, {"meter.inf", kMeterInf}});
  test::writeProgram(program, kPackageOffset, test::readFile(scratch / "damaged.zip"));
  EXPECT_EQ(commandFor(program).run(&error), InstallResult::Failed);
  EXPECT_EQ(error, "cannot unpack the driver package: " + program +
                       ": entry 1 has a name that leads out of the folder");
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());
  EXPECT_EQ(folderQuestions, 0);
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
