#pragma once
// The top-level windows of the desktop in z-order, topmost first. The program's own application
// window ("TApplication") is one of them and starts on top. Each window reacts to a posted
// WM_CLOSE, WM_QUIT or WM_DESTROY as set up: it ignores the message, or it closes after that
// many of them. A closed window leaves the z-order and its handle turns invalid, so the calls on
// it fail as on Windows (GetWindow gives 0, GetClassName nothing, PostMessage false).
// Messages posted to the application window go to the program's own message loop.
#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include "ports/foreign_windows_port.h"
#include "sim/errors.h"

namespace sim {

class SimLoop;

struct PostedMessage {
    port::WindowId window = 0;
    std::string className;
    std::uint32_t msg = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
    std::uint64_t atMs = 0;  // virtual time of the post
    bool delivered = false;  // false when the handle was invalid
};

class SimForeignWindows : public port::ForeignWindowsPort {
  public:
    explicit SimForeignWindows(SimLoop& loop);

    port::WindowId ApplicationWindow() override { return application_; }
    bool SetForegroundWindow(port::WindowId window) override;
    port::WindowId FirstWindow() override { return zOrder_.empty() ? 0 : zOrder_.front(); }
    port::WindowId NextWindow(port::WindowId window) override;
    std::string ClassName(port::WindowId window, int maxChars) override;
    bool PostMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                     std::intptr_t lparam) override;

    // Set-up. A new window goes to the bottom of the z-order, or on top when asked.
    port::WindowId AddWindow(const std::string& className, bool onTop = false);
    // The window closes once it has received this many of msg (0: it ignores them).
    void CloseAfter(port::WindowId window, std::uint32_t msg, int posts = 1);
    void Close(port::WindowId window);
    port::WindowId DesktopWindow() const { return desktop_; }
    // Windows' foreground lock: SetForegroundWindow fails and raises nothing, as when another
    // program has the focus while a timer or hotkey acts.
    bool foregroundLocked = false;

    // Observation.
    bool Alive(port::WindowId window) const;
    std::vector<port::WindowId> ZOrder() const { return zOrder_; }
    port::WindowId Foreground() const { return foreground_; }
    std::vector<port::WindowId> foregroundCalls;
    std::vector<PostedMessage> posted;
    std::vector<PostedMessage> PostedTo(port::WindowId window) const;
    std::uint32_t LastError() const { return lastError_; }

  private:
    struct Window {
        std::string className;
        std::map<std::uint32_t, int> closeAfter;  // message -> posts still needed
    };

    SimLoop& loop_;
    std::map<port::WindowId, Window> windows_;  // live windows
    std::vector<port::WindowId> zOrder_;
    port::WindowId next_ = 0x10020;
    const port::WindowId desktop_ = 0x10010;
    port::WindowId application_ = 0;
    port::WindowId foreground_ = 0;
    std::uint32_t lastError_ = 0;
};

}  // namespace sim
