#include "win32/ports/foreign_windows.h"

#include <vector>

#include "win32/text.h"

namespace win32 {

bool Win32ForeignWindows::SetForegroundWindow(port::WindowId window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

port::WindowId Win32ForeignWindows::FirstWindow() {
    return ToWindowId(::GetWindow(::GetDesktopWindow(), GW_CHILD));
}

port::WindowId Win32ForeignWindows::NextWindow(port::WindowId window) {
    return ToWindowId(::GetWindow(ToHwnd(window), GW_HWNDNEXT));
}

std::string Win32ForeignWindows::ClassName(port::WindowId window, int maxChars) {
    if (maxChars <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(maxChars) + 1, L'\0');
    int n = ::GetClassNameW(ToHwnd(window), buffer.data(), maxChars);
    if (n <= 0) return {};
    return Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(n)));
}

bool Win32ForeignWindows::PostMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                      std::intptr_t lparam) {
    return ::PostMessageW(ToHwnd(window), msg, wparam, lparam) != FALSE;
}

}  // namespace win32
