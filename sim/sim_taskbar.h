#pragma once
// Notification area and taskbar: the shell's tray icons, window visibility and parents, the one
// window-update lock Windows allows, the minimise animation switch, system menus and icons.
// The application window starts visible; other windows count as hidden until shown. An icon
// file loads when it exists in the simulated file system and its name ends in ".ICO".
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "ports/taskbar_port.h"

namespace sim {

class SimFiles;
class SimForeignWindows;
class SimLoop;

struct NotifyCall {
    std::uint32_t message = 0;
    port::NotifyIconData data;
    bool ok = false;
};

struct ShowCall {
    port::WindowId window = 0;
    int command = 0;
    bool wasVisible = false;
    bool animationOn = false;  // the system's minimise animation at the time of the call
};

struct ParentCall {
    port::WindowId child = 0, newParent = 0, previous = 0;
};

struct MenuEntry {
    std::uint32_t id = 0;
    std::string text;
    bool separator = false;
    bool checked = false;
};

enum : std::uint32_t { kScSize = 0xF000, kScMove = 0xF010, kScMaximize = 0xF030, kScClose = 0xF060 };

class SimTaskbar : public port::TaskbarPort {
  public:
    SimTaskbar(SimForeignWindows& windows, const SimFiles& files, SimLoop& loop);

    bool ShellNotifyIcon(std::uint32_t message, const port::NotifyIconData& data) override;
    port::WindowId SetParent(port::WindowId child, port::WindowId newParent) override;
    bool ShowWindow(port::WindowId window, int showCommand) override;
    bool IsWindowVisible(port::WindowId window) override;
    bool LockWindowUpdate(port::WindowId window) override;
    port::WindowId DesktopWindow() override;
    bool GetMinimizeAnimation() override { return minimizeAnimation; }
    void SetMinimizeAnimation(bool on) override;
    port::MenuId GetSystemMenu(port::WindowId window, bool revert) override;
    bool InsertMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                    const std::string& text) override;
    bool DeleteMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags) override;
    std::uint32_t CheckMenuItem(port::MenuId menu, std::uint32_t id, std::uint32_t flags) override;
    port::IconId LoadIconFile(const std::string& path) override;
    port::IconId ApplicationIcon() override { return kApplicationIcon; }
    void DestroyIcon(port::IconId icon) override;
    port::WindowId CreateTrayWindow(port::TrayWindowProc proc) override;
    void DestroyTrayWindow(port::WindowId window) override;
    bool PostTrayMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                         std::intptr_t lparam) override;
    std::uint32_t RegisterMessage(const std::string& name) override;
    port::WindowId ParkingWindow() override;
    bool HasParkingWindow() override { return parking_ != 0; }
    bool IsIconic(port::WindowId window) override { return IsMinimized(window); }
    bool KeyDown(int virtualKey) override { return keysDown.count(virtualKey) != 0; }
    port::IconId CopyIcon(port::IconId icon) override;
    port::IconId LoadIconResource(const std::string& name) override;

    // Tray icons as the shell shows them (the tip cut to 63 characters).
    std::vector<NotifyCall> notifyCalls;
    int failNextNotifies = 0;
    bool TrayIconPresent(port::WindowId window, std::uint32_t id) const;
    const port::NotifyIconData* TrayIcon(port::WindowId window, std::uint32_t id) const;
    std::size_t TrayIconCount() const { return trayIcons_.size(); }

    // Tray windows. Messages are sent at once (SendMessage); posted ones run from the loop, and
    // not at all once the window is gone.
    std::size_t TrayWindowCount() const { return trayWindows_.size(); }
    bool TrayWindowAlive(port::WindowId window) const { return trayWindows_.count(window) != 0; }
    std::intptr_t SendTrayMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                                  std::intptr_t lparam);
    // The shell tells the icon's window what the mouse did over the icon (WM_LBUTTONDOWN...).
    bool SendIconMouse(port::WindowId window, std::uint32_t id, std::uint32_t mouseMessage);
    // Explorer restarts: every icon is gone, and each tray window gets "TaskbarCreated".
    void RestartShell();
    // A message every tray window gets (WM_QUERYENDSESSION, WM_ENDSESSION).
    void BroadcastToTrayWindows(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam);
    std::set<int> keysDown;          // virtual keys held (GetKeyState)
    bool parkingClassFails = false;  // the parking window's class cannot be registered
    // Icon resources of the program by upper-case name.
    std::set<std::string> iconResources;

    // Windows.
    void SetVisible(port::WindowId window, bool visible);
    bool IsMinimized(port::WindowId window) const;
    port::WindowId Parent(port::WindowId window) const;  // 0: the desktop
    std::vector<ShowCall> showCalls;
    std::vector<ParentCall> parentCalls;
    std::vector<port::WindowId> lockCalls;
    port::WindowId Locked() const { return locked_; }
    bool minimizeAnimation = true;
    std::vector<bool> animationSets;

    // System menus.
    std::vector<MenuEntry> SystemMenu(port::WindowId window) const;
    int systemMenuReverts = 0;

    // Icons.
    static constexpr port::IconId kApplicationIcon = 0x3F000;
    std::vector<std::string> loadedIconFiles;
    std::size_t LiveIcons() const { return liveIcons_.size(); }
    int badIconDestroys = 0;

  private:
    struct WindowState {
        bool visible = false;
        bool minimized = false;
    };
    static std::vector<MenuEntry> DefaultSystemMenu();
    // The index of the entry that position names, or -1.
    static int Index(const std::vector<MenuEntry>& menu, std::uint32_t position, std::uint32_t flags);

    port::IconId NewIcon();

    SimForeignWindows& windows_;
    const SimFiles& files_;
    SimLoop& loop_;
    std::map<port::WindowId, port::TrayWindowProc> trayWindows_;
    port::WindowId nextTrayWindow_ = 0x50000;
    port::WindowId parking_ = 0;
    std::map<std::string, std::uint32_t> registeredMessages_;
    std::map<std::pair<port::WindowId, std::uint32_t>, port::NotifyIconData> trayIcons_;
    std::map<port::WindowId, WindowState> states_;
    std::map<port::WindowId, port::WindowId> parents_;
    port::WindowId locked_ = 0;
    std::map<port::WindowId, port::MenuId> systemMenuIds_;
    std::map<port::MenuId, std::vector<MenuEntry>> menus_;
    port::MenuId nextMenu_ = 0x30000;
    std::set<port::IconId> liveIcons_;
    port::IconId nextIcon_ = 0x40000;
};

}  // namespace sim
