#pragma once
// Notification area and taskbar: tray icons, re-parenting and showing windows, system menus.
#include <cstdint>
#include <functional>
#include <string>
#include "ports/types.h"

namespace port {

enum : std::uint32_t { kNimAdd = 0, kNimModify = 1, kNimDelete = 2 };
enum : std::uint32_t { kNifMessage = 1, kNifIcon = 2, kNifTip = 4 };
enum : std::uint32_t {
    kMfByCommand = 0,
    kMfByPosition = 0x400,
    kMfString = 0,
    kMfSeparator = 0x800,
    kMfChecked = 8,
    kMfUnchecked = 0
};

// The first-version NOTIFYICONDATAA record (tip of at most 63 characters).
struct NotifyIconData {
    WindowId window = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    IconId icon = 0;
    std::string tip;
};

// The window procedure of a tray window: sets handled and returns the answer, or leaves the
// message to the default processing.
using TrayWindowProc = std::function<std::intptr_t(std::uint32_t msg, std::uintptr_t wparam,
                                                   std::intptr_t lparam, bool& handled)>;

class TaskbarPort {
  public:
    virtual ~TaskbarPort() = default;
    virtual bool ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
    virtual WindowId SetParent(WindowId child, WindowId newParent) = 0;
    virtual bool ShowWindow(WindowId window, int showCommand) = 0;  // previous visibility
    virtual bool IsWindowVisible(WindowId window) = 0;
    virtual bool LockWindowUpdate(WindowId window) = 0;  // 0 unlocks
    virtual WindowId DesktopWindow() = 0;
    // SPI_GETANIMATION / SPI_SETANIMATION: the system's minimise and restore animation.
    virtual bool GetMinimizeAnimation() = 0;
    virtual void SetMinimizeAnimation(bool on) = 0;
    virtual MenuId GetSystemMenu(WindowId window, bool revert) = 0;
    virtual bool InsertMenu(MenuId menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                            const std::string& text) = 0;
    virtual bool DeleteMenu(MenuId menu, std::uint32_t position, std::uint32_t flags) = 0;
    virtual std::uint32_t CheckMenuItem(MenuId menu, std::uint32_t id, std::uint32_t flags) = 0;
    virtual IconId LoadIconFile(const std::string& path) = 0;  // 0 when the file is no icon
    virtual IconId ApplicationIcon() = 0;
    virtual void DestroyIcon(IconId icon) = 0;

    // Tray windows: hidden top-level windows (so that broadcasts such as WM_ENDSESSION and
    // "TaskbarCreated" reach them) handing every message to proc. 0 when none can be made.
    virtual WindowId CreateTrayWindow(TrayWindowProc proc) = 0;
    virtual void DestroyTrayWindow(WindowId window) = 0;
    virtual bool PostTrayMessage(WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                 std::intptr_t lparam) = 0;
    virtual std::uint32_t RegisterMessage(const std::string& name) = 0;  // 0 on failure
    // The hidden window the application window is parked under to leave the taskbar; made on
    // first use, kept to the end of the program. 0 when its window class cannot be registered.
    virtual WindowId ParkingWindow() = 0;
    virtual bool HasParkingWindow() = 0;
    virtual bool IsIconic(WindowId window) = 0;
    virtual bool KeyDown(int virtualKey) = 0;  // GetKeyState: the high bit
    virtual IconId CopyIcon(IconId icon) = 0;  // an own copy, 0 when icon is none
    // An icon resource of the program by name, at 16 x 16; 0 when there is none.
    virtual IconId LoadIconResource(const std::string& name) = 0;
};

}  // namespace port
