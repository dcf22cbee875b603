#pragma once
// The core sees windows, menus, icons and devices as plain numbers; these are the only places
// where the numbers turn back into handles.
#include "win32/ports/win_api.h"

#include <functional>

#include "ports/types.h"

namespace win32 {

inline HWND ToHwnd(port::WindowId id) {
    return reinterpret_cast<HWND>(id);
}
inline HMENU ToHmenu(port::MenuId id) {
    return reinterpret_cast<HMENU>(id);
}
inline HICON ToHicon(port::IconId id) {
    return reinterpret_cast<HICON>(id);
}
inline HANDLE ToHandle(port::DeviceHandle id) {
    return reinterpret_cast<HANDLE>(id);
}

inline port::WindowId ToWindowId(HWND hwnd) {
    return reinterpret_cast<port::WindowId>(hwnd);
}
inline port::MenuId ToMenuId(HMENU menu) {
    return reinterpret_cast<port::MenuId>(menu);
}
inline port::IconId ToIconId(HICON icon) {
    return reinterpret_cast<port::IconId>(icon);
}
inline port::DeviceHandle ToDeviceHandle(HANDLE h) {
    return reinterpret_cast<port::DeviceHandle>(h);
}

// The program's own windows are created by the widget peers after the adapters exist, and may be
// re-created; so an adapter asks for the window each time it needs one.
using WindowSource = std::function<HWND()>;

inline HWND WindowFrom(const WindowSource& source) {
    return source ? source() : nullptr;
}

}  // namespace win32
