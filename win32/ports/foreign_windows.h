#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>

#include "ports/foreign_windows_port.h"
#include "win32/ports/ids.h"

namespace win32 {

class Win32ForeignWindows final : public port::ForeignWindowsPort {
  public:
    explicit Win32ForeignWindows(WindowSource applicationWindow)
        : applicationWindow_(std::move(applicationWindow)) {}

    port::WindowId ApplicationWindow() override { return ToWindowId(WindowFrom(applicationWindow_)); }
    bool SetForegroundWindow(port::WindowId window) override;
    port::WindowId FirstWindow() override;
    port::WindowId NextWindow(port::WindowId window) override;
    // maxChars is the buffer size as GetClassName takes it, terminating NUL included.
    std::string ClassName(port::WindowId window, int maxChars) override;
    bool PostMessage(port::WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                     std::intptr_t lparam) override;

  private:
    WindowSource applicationWindow_;
};

}  // namespace win32
