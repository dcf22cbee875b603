#pragma once
// Ending the Windows session: ExitWindowsEx, the NT shutdown privilege, APM power-off.
#include <cstdint>

namespace port {

// ExitWindowsEx flags.
enum : std::uint32_t { kEwxLogoff = 0, kEwxShutdown = 1, kEwxReboot = 2, kEwxForce = 4, kEwxPowerOff = 8 };

class SessionPort {
  public:
    virtual ~SessionPort() = default;
    virtual bool ExitWindowsEx(std::uint32_t flags) = 0;
    // The three steps of enabling SeShutdownPrivilege for this process; each sets LastError().
    virtual bool OpenProcessToken() = 0;  // TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY on the current process
    virtual bool LookupShutdownPrivilege() = 0;  // LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege")
    virtual bool AdjustTokenPrivileges() = 0;    // one privilege, SE_PRIVILEGE_ENABLED, no previous state
    virtual void CloseProcessToken() = 0;
    virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
    virtual std::uint32_t LastError() const = 0;
};

}  // namespace port
