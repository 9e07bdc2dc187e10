#include "drvinst/linux_device_manager.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace drvinst {
namespace {

class drvinst_LinuxDevices : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directories(scratch / "sys/bus/usb/devices");
    std::filesystem::create_directories(scratch / "rules");
    settings = {scratch / "sys", scratch / "rules", ""};
  }

  void addUsbDevice(const std::string &name, const char *vendor, const char *product,
                    const char *revision) {
    const std::string folder = scratch / ("sys/bus/usb/devices/" + name);
    std::filesystem::create_directories(folder);
    test::writeFile(folder + "/idVendor", std::string(vendor) + "\n");
    test::writeFile(folder + "/idProduct", std::string(product) + "\n");
    if (revision != nullptr) {
      test::writeFile(folder + "/bcdDevice", std::string(revision) + "\n");
    }
  }

  test::ScratchFolder scratch;
  LinuxDeviceSettings settings;
};

TEST_F(drvinst_LinuxDevices, ListsUsbDevicesFromSysfsWithAndWithoutRevision) {
  addUsbDevice("1-1", "0483", "085f", "0200");
  addUsbDevice("usb1", "1d6b", "0003", nullptr);
  std::filesystem::create_directories(scratch / "sys/bus/usb/devices/1-1:1.0"); // an interface
  LinuxDeviceManager manager(settings);

  const std::unique_ptr<DeviceList> devices = manager.presentDevices(DeviceScope::CurrentProfile);
  ASSERT_EQ(devices->size(), 2u);
  EXPECT_EQ(devices->hardwareIds(0),
            HardwareIds({"USB\\VID_0483&PID_085F&REV_0200", "USB\\VID_0483&PID_085F"}));
  EXPECT_EQ(devices->hardwareIds(1), HardwareIds({"USB\\VID_1D6B&PID_0003"}));
  EXPECT_FALSE(devices->remove(0));
}

TEST_F(drvinst_LinuxDevices, InstallingWritesAUdevRuleForTheVendorAndProduct) {
  LinuxDeviceManager manager(settings);
  ASSERT_TRUE(manager.updateDriver("USB\\VID_0483&PID_085F&REV_0200", "meter.inf", nullptr));

  // The rule must sort before 73-seat-late.rules, which acts on "uaccess".
  EXPECT_EQ(test::readFile(scratch / "rules/70-drvinst-usb-0483-085f.rules"),
            "# Written by drvinst for USB\\VID_0483&PID_085F&REV_0200: the user at the machine "
            "and group plugdev may open the device.\n"
            "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"0483\", ATTR{idProduct}==\"085f\", "
            "TAG+=\"uaccess\", GROUP=\"plugdev\", MODE=\"0660\"\n");
  EXPECT_EQ(test::treeOf(scratch / "rules"),
            std::vector<std::string>{"70-drvinst-usb-0483-085f.rules"});
  // Linux has no root-enumerated devices: nothing is created.
  EXPECT_EQ(manager.createRootDevice("meter.inf", "USB\\VID_0483&PID_085F", nullptr)->size(), 0u);
}

TEST_F(drvinst_LinuxDevices, OnlyUsbIdsInAWritableRulesFolderInstall) {
  std::string error;
  EXPECT_FALSE(
      LinuxDeviceManager(settings).updateDriver("PCI\\VEN_8086&DEV_1234", "x.inf", &error));
  EXPECT_EQ(error, "cannot write a udev rule for the hardware ID: PCI\\VEN_8086&DEV_1234: it is "
                   "not a USB hardware ID");
  EXPECT_FALSE(
      LinuxDeviceManager(settings).updateDriver("USB\\VID_04G3&PID_085F", "x.inf", nullptr));
  settings.rulesFolder = scratch / "missing";
  EXPECT_FALSE(
      LinuxDeviceManager(settings).updateDriver("USB\\VID_0483&PID_085F", "x.inf", &error));
  EXPECT_EQ(error, "cannot write the udev rule: " + (scratch / "missing") +
                       "/70-drvinst-usb-0483-085f.rules: No such file or directory");
  EXPECT_FALSE(test::fileExists(scratch / "missing"));
  EXPECT_EQ(usbIdFromHardwareId("usb\\vid_0483&pid_085f")->product, "085f");
}

TEST_F(drvinst_LinuxDevices, UdevIsAskedToReloadAndReplayTheDevice) {
  const std::string log = scratch / "udevadm.log";
  settings.udevadm = scratch / "udevadm";
  test::writeFile(settings.udevadm, "#!/bin/sh\necho \"$@\" >> " + log + "\n");
  ::chmod(settings.udevadm.c_str(), 0755);

  ASSERT_TRUE(LinuxDeviceManager(settings).updateDriver("USB\\VID_0483&PID_085F", "x.inf", nullptr));
  EXPECT_EQ(test::readFile(log),
            "control --reload\n"
            "trigger --action=add --subsystem-match=usb --attr-match=idVendor=0483 "
            "--attr-match=idProduct=085f\n");
}

TEST(drvinst_LinuxDeviceSettings, ARulesFolderOfOnesOwnRunsNoUdevadmUnlessNamed) {
  const test::ScopedEnvironment noUdevadm("DRVINST_UDEVADM", nullptr);
  const test::ScopedEnvironment sysfs("DRVINST_SYSFS_ROOT", "/fake/sys");
  {
    const test::ScopedEnvironment systemRules("DRVINST_UDEV_RULES_DIR", nullptr);
    const LinuxDeviceSettings settings = linuxDeviceSettingsFromEnvironment();
    EXPECT_EQ(settings.sysfsRoot, "/fake/sys");
    EXPECT_EQ(settings.rulesFolder, "/etc/udev/rules.d");
    EXPECT_EQ(settings.udevadm, "udevadm");
  }
  const test::ScopedEnvironment ownRules("DRVINST_UDEV_RULES_DIR", "/fake/rules");
  const LinuxDeviceSettings settings = linuxDeviceSettingsFromEnvironment();
  EXPECT_EQ(settings.rulesFolder, "/fake/rules");
  EXPECT_EQ(settings.udevadm, "");

  const test::ScopedEnvironment namedUdevadm("DRVINST_UDEVADM", "/fake/udevadm");
  EXPECT_EQ(linuxDeviceSettingsFromEnvironment().udevadm, "/fake/udevadm");
}

} // namespace
} // namespace drvinst
