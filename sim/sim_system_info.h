#pragma once
// The machine's identity: Windows version, user, language, memory, keyboard, screen, folders and
// the program's own process. Defaults describe an ordinary Windows 98 desktop with one user.
#include <cstdint>
#include <string>
#include "ports/system_info_port.h"

namespace sim {

// What GetVersionEx reports per kind: NT3 = NT 3.51, NT4 = NT 4.0, Win95 = 4.0, Win98 = 4.10,
// Win32s = 3.1; Unknown makes the query fail.
enum class Os { NT3, NT4, Win95, Win98, Win32s, Unknown };

class SimSystemInfo : public port::SystemInfoPort {
  public:
    SimSystemInfo();

    port::OsVersion GetVersionEx() override { return version_; }
    bool GetUserName(std::string& name) override;
    std::uint16_t GetSystemDefaultLangID() override { return languageId; }
    port::MemoryStatus GlobalMemoryStatus() override { return memory; }
    int GetKeyboardType(int typeFlag) override;
    int GetSystemMetrics(int index) override;
    std::string GetWindowsDirectory() override { return windowsDirectory; }
    std::string GetSystemDirectory() override { return systemDirectory; }
    std::string GetTempPath() override { return tempPath; }
    std::string ExecutablePath() override { return executablePath; }
    std::string CommandLine() override { return commandLine; }
    std::string GetLocalAppDataFolder() override { return localAppData; }

    // Set-up. The default is Os::Win98.
    void SetOs(Os os);
    // Any platform id and version, for the borderline cases of the version test.
    void SetRawVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                       std::uint32_t build = 0);
    void SetVersionQueryFails();
    bool IsNt() const { return version_.ok && version_.platformId == port::kPlatformNT; }
    bool IsWin9x() const { return version_.ok && version_.platformId == port::kPlatformWindows; }

    // GetUserNameA fails when userNameFails is set; otherwise it reports userName as it is
    // (trailing blanks and all).
    std::string userName = "Chris";
    bool userNameFails = false;
    std::uint16_t languageId = 1033;
    port::MemoryStatus memory;
    int keyboardType = 4;  // enhanced 101/102-key keyboard
    int keyboardSubtype = 0;
    int functionKeys = 12;
    int screenWidth = 1024, screenHeight = 768;
    int iconSize = 32;
    std::string windowsDirectory = "C:\\WINDOWS";  // empty: the folder cannot be determined
    std::string systemDirectory = "C:\\WINDOWS\\SYSTEM";
    std::string tempPath = "C:\\WINDOWS\\TEMP\\";
    std::string executablePath = "C:\\RAVELIN\\RVLN.EXE";
    std::string commandLine = "\"C:\\RAVELIN\\RVLN.EXE\"";
    std::string localAppData = "C:\\USERS\\CHRIS\\APPDATA\\LOCAL";  // empty: none

    // Sets the raw command line as Windows passes it: the quoted program path, then args.
    void SetArguments(const std::string& args);

  private:
    port::OsVersion version_;
};

}  // namespace sim
