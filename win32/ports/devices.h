#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "ports/device_port.h"
#include "win32/handles.h"

namespace win32 {

// Device handles cross the port as numbers; the adapter keeps owning them, so a handle the caller
// never closes is still closed with the adapter. The eject workers open and close devices on their
// own threads, hence the lock.
class Win32Devices final : public port::DevicePort {
  public:
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

  private:
    std::mutex lock_;
    std::map<port::DeviceHandle, OwnedHandle> open_;
};

}  // namespace win32
