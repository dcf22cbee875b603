#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>

#include "ports/system_info_port.h"

namespace win32 {

// What GetVersionEx reports on Windows 8.1 and later depends on the supportedOS entries of the
// executable's manifest (res/rvln.manifest); without them it stops at 6.2.
class Win32SystemInfo final : public port::SystemInfoPort {
  public:
    port::OsVersion GetVersionEx() override;
    bool GetUserName(std::string& name) override;
    std::uint16_t GetSystemDefaultLangID() override;
    port::MemoryStatus GlobalMemoryStatus() override;
    int GetKeyboardType(int typeFlag) override;
    int GetSystemMetrics(int index) override;
    std::string GetWindowsDirectory() override;
    std::string GetSystemDirectory() override;
    std::string GetTempPath() override;
    std::string ExecutablePath() override;
    std::string GetLocalAppDataFolder() override;
    std::string CommandLine() override;
};

}  // namespace win32
