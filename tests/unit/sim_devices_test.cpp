#include <gtest/gtest.h>

#include <thread>
#include "sim/machine.h"

namespace {

port::MciParams OpenCdAudio() {
    port::MciParams p;
    p.deviceType = port::kMciDevtypeCdAudio;
    return p;
}

TEST(SimDevices, DrivesComeFromTheFileSystem) {
    sim::Machine m;
    m.AddRemovableDrive('A', false);
    m.AddCdrom('E');
    m.AddCdrom('D');
    m.AddNetworkDrive('N', "\\\\SERVER\\DATA");
    EXPECT_EQ(m.devices.GetLogicalDrives(), 1u << 0 | 1u << 2 | 1u << 3 | 1u << 4 | 1u << 13);
    EXPECT_EQ(m.devices.GetDriveType("E:\\"), port::kDriveCdrom);
    EXPECT_EQ(m.devices.GetDriveType("a:\\"), port::kDriveRemovable);
    EXPECT_EQ(m.devices.GetDriveType("C:"), port::kDriveFixed);
    EXPECT_EQ(m.devices.GetDriveType("Q:\\"), port::kDriveNoRootDir);
    EXPECT_EQ(m.devices.GetDriveType("C:\\WINDOWS"), port::kDriveNoRootDir);

    port::VolumeInfo info;
    ASSERT_TRUE(m.devices.GetVolumeInformation("C:\\", info));
    EXPECT_EQ(info.label, "SYSTEM");
    EXPECT_FALSE(m.devices.GetVolumeInformation("A:\\", info));
    EXPECT_EQ(m.devices.LastError(), port::kErrNotReady);

    std::string remote;
    EXPECT_EQ(m.devices.WNetGetConnection("N:", remote), 0);
    EXPECT_EQ(remote, "\\\\SERVER\\DATA");
    EXPECT_EQ(m.devices.WNetGetConnection("C:", remote), sim::kErrNotConnected);
    EXPECT_EQ(m.devices.WNetGetConnection("Q:", remote), sim::kErrBadDevice);
}

TEST(SimDevices, TheMciCdAudioDeviceWorksOnTheRegistryDefaultDrive) {
    sim::Machine m;
    m.AddCdrom('D');
    m.AddCdrom('E');
    EXPECT_EQ(m.MciDefaultDrive(), 0);

    port::MciParams p = OpenCdAudio();
    const std::uint32_t openFlags =
        port::kMciOpenType | port::kMciOpenTypeId | port::kMciOpenShareable | port::kMciNotify;
    ASSERT_EQ(m.devices.MciSendCommand(0, port::kMciOpen, openFlags, p), 0u);
    ASSERT_EQ(
        m.devices.MciSendCommand(p.deviceId, port::kMciSet, port::kMciSetDoorOpen | port::kMciNotify, p), 0u);
    ASSERT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciClose, port::kMciNotify, p), 0u);
    EXPECT_TRUE(m.devices.DoorOpen("D:"));
    EXPECT_FALSE(m.devices.DoorOpen("E:"));

    // Switching the default first makes the next device work on E:.
    m.SetMciDefaultDrive(1);
    p = OpenCdAudio();
    ASSERT_EQ(m.devices.MciSendCommand(0, port::kMciOpen, openFlags, p), 0u);
    p.item = port::kMciStatusMediaPresent;
    ASSERT_EQ(
        m.devices.MciSendCommand(p.deviceId, port::kMciStatus, port::kMciStatusItem | port::kMciNotify, p),
        0u);
    EXPECT_EQ(p.returnValue, 1u);
    ASSERT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciSet, port::kMciSetDoorOpen, p), 0u);
    ASSERT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciStatus, port::kMciStatusItem, p), 0u);
    EXPECT_EQ(p.returnValue, 0u);  // an open tray shows no medium
    ASSERT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciSet, port::kMciSetDoorClosed, p), 0u);
    EXPECT_FALSE(m.devices.DoorOpen("E:"));
    EXPECT_EQ(m.devices.OpenMciDevices(), 1);
    m.devices.MciSendCommand(p.deviceId, port::kMciClose, 0, p);
    EXPECT_EQ(m.devices.OpenMciDevices(), 0);

    auto calls = m.devices.MciCalls();
    ASSERT_EQ(calls.size(), 9u);
    EXPECT_EQ(calls[0].drive, 'D');
    EXPECT_EQ(calls[3].drive, 'E');
    EXPECT_EQ(calls[4].item, port::kMciStatusMediaPresent);
    EXPECT_TRUE(calls[4].mainThread);
    EXPECT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciSet, port::kMciSetDoorOpen, p),
              port::kMciErrInvalidDeviceId);
}

