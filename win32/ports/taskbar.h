#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "ports/taskbar_port.h"
#include "win32/handles.h"

namespace win32 {

// Icons loaded through this adapter stay owned by it until DestroyIcon or the adapter's end;
// an id it did not hand out is left alone.
class Win32Taskbar final : public port::TaskbarPort {
  public:
    Win32Taskbar() = default;
    ~Win32Taskbar() override;
    Win32Taskbar(const Win32Taskbar&) = delete;
    Win32Taskbar& operator=(const Win32Taskbar&) = delete;

    bool ShellNotifyIcon(std::uint32_t message, const port::NotifyIconData& data) override;
    port::WindowId SetParent(port::WindowId child, port::WindowId newParent) override;
    bool ShowWindow(port::WindowId window, int showCommand) override;
    bool IsWindowVisible(port::WindowId window) override;
    bool LockWindowUpdate(port::WindowId window) override;
    port::WindowId DesktopWindow() override;
    bool GetMinimizeAnimation() override;
    void SetMinimizeAnimation(bool on) override;
    port::MenuId GetSystemMenu(port::WindowId window, bool revert) override;
    bool InsertMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                    const std::string& text) override;
    bool DeleteMenu(port::MenuId menu, std::uint32_t position, std::uint32_t flags) override;
    std::uint32_t CheckMenuItem(port::MenuId menu, std::uint32_t id, std::uint32_t flags) override;
    port::IconId LoadIconFile(const std::string& path) override;
    port::IconId ApplicationIcon() override;
    void DestroyIcon(port::IconId icon) override;
    port::WindowId CreateTrayWindow(port::TrayWindowProc proc) override;
    void DestroyTrayWindow(port::WindowId window) override;
    bool PostTrayMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                         std::intptr_t lparam) override;
    std::uint32_t RegisterMessage(const std::string& name) override;
    port::WindowId ParkingWindow() override;
    bool HasParkingWindow() override { return parking_.Get() != nullptr; }
    bool IsIconic(port::WindowId window) override;
    bool KeyDown(int virtualKey) override;
    port::IconId CopyIcon(port::IconId icon) override;
    port::IconId LoadIconResource(const std::string& name) override;

  private:
    port::IconId Keep(HICON icon);

    std::map<port::IconId, OwnedIcon> icons_;
    // The procedure of each tray window, reached through the window's user data.
    std::map<HWND, std::unique_ptr<port::TrayWindowProc>> trayWindows_;
    OwnedWindow parking_;
};

}  // namespace win32
