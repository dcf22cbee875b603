#pragma once
// Drives and devices: drive letters and types come from the simulated file system; doors,
// device handles, DeviceIoControl and the MCI CD-audio device act on them. The MCI device works
// on the machine-wide default CD drive that the registry names (under HKLM, key
// "System\CurrentControlSet\Control\MediaResources\mci\cdaudio", value "Default Drive", its
// low byte the position among the CD-ROM letters), so a program that forgets to switch it
// opens the wrong door here too.
//
// Devices are addressed by name: "E:" for a drive, or a unit added with AddDevice ("TAPE0").
// Without a script DeviceIoControl behaves as the hardware: EJECT opens the door of a CD-ROM,
// removable drive or tape, LOAD closes it (not on removable drives, which have no motor), and
// CHECK_VERIFY succeeds while a medium is in and the door is shut. Scripted results go first;
// a scripted success still moves the door.
//
// Handles, DeviceIoControl and SetErrorMode may be used from worker threads.
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include "ports/device_port.h"
#include "sim/errors.h"

namespace sim {

class SimFiles;
class SimLoop;
class SimRegistry;

struct IoctlCall {
    std::string device;  // "E:" or the unit's name, upper case
    std::uint32_t code = 0;
    bool ok = false;
    bool mainThread = true;
};

struct MciCall {
    std::uint32_t deviceId = 0;
    std::uint32_t message = 0;
    std::uint32_t flags = 0;
    std::uint32_t item = 0;  // the status item asked for
    char drive = 0;          // the CD drive the device works on, 0 when none
    std::uint32_t result = 0;
    bool mainThread = true;
};

class SimDevices : public port::DevicePort {
  public:
    SimDevices(SimFiles& files, const SimRegistry& registry, const SimLoop& loop);

    std::uint32_t GetLogicalDrives() override;
    std::uint32_t GetDriveType(const std::string& root) override;
    bool GetVolumeInformation(const std::string& root, port::VolumeInfo& out) override;
    long WNetGetConnection(const std::string& localName, std::string& remoteName) override;
    std::uint32_t SetErrorMode(std::uint32_t mode) override;
    port::DeviceHandle OpenDevice(const std::string& path) override;
    bool DeviceIoControl(port::DeviceHandle device, std::uint32_t code) override;
    void CloseDevice(port::DeviceHandle device) override;
    std::uint32_t MciSendCommand(std::uint32_t deviceId, std::uint32_t message, std::uint32_t flags,
                                 port::MciParams& params) override;
    std::string MciErrorString(std::uint32_t error) override;

    // Set-up.
    void AddDevice(const std::string& name, bool mediaPresent = true);
    void SetDeviceMedia(const std::string& name, bool present);
    void ScriptIoctl(const std::string& device, std::uint32_t code, std::vector<bool> results);
    void SetOpenFails(const std::string& device, bool fails = true);
    void SetDoorOpen(const std::string& device, bool open);
    // The next count MCI commands of this message fail with the MCI error.
    void FailMci(std::uint32_t message, std::uint32_t error, int count = 1);
    void SetMciErrorText(std::uint32_t error, std::string text);

    // Observation.
    bool DoorOpen(const std::string& device) const;
    int OpenHandles() const;
    int BadCloses() const;
    std::vector<std::string> OpenedPaths() const;
    std::vector<IoctlCall> IoctlCalls() const;
    std::vector<MciCall> MciCalls() const;
    int OpenMciDevices() const;
    std::uint32_t ErrorMode() const;
    std::vector<std::uint32_t> ErrorModeHistory() const;  // every mode set, in order
    std::uint32_t LastError() const;

  private:
    static std::string Name(const std::string& device);
    bool IsDrive(const std::string& name) const;
    bool MediumIn(const std::string& name) const;  // with mu_ held
    // The drive letter of a root such as "E:\" or "e:", 0 when it is none.
    static char RootLetter(const std::string& root);
    char DefaultCdDrive() const;
    std::uint32_t Mci(std::uint32_t deviceId, std::uint32_t message, std::uint32_t flags,
                      port::MciParams& params, char& drive);

    SimFiles& files_;
    const SimRegistry& registry_;
    const SimLoop& loop_;
    mutable std::mutex mu_;
    std::map<std::string, bool> units_;  // added devices and whether a medium is in
    std::map<std::string, bool> doorOpen_;
    std::map<std::pair<std::string, std::uint32_t>, std::deque<bool>> ioctlScripts_;
    std::map<std::string, bool> openFails_;
    std::map<port::DeviceHandle, std::string> handles_;
    port::DeviceHandle nextHandle_ = 0x100;
    int badCloses_ = 0;
    std::vector<std::string> openedPaths_;
    std::vector<IoctlCall> ioctlCalls_;
    std::uint32_t errorMode_ = 0;
    std::vector<std::uint32_t> errorModes_;
    std::uint32_t lastError_ = 0;
    struct MciFailure {
        std::uint32_t message, error;
        int remaining;
    };
    std::vector<MciFailure> mciFailures_;
    std::map<std::uint32_t, char> mciDevices_;  // open device id -> drive
    std::uint32_t nextMciId_ = 1;
    std::map<std::uint32_t, std::string> mciTexts_;
    std::vector<MciCall> mciCalls_;
};

}  // namespace sim