TEST(SimDevices, MciFailuresAndErrorTextsAreScripted) {
    sim::Machine m;
    port::MciParams p = OpenCdAudio();
    EXPECT_EQ(m.devices.MciSendCommand(0, port::kMciOpen, port::kMciOpenType | port::kMciOpenTypeId, p),
              port::kMciErrDeviceNotInstalled);  // no CD-ROM drive at all
    m.AddCdrom('E', false);
    m.devices.FailMci(port::kMciSet, 262);
    m.devices.SetMciErrorText(262, "There is a problem with your media device.   ");
    ASSERT_EQ(m.devices.MciSendCommand(0, port::kMciOpen, port::kMciOpenType | port::kMciOpenTypeId, p), 0u);
    EXPECT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciSet, port::kMciSetDoorOpen, p), 262u);
    EXPECT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciSet, port::kMciSetDoorOpen, p), 0u);
    EXPECT_EQ(m.devices.MciErrorString(262), "There is a problem with your media device.   ");
    p.item = port::kMciStatusReady;
    ASSERT_EQ(m.devices.MciSendCommand(p.deviceId, port::kMciStatus, port::kMciStatusItem, p), 0u);
    EXPECT_EQ(p.returnValue, 0u);
}

TEST(SimDevices, DeviceIoControlMovesDoorsAndFollowsScripts) {
    sim::Machine m;
    m.SetOs(sim::Os::NT4);
    m.AddCdrom('E');
    m.AddScsiTape("Tape0", 0, 0, 4);
    EXPECT_EQ(
        m.registry.String(
            port::RegRoot::LocalMachine,
            "HARDWARE\\DEVICEMAP\\Scsi\\Scsi Port 0\\Scsi Bus 0\\Target Id 4\\Logical Unit Id 0", "Type"),
        "TapePeripheral");
    EXPECT_EQ(m.devices.OpenDevice("\\\\.\\Q:"), port::kInvalidDevice);
    port::DeviceHandle e = m.devices.OpenDevice("\\\\.\\e:");
    ASSERT_NE(e, port::kInvalidDevice);
    EXPECT_TRUE(m.devices.DeviceIoControl(e, port::kIoctlDiskCheckVerify));
    EXPECT_TRUE(m.devices.DeviceIoControl(e, port::kIoctlDiskEjectMedia));
    EXPECT_TRUE(m.devices.DoorOpen("E:"));
    EXPECT_FALSE(m.devices.DeviceIoControl(e, port::kIoctlDiskCheckVerify));
    EXPECT_TRUE(m.devices.DeviceIoControl(e, port::kIoctlDiskLoadMedia));
    EXPECT_FALSE(m.devices.DoorOpen("E:"));
    m.devices.CloseDevice(e);

    // A tape that needs two eject commands.
    m.devices.ScriptIoctl("TAPE0", port::kIoctlDiskEjectMedia, {false, true});
    port::DeviceHandle t = m.devices.OpenDevice("\\\\.\\Tape0");
    ASSERT_NE(t, port::kInvalidDevice);
    EXPECT_FALSE(m.devices.DeviceIoControl(t, port::kIoctlDiskEjectMedia));
    EXPECT_FALSE(m.devices.DoorOpen("Tape0"));
    EXPECT_TRUE(m.devices.DeviceIoControl(t, port::kIoctlDiskEjectMedia));
    EXPECT_TRUE(m.devices.DoorOpen("Tape0"));
    EXPECT_EQ(m.devices.OpenHandles(), 1);
    m.devices.CloseDevice(t);
    m.devices.CloseDevice(t);
    EXPECT_EQ(m.devices.OpenHandles(), 0);
    EXPECT_EQ(m.devices.BadCloses(), 1);

    // The fixed disk has no door.
    port::DeviceHandle c = m.devices.OpenDevice("\\\\.\\C:");
    EXPECT_FALSE(m.devices.DeviceIoControl(c, port::kIoctlDiskEjectMedia));
    m.devices.CloseDevice(c);
    m.devices.SetOpenFails("E:");
    EXPECT_EQ(m.devices.OpenDevice("\\\\.\\E:"), port::kInvalidDevice);
    EXPECT_EQ(m.devices.IoctlCalls().size(), 7u);
}

TEST(SimDevices, WorkerThreadsMayUseDeviceHandlesAndErrorMode) {
    sim::Machine m;
    m.AddCdrom('E');
    std::thread worker([&] {
        std::uint32_t previous = m.devices.SetErrorMode(port::kSemFailCriticalErrors);
        port::DeviceHandle h = m.devices.OpenDevice("\\\\.\\E:");
        m.devices.DeviceIoControl(h, port::kIoctlDiskEjectMedia);
        m.devices.CloseDevice(h);
        m.devices.SetErrorMode(previous);
    });
    worker.join();
    auto calls = m.devices.IoctlCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].mainThread);
    EXPECT_EQ(m.devices.ErrorModeHistory(), (std::vector<std::uint32_t>{1, 0}));
    EXPECT_EQ(m.devices.ErrorMode(), 0u);
}

}  // namespace
