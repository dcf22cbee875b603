#pragma once
// Win32 error codes the simulation reports beyond those the core tests for (ports/types.h).
#include <cstdint>

namespace sim {

enum : std::uint32_t {
    kErrInvalidFunction = 1,
    kErrInvalidHandle = 6,
    kErrNotSameDevice = 17,
    kErrWriteProtect = 19,
    kErrSharingViolation = 32,
    kErrBadNetPath = 53,
    kErrFileExists = 80,
    kErrInvalidName = 123,
    kErrDirNotEmpty = 145,
    kErrBadPathname = 161,
    kErrDirectory = 267,
    kErrBadDevice = 1200,
    kErrPrivilegeNotHeld = 1314,
    kErrInvalidWindowHandle = 1400,
    kErrHotkeyNotRegistered = 1419,
    kErrNotConnected = 2250,
};

}  // namespace sim
