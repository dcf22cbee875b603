// Drives, device handles and MCI through Win32Devices.
#include "win32/ports/win_api.h"

#include "tests/win32/check.h"
#include "win32/ports/devices.h"
#include "win32/ports/system_info.h"

CHECK_GROUP(devices) {
    win32::Win32Devices devices;

    std::uint32_t drives = devices.GetLogicalDrives();
    CHECK(drives & (1u << 2));  // C:
    CHECK_EQ(devices.GetDriveType("C:\\"), static_cast<std::uint32_t>(port::kDriveFixed));
    char absent = 0;
    for (char letter = 'D'; letter <= 'Y' && !absent; ++letter)
        if (!(drives & (1u << (letter - 'A')))) absent = letter;
    CHECK(absent != 0);
    std::string absentRoot = std::string(1, absent) + ":\\";
    CHECK_EQ(devices.GetDriveType(absentRoot), static_cast<std::uint32_t>(port::kDriveNoRootDir));

    port::VolumeInfo volume;
    CHECK(devices.GetVolumeInformation("C:\\", volume));
    CHECK(!volume.fileSystem.empty());
    CHECK(!devices.GetVolumeInformation(absentRoot, volume));

    std::string remote = "unchanged";
    CHECK(devices.WNetGetConnection("C:", remote) != 0);  // a local drive has no connection
    CHECK_EQ(remote, std::string("unchanged"));

    std::uint32_t previous = devices.SetErrorMode(port::kSemFailCriticalErrors);
    CHECK(devices.SetErrorMode(previous) & port::kSemFailCriticalErrors);

    // Device handles: a missing device fails, an opened one is usable until closed.
    CHECK_EQ(devices.OpenDevice("\\\\.\\RvlnNoSuchDevice"), port::kInvalidDevice);
    win32::Win32SystemInfo info;
    port::DeviceHandle file = devices.OpenDevice(info.ExecutablePath());
    CHECK(file != port::kInvalidDevice);
    if (file != port::kInvalidDevice) {
        DWORD flags = 0;
        HANDLE raw = reinterpret_cast<HANDLE>(file);
        CHECK(::GetHandleInformation(raw, &flags));
        CHECK(!devices.DeviceIoControl(file, port::kIoctlDiskEjectMedia));  // a file is no disk
        devices.CloseDevice(file);
        CHECK(!::GetHandleInformation(raw, &flags));
    }

    // MCI: a device id nobody opened, and the texts of its errors.
    port::MciParams params;
    params.item = MCI_STATUS_READY;
    std::uint32_t error = devices.MciSendCommand(4711, MCI_STATUS, MCI_STATUS_ITEM, params);
    CHECK_EQ(error, static_cast<std::uint32_t>(MCIERR_INVALID_DEVICE_ID));
    CHECK(!devices.MciErrorString(error).empty());
    CHECK(devices.MciErrorString(error).size() < 256);

    // The waveform driver opens without hardware; its status answers come back through the record.
    port::MciParams open;
    open.deviceType = MCI_DEVTYPE_WAVEFORM_AUDIO;
    error = devices.MciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID, open);
    CHECK_EQ(error, 0u);
    if (error == 0) {
        CHECK(open.deviceId != 0);
        port::MciParams status;
        status.item = MCI_STATUS_READY;
        status.returnValue = 12345;
        CHECK_EQ(devices.MciSendCommand(open.deviceId, MCI_STATUS, MCI_STATUS_ITEM, status), 0u);
        CHECK_EQ(status.returnValue, static_cast<std::uint32_t>(TRUE));
        port::MciParams close;
        CHECK_EQ(devices.MciSendCommand(open.deviceId, MCI_CLOSE, 0, close), 0u);
        CHECK_EQ(devices.MciSendCommand(open.deviceId, MCI_STATUS, MCI_STATUS_ITEM, status),
                 static_cast<std::uint32_t>(MCIERR_INVALID_DEVICE_ID));
    }
}
