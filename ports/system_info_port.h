#pragma once
// System information: version, user, language, memory, keyboard, screen, folders, own process.
#include <cstdint>
#include <string>

namespace port {

enum : std::uint32_t { kPlatformWin32s = 0, kPlatformWindows = 1, kPlatformNT = 2 };

struct OsVersion {
    bool ok = false;  // false: GetVersionExA failed
    std::uint32_t platformId = 0;
    std::uint32_t major = 0, minor = 0, build = 0;
};

// GlobalMemoryStatus; 64-bit here, callers saturate where the old 32-bit figures are meant.
struct MemoryStatus {
    std::uint32_t memoryLoad = 0;
    std::uint64_t totalPhys = 0, availPhys = 0;
    std::uint64_t totalPageFile = 0, availPageFile = 0;
    std::uint64_t totalVirtual = 0, availVirtual = 0;
};

// GetSystemMetrics indices the program uses.
enum : int { kSmCxScreen = 0, kSmCyScreen = 1, kSmCxIcon = 11, kSmCyIcon = 12 };

class SystemInfoPort {
  public:
    virtual ~SystemInfoPort() = default;
    virtual OsVersion GetVersionEx() = 0;
    // GetUserNameA; false when the call fails (name then undefined).
    virtual bool GetUserName(std::string& name) = 0;
    virtual std::uint16_t GetSystemDefaultLangID() = 0;
    virtual MemoryStatus GlobalMemoryStatus() = 0;
    virtual int GetKeyboardType(int typeFlag) = 0;
    virtual int GetSystemMetrics(int index) = 0;
    virtual std::string GetWindowsDirectory() = 0;  // empty when it cannot be determined
    virtual std::string GetSystemDirectory() = 0;   // empty when it cannot be determined
    virtual std::string GetTempPath() = 0;          // with its final backslash, as the API gives it
    virtual std::string ExecutablePath() = 0;       // full path of RVLN.EXE
    // The user's own local application-data folder; empty when the system has none.
    virtual std::string GetLocalAppDataFolder() = 0;
    virtual std::string CommandLine() = 0;  // GetCommandLineA, unsplit
};

}  // namespace port
