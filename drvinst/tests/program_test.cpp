// The built program with its appended package, and the build tool that
// appends it.

#include "drvinst/package.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

// A failed --install tells why on its one line, after the result text in
// the user's language, and leaves no temporary folder behind.
TEST_F(drvinst_Program, AFailedInstallNamesItsCauseAndLeavesNoFolder) {
  std::filesystem::remove(scratch / "rules");
  CommandRun run = drvinst("--install", DRVINST_PROGRAM, "LC_ALL=zh_CN.UTF-8");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: 驱动安装失败! cannot write the udev rule: " + (scratch / "rules") +
                            "/70-drvinst-usb-0483-085f.rules: No such file or directory\n");
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());

  // No temporary folder to unpack into: nothing to install from.
  const std::string missing = scratch / "missing";
  run = drvinst("--install", DRVINST_PROGRAM, "TMPDIR=" + missing);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: cannot create a temporary folder: " + missing +
                            "/drvinst-XXXXXX: No such file or directory\n");
}

TEST_F(drvinst_Program, ARulesFolderOnlyRootMayWriteSaysInstallingNeedsRoot) {
  // Run as a user who may not write the rules folder: nobody, when the
  // tests run as root, whom such a folder would not stop.
  std::string asUser;
  if (::geteuid() == 0) {
    asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    if (std::system((asUser + "test -r " + DRVINST_PROGRAM + " 2>/dev/null").c_str()) != 0) {
      GTEST_SKIP() << "running as root, and nobody cannot run the program (or there is no setpriv)";
    }
    std::filesystem::permissions(scratch.path(), std::filesystem::perms::all); // nobody's TMPDIR
  }
  std::filesystem::permissions(scratch / "rules", std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_exec);
  const CommandRun run = drvinst("--install", asUser + DRVINST_PROGRAM);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: Install driver failure! cannot write the udev rule: " +
                            (scratch / "rules") +
                            "/70-drvinst-usb-0483-085f.rules: Permission denied; installing the "
                            "driver needs root\n");
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());
}

TEST_F(drvinst_Program, UnpackNeverTouchesAFolderWithTheUsersFiles) {
  const std::string users = scratch / "users";
  std::filesystem::create_directories(users);
  test::writeFile(users + "/temp.zip", "the user's own archive");
  const CommandRun run = drvinst("--unpack " + users);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: cannot unpack into the folder: " + users +
                            ": it already holds temp.zip; unpack into a new or empty folder\n");
  EXPECT_EQ(test::treeOf(users), std::vector<std::string>{"temp.zip"});
  EXPECT_EQ(test::readFile(users + "/temp.zip"), "the user's own archive");
}

TEST_F(drvinst_Program, HelpWithoutDisplayAndWrongArguments) {
  CommandRun run = drvinst("--help");
  EXPECT_EQ(run.exitCode, 0);
  for (const char *expected : {"usage: drvinst ", "drvinst --install", "drvinst --unpack DIR",
                               "DRVINST_SYSFS_ROOT", "DRVINST_UDEV_RULES_DIR", "DRVINST_UDEVADM",
                               "TMPDIR"}) {
    EXPECT_NE(run.output.find(expected), std::string::npos) << expected;
  }
  run = drvinst("--bogus");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.output.rfind("usage: drvinst ", 0), 0u) << run.output;

  // Without a display the dialog cannot open: one line, no abort.
  run = runCommand(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                   DRVINST_PROGRAM);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: cannot show the installer dialog: there is no display to show "
                        "it on; \"drvinst --install\" installs without a dialog\n");
}

TEST_F(drvinst_Program, WithoutAPackageThereIsNothingToInstall) {
  // The program cut back to its padded image still runs, but carries no package.
  const std::string bare = scratch / "bare-drvinst";
  test::writeFile(bare, test::readFile(DRVINST_PROGRAM).substr(0, kPackageOffset));
  ::chmod(bare.c_str(), 0755);

  const std::string noPackage = "drvinst: no driver package in the program file: " + bare +
                                ": it holds nothing from offset 131072 on\n";
  CommandRun run = drvinst("--install", bare);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, noPackage);
  run = drvinst("--unpack " + (scratch / "out"), bare);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, noPackage);
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());
}

TEST_F(drvinst_Program, APackageOverTheTotalLimitIsRefusedInOneLineAndWritesNothing) {
  // The program's image with an archive of an INF and three entries that
  // declare 30 MiB each, 90 MiB in all.
  test::writeZip(scratch / "bomb.zip", {{"a.sys", std::string(100000, '\0')},
                                        {"b.sys", std::string(100000, '\0')},
                                        {"c.sys", std::string(100000, '\0')}});
  std::string zip = test::readFile(scratch / "bomb.zip");
  test::declareUncompressedSizes(zip, 30u << 20);
  const std::string hostile = scratch / "hostile-drvinst";
  test::writeProgram(hostile, 0, test::readFile(DRVINST_PROGRAM).substr(0, kPackageOffset) + zip);
  ::chmod(hostile.c_str(), 0755);

  const std::string refusal = "cannot unpack the driver package: " + hostile +
                              ": entry 3 would bring the package beyond 67108864 bytes\n";
  CommandRun run = drvinst("--unpack " + (scratch / "out"), hostile);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: " + refusal);
  EXPECT_TRUE(test::treeOf(scratch / "out").empty());

  run = drvinst("--install", hostile);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "drvinst: Install driver failure! " + refusal);
  EXPECT_TRUE(test::unpackFolders(scratch.path()).empty());
  EXPECT_TRUE(test::treeOf(scratch / "rules").empty());
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
  EXPECT_EQ(run.output.rfind("drvinst: Install driver failure! cannot use the INF file: ", 0), 0u)
      << run.output;
  EXPECT_NE(run.output.find("/hostile.inf: a field is longer than 4096 characters after %name% "
                            "substitution\n"),
            std::string::npos)
      << run.output;
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
