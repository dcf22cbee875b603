#pragma once
// Drives and devices: drive letters and types, volumes, network connections, device I/O, MCI CD audio.
#include <cstdint>
#include <string>
#include "ports/types.h"

namespace port {

enum : std::uint32_t {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdrom = 5,
    kDriveRamdisk = 6
};
enum : std::uint32_t { kSemFailCriticalErrors = 1 };
enum : std::uint32_t {
    kIoctlDiskCheckVerify = 0x00074800,
    kIoctlDiskEjectMedia = 0x00074808,
    kIoctlDiskLoadMedia = 0x0007480C
};

// MCI commands, flags, items, the CD audio device type and the errors the program meets.
enum : std::uint32_t {
    kMciOpen = 0x803,
    kMciClose = 0x804,
    kMciSet = 0x80D,
    kMciStatus = 0x814,
    kMciNotify = 0x1,
    kMciOpenShareable = 0x100,
    kMciOpenElement = 0x200,
    kMciOpenTypeId = 0x1000,
    kMciOpenType = 0x2000,
    kMciSetDoorOpen = 0x100,
    kMciSetDoorClosed = 0x200,
    kMciStatusItem = 0x100,
    kMciStatusMediaPresent = 5,
    kMciStatusReady = 7,
    kMciDevtypeCdAudio = 516,
    kMciErrInvalidDeviceId = 257,
    kMciErrUnrecognizedCommand = 261,
    kMciErrInvalidDeviceName = 263,
    kMciErrUnsupportedFunction = 274,
    kMciErrDeviceNotInstalled = 306,
};

struct VolumeInfo {
    std::string label;
    std::uint32_t serial = 0;
    std::string fileSystem;
};

// The fields of the MCI parameter records the program fills or reads.
struct MciParams {
    std::uint32_t deviceId = 0;     // MCI_OPEN_PARMS.wDeviceID (out of MCI_OPEN)
    std::uint32_t deviceType = 0;   // MCI_OPEN_PARMS.lpstrDeviceType as a type id (MCI_OPEN_TYPE_ID)
    std::string elementName;        // MCI_OPEN_PARMS.lpstrElementName (drive for MCI_OPEN_ELEMENT)
    std::uint32_t item = 0;         // MCI_STATUS_PARMS.dwItem
    std::uint32_t returnValue = 0;  // MCI_STATUS_PARMS.dwReturn
    std::uintptr_t callback = 0;    // dwCallback (window for MCI_NOTIFY)
};

class DevicePort {
  public:
    virtual ~DevicePort() = default;
    virtual std::uint32_t GetLogicalDrives() = 0;  // bit 0 = A
    virtual std::uint32_t GetDriveType(const std::string& root) = 0;
    virtual bool GetVolumeInformation(const std::string& root, VolumeInfo& out) = 0;
    virtual long WNetGetConnection(const std::string& localName, std::string& remoteName) = 0;
    virtual std::uint32_t SetErrorMode(std::uint32_t mode) = 0;  // returns the previous mode
    // CreateFileA for a device path such as "\\.\E:" (no access rights asked, shared read/write).
    virtual DeviceHandle OpenDevice(const std::string& path) = 0;
    virtual bool DeviceIoControl(DeviceHandle device, std::uint32_t code) = 0;
    virtual void CloseDevice(DeviceHandle device) = 0;
    // mciSendCommandA: 0 on success, else an MCI error code for MciErrorString.
    virtual std::uint32_t MciSendCommand(std::uint32_t deviceId, std::uint32_t message, std::uint32_t flags,
                                         MciParams& params) = 0;
    virtual std::string MciErrorString(std::uint32_t error) = 0;
};

}  // namespace port
