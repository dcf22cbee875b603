#include "win32/ports/taskbar.h"

#include <algorithm>

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

}  // namespace

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
    return ::Shell_NotifyIconW(message, &record) != FALSE;
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

}  // namespace win32
