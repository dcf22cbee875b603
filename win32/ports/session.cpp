#include "win32/ports/session.h"

#include <reason.h>

#include "win32/ports/proc.h"

namespace win32 {

namespace {

// Clearing first means a call that succeeds without touching the error reads as ERROR_SUCCESS
// instead of whatever an earlier call left behind.
template <typename Call>
bool Track(std::uint32_t& lastError, Call call) {
    ::SetLastError(ERROR_SUCCESS);
    bool ok = call();
    lastError = ::GetLastError();
    return ok;
}

}  // namespace

bool Win32Session::ExitWindowsEx(std::uint32_t flags) {
    // A planned shutdown, so that the system's own shutdown event does not report an unexpected
    // one; Windows versions before XP ignore the reason.
    constexpr DWORD kReason = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
    return Track(lastError_, [&] { return ::ExitWindowsEx(flags, kReason) != FALSE; });
}

bool Win32Session::OpenProcessToken() {
    return Track(lastError_, [&] {
        return ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                  token_.Receive()) != FALSE;
    });
}

bool Win32Session::LookupShutdownPrivilege() {
    return Track(lastError_, [&] {
        return ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdownPrivilege_) != FALSE;
    });
}

bool Win32Session::AdjustTokenPrivileges() {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = shutdownPrivilege_;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    return Track(lastError_, [&] {
        return ::AdjustTokenPrivileges(token_.Get(), FALSE, &privileges, 0, nullptr, nullptr) != FALSE;
    });
}

void Win32Session::CloseProcessToken() {
    token_.Reset();
}

bool Win32Session::SetSystemPowerState(bool suspend, bool force) {
    // Exported by the kernel of Windows 95/98 and some NT versions only.
    using Fn = BOOL(WINAPI*)(BOOL, BOOL);
    auto setPowerState = LoadProc<Fn>(L"kernel32.dll", "SetSystemPowerState");
    if (!setPowerState) {
        lastError_ = ERROR_CALL_NOT_IMPLEMENTED;
        return false;
    }
    return Track(lastError_, [&] { return setPowerState(suspend, force) != FALSE; });
}

}  // namespace win32
