#include "win32/ports/taskbar.h"

#include <algorithm>

#include "win32/on_demand.h"
#include "win32/ports/ids.h"
#include "win32/res/resource.h"
#include "win32/text.h"

namespace win32 {

static_assert(port::kNimAdd == NIM_ADD && port::kNimModify == NIM_MODIFY && port::kNimDelete == NIM_DELETE &&
              port::kNifMessage == NIF_MESSAGE && port::kNifIcon == NIF_ICON && port::kNifTip == NIF_TIP);
static_assert(port::kMfByPosition == MF_BYPOSITION && port::kMfSeparator == MF_SEPARATOR &&
              port::kMfChecked == MF_CHECKED);

namespace {

// The tray shows icons at the small-icon size; loading at that size spares the shell a poor rescale.
HICON LoadSmallIcon(HINSTANCE instance, const wchar_t* name, UINT flags) {
    return static_cast<HICON>(::LoadImageW(instance, name, IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                           ::GetSystemMetrics(SM_CYSMICON), flags));
}

const wchar_t kTrayWindowClass[] = L"TXKTrayIconMsgWindow";
const wchar_t kParkingClass[] = L"TXKApplication";

LRESULT CALLBACK TrayWindowProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* proc = reinterpret_cast<port::TrayWindowProc*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (proc && *proc) {
        // A copy: the window may be destroyed while it handles the message.
        port::TrayWindowProc call = *proc;
        bool handled = false;
        std::intptr_t result = call(msg, wparam, lparam, handled);
        if (handled) return result;
    }
    return ::DefWindowProcW(hwnd, msg, wparam, lparam);
}

// A class that exists already (another module of the process made it) counts as registered.
bool RegisterClassOnce(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW info{};
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoW(instance, name, &info)) return true;
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return ::RegisterClassW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Win32Taskbar::~Win32Taskbar() {
    for (auto& [hwnd, proc] : trayWindows_) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd);
    }
}

bool Win32Taskbar::ShellNotifyIcon(std::uint32_t message, const port::NotifyIconData& data) {
    // The first version of the record is the one every shell since Windows 95 accepts; its tip
    // holds 63 characters.
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = ToHwnd(data.window);
    record.uID = data.id;
    record.uFlags = data.flags;
    record.uCallbackMessage = data.callbackMessage;
    record.hIcon = ToHicon(data.icon);
    std::wstring tip = Widen(data.tip);
    size_t length = std::min<size_t>(tip.size(), 63);
    // Never cut a surrogate pair in half.
    if (length > 0 && length < tip.size() && IS_HIGH_SURROGATE(tip[length - 1])) --length;
    std::copy_n(tip.begin(), length, record.szTip);
    record.szTip[length] = L'\0';
    return on_demand::Shell_NotifyIconW(message, &record) != FALSE;
}

port::WindowId Win32Taskbar::SetParent(port::WindowId child, port::WindowId newParent) {
    return ToWindowId(::SetParent(ToHwnd(child), ToHwnd(newParent)));
}

bool Win32Taskbar::ShowWindow(port::WindowId window, int showCommand) {
    return ::ShowWindow(ToHwnd(window), showCommand) != FALSE;
}

bool Win32Taskbar::IsWindowVisible(port::WindowId window) {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool Win32Taskbar::LockWindowUpdate(port::WindowId window) {
    return ::LockWindowUpdate(ToHwnd(window)) != FALSE;
}

port::WindowId Win32Taskbar::DesktopWindow() {
    return ToWindowId(::GetDesktopWindow());
}

bool Win32Taskbar::GetMinimizeAnimation() {
    ANIMATIONINFO info{};
    info.cbSize = sizeof(info);
    if (!::SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0)) return false;
    return info.iMinAnimate != 0;
}

void Win32Taskbar::SetMinimizeAnimation(bool on) {
    // Switched off only around one minimise: not written to the user's profile.
    ANIMATIONINFO info{};
    info.cbSize = sizeof(info);
    info.iMinAnimate = on ? 1 : 0;
    ::SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
}

