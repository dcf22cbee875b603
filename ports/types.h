#pragma once
// Plain value types shared by the ports. Handles of the host system appear only as opaque numbers.
#include <cstdint>
#include <string>
#include <vector>

namespace port {

using WindowId = std::uintptr_t;  // a top-level window of any program; 0 = none
using MenuId = std::uintptr_t;    // a native menu (system menu of a window); 0 = none
using IconId = std::uintptr_t;    // a loaded icon; 0 = none
using DeviceHandle = std::intptr_t;
constexpr DeviceHandle kInvalidDevice = -1;

// Win32 error codes the core tests for by value.
enum : std::uint32_t {
    kErrSuccess = 0,
    kErrFileNotFound = 2,
    kErrPathNotFound = 3,
    kErrAccessDenied = 5,
    kErrNotReady = 21,
    kErrDiskFull = 112,
    kErrCallNotImplemented = 120,
    kErrAlreadyExists = 183,
    kErrMoreData = 234,
    kErrNoMoreItems = 259,
    kErrNotAllAssigned = 1300,
    kErrHotkeyAlreadyRegistered = 1409,
};

// A window message as the application's message hook sees it.
struct Message {
    WindowId window = 0;
    std::uint32_t msg = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
};

// Message numbers the core looks at.
enum : std::uint32_t {
    kWmDestroy = 0x0002,
    kWmClose = 0x0010,
    kWmQuit = 0x0012,
    kWmSysCommand = 0x0112,
    kWmHotkey = 0x0312,
};
enum : std::uint32_t { kScMinimize = 0xF020, kScRestore = 0xF120 };

// Local date and time as GetLocalTime reports it.
struct LocalTime {
    int year = 0, month = 0, day = 0, dayOfWeek = 0;  // dayOfWeek 0 = Sunday
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

}  // namespace port
