// The built program with its appended package, and the build tool that
// appends it.

#include "drvinst/package.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

namespace drvinst {
namespace {

struct CommandRun {
  int exitCode;
  std::string output; // standard output and error together
};

CommandRun runCommand(const std::string &command) {
  CommandRun run{-1, {}};
  std::FILE *pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) {
    return run;
  }
  char chunk[512];
  std::size_t read = 0;
  while ((read = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
    run.output.append(chunk, read);
  }
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class drvinst_Program : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directories(scratch / "sys/bus/usb/devices");
    std::filesystem::create_directories(scratch / "rules");
  }

  // Runs drvinst with a fake sysfs and rules folder and a temporary folder
  // inside the scratch folder.
  CommandRun drvinst(const std::string &arguments, const std::string &program = DRVINST_PROGRAM,
                     const std::string &environment = "LC_ALL= LC_MESSAGES= LANG=C") {
    return runCommand("env TMPDIR=" + scratch.path() + " DRVINST_SYSFS_ROOT=" + (scratch / "sys") +
                      " DRVINST_UDEV_RULES_DIR=" + (scratch / "rules") + " " + environment + " " +
                      program + " " + arguments);
  }

  test::ScratchFolder scratch;
};

TEST_F(drvinst_Program, UnpacksItsPackage) {
  const CommandRun run = drvinst("--unpack " + (scratch / "out"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(test::treeOf(scratch / "out"), std::vector<std::string>{"tessel_meter.inf"});
  EXPECT_EQ(test::readFile(scratch / "out/tessel_meter.inf"), test::readFile(DRVINST_PACKAGE_INF));
}

TEST_F(drvinst_Program, InstallsForAMeterThatIsNotPluggedIn) {
  const CommandRun run = drvinst("--install");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output, "Install driver OK!\n");
  EXPECT_TRUE(test::fileExists(scratch / "rules/70-drvinst-usb-0483-085f.rules"));
}

TEST_F(drvinst_Program, ReportsFailureInChineseOnAChineseLocale) {
  std::filesystem::remove(scratch / "rules");
  const CommandRun run = drvinst("--install", DRVINST_PROGRAM, "LC_ALL=zh_CN.UTF-8");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "驱动安装失败!\n");
}

TEST_F(drvinst_Program, WithoutAPackageThereIsNothingToInstall) {
  // The program cut back to its padded image still runs, but carries no package.
  const std::string bare = scratch / "bare-drvinst";
  test::writeFile(bare, test::readFile(DRVINST_PROGRAM).substr(0, kPackageOffset));
  ::chmod(bare.c_str(), 0755);

  CommandRun run = drvinst("--install", bare);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("no folder to install from"), std::string::npos) << run.output;
  run = drvinst("--unpack " + (scratch / "out"), bare);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(drvinst("--bogus").exitCode, 2);
}

TEST_F(drvinst_Program, AHostilePackageIsRefusedInOneLine) {
  // The program's image with an archive whose entry declares 1 GiB.
  test::writeZip(scratch / "bomb.zip", {{"bomb.sys", std::string(100000, '\0')}});
  std::string zip = test::readFile(scratch / "bomb.zip");
  for (std::size_t offset : {std::size_t{22}, zip.find("PK\x01\x02") + 24}) {
    zip.replace(offset, 4, std::string("\x00\x00\x00\x40", 4));
  }
  const std::string hostile = scratch / "hostile-drvinst";
  test::writeProgram(hostile, 0, test::readFile(DRVINST_PROGRAM).substr(0, kPackageOffset) + zip);
  ::chmod(hostile.c_str(), 0755);

  const CommandRun run = drvinst("--unpack " + (scratch / "out"), hostile);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: the driver package is damaged (entry 1 declares 1073741824 "
                        "bytes, more than the 33554432 an entry may hold); not every file was "
                        "unpacked into " +
                            (scratch / "out") + "\n");
  EXPECT_TRUE(test::treeOf(scratch / "out").empty());
}

TEST_F(drvinst_Program, AnAmplifyingInfFailsTheInstallInsteadOfAborting) {
  // 256 KiB that once asked for gigabytes and ended in an uncaught bad_alloc.
  std::string inf = "[Version]\nSignature=$Windows NT$\n[Manufacturer]\n";
  for (int i = 0; i < 10000; ++i) {
    inf += "%big%,";
  }
  inf += "\n[Strings]\nbig=" + std::string(192u << 10, 'b') + "\n";
  test::writeZip(scratch / "inf.zip", {{"hostile.inf", inf}});
  const std::string hostile = scratch / "hostile-drvinst";
  test::writeProgram(hostile, 0,
                     test::readFile(DRVINST_PROGRAM).substr(0, kPackageOffset) +
                         test::readFile(scratch / "inf.zip"));
  ::chmod(hostile.c_str(), 0755);

  const CommandRun run = drvinst("--install", hostile);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("hostile.inf a field is longer than 4096 characters after %name% "
                            "substitution\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("Install driver failure!\n"), std::string::npos) << run.output;
}

TEST(drvinst_PackTool, RefusesAnImageLargerThanTheOffset) {
  test::ScratchFolder scratch;
  test::writeZip(scratch / "p.zip", {{"x.inf", "x"}});
  test::writeFile(scratch / "big", std::string(kPackageOffset + 1, 'i'));
  test::writeFile(scratch / "fits", std::string(kPackageOffset, 'i'));

  const std::string tool = DRVINST_PACK_TOOL;
  const CommandRun big = runCommand(tool + " append " + (scratch / "big") + " " +
                                    (scratch / "p.zip") + " " + (scratch / "out"));
  EXPECT_EQ(big.exitCode, 1);
  EXPECT_NE(big.output.find("is 131073 bytes, larger than the 131072 bytes"), std::string::npos)
      << big.output;
  EXPECT_FALSE(test::fileExists(scratch / "out"));

  const CommandRun fits = runCommand(tool + " append " + (scratch / "fits") + " " +
                                     (scratch / "p.zip") + " " + (scratch / "out"));
  EXPECT_EQ(fits.exitCode, 0) << fits.output;
  EXPECT_EQ(test::readFile(scratch / "out"),
            std::string(kPackageOffset, 'i') + test::readFile(scratch / "p.zip"));
}

} // namespace
} // namespace drvinst