port::MenuId Win32Taskbar::GetSystemMenu(port::WindowId window, bool revert) {
    return ToMenuId(::GetSystemMenu(ToHwnd(window), revert));
}

bool Win32Taskbar::InsertMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags,
                              std::uint32_t id, const std::string& text) {
    std::wstring wtext = Widen(text);
    const wchar_t* item = (flags & MF_SEPARATOR) ? nullptr : wtext.c_str();
    return ::InsertMenuW(ToHmenu(menu), position, flags, id, item) != FALSE;
}

bool Win32Taskbar::DeleteMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags) {
    return ::DeleteMenu(ToHmenu(menu), position, flags) != FALSE;
}

std::uint32_t Win32Taskbar::CheckMenuItem(port::MenuId menu, std::uint32_t id, std::uint32_t flags) {
    return ::CheckMenuItem(ToHmenu(menu), id, flags);
}

port::IconId Win32Taskbar::Keep(HICON icon) {
    if (!icon) return 0;
    port::IconId id = ToIconId(icon);
    icons_[id] = OwnedIcon(icon);
    return id;
}

port::IconId Win32Taskbar::LoadIconFile(const std::string& path) {
    return Keep(LoadSmallIcon(nullptr, Widen(path).c_str(), LR_LOADFROMFILE));
}

port::IconId Win32Taskbar::ApplicationIcon() {
    return Keep(LoadSmallIcon(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN), LR_DEFAULTCOLOR));
}

void Win32Taskbar::DestroyIcon(port::IconId icon) {
    icons_.erase(icon);
}

port::IconId Win32Taskbar::CopyIcon(port::IconId icon) {
    return icon ? Keep(::CopyIcon(ToHicon(icon))) : 0;
}

port::IconId Win32Taskbar::LoadIconResource(const std::string& name) {
    return Keep(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
}

port::WindowId Win32Taskbar::CreateTrayWindow(port::TrayWindowProc proc) {
    if (!RegisterClassOnce(kTrayWindowClass, TrayWindowProcedure)) return 0;
    auto owned = std::make_unique<port::TrayWindowProc>(std::move(proc));
    // Top-level, never shown: message-only windows get no broadcasts (WM_ENDSESSION,
    // "TaskbarCreated").
    HWND hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), owned.get());
    if (!hwnd) return 0;
    trayWindows_[hwnd] = std::move(owned);
    return ToWindowId(hwnd);
}

void Win32Taskbar::DestroyTrayWindow(port::WindowId window) {
    HWND hwnd = ToHwnd(window);
    auto it = trayWindows_.find(hwnd);
    if (it == trayWindows_.end()) return;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd);
    trayWindows_.erase(it);
}

bool Win32Taskbar::PostTrayMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                   std::intptr_t lparam) {
    return ::PostMessageW(ToHwnd(window), msg, wparam, lparam) != FALSE;
}

std::uint32_t Win32Taskbar::RegisterMessage(const std::string& name) {
    return ::RegisterWindowMessageW(Widen(name).c_str());
}

port::WindowId Win32Taskbar::ParkingWindow() {
    if (!parking_) {
        if (!RegisterClassOnce(kParkingClass, ::DefWindowProcW)) return 0;
        const int size = 50;
        const int x = (::GetSystemMetrics(SM_CXSCREEN) - size) / 2;
        const int y = (::GetSystemMetrics(SM_CYSCREEN) - size) / 2;
        parking_.Reset(::CreateWindowExW(0, kParkingClass, L"", WS_POPUP, x, y, size, size, nullptr, nullptr,
                                         ::GetModuleHandleW(nullptr), nullptr));
    }
    return ToWindowId(parking_.Get());
}

bool Win32Taskbar::IsIconic(port::WindowId window) {
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

bool Win32Taskbar::KeyDown(int virtualKey) {
    return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace win32
