#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>

#include "ports/session_port.h"
#include "win32/handles.h"

namespace win32 {

// LastError() is GetLastError() taken right after each call, success or not: AdjustTokenPrivileges
// reports a privilege it could not grant (ERROR_NOT_ALL_ASSIGNED) only that way.
class Win32Session final : public port::SessionPort {
  public:
    bool ExitWindowsEx(std::uint32_t flags) override;
    bool OpenProcessToken() override;
    bool LookupShutdownPrivilege() override;
    bool AdjustTokenPrivileges() override;
    void CloseProcessToken() override;
    bool SetSystemPowerState(bool suspend, bool force) override;
    std::uint32_t LastError() const override { return lastError_; }

  private:
    OwnedToken token_;
    LUID shutdownPrivilege_{};
    std::uint32_t lastError_ = 0;
};

}  // namespace win32
