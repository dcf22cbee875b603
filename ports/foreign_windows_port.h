#pragma once
// Windows of other programs: walking the z-order, class names, posting messages.
#include <cstdint>
#include <string>
#include "ports/types.h"

namespace port {

class ForeignWindowsPort {
  public:
    virtual ~ForeignWindowsPort() = default;
    // This program's application window (the owner of its taskbar button).
    virtual WindowId ApplicationWindow() = 0;
    virtual bool SetForegroundWindow(WindowId window) = 0;
    // The topmost top-level window: the first child of the desktop (GetWindow GW_CHILD).
    virtual WindowId FirstWindow() = 0;
    virtual WindowId NextWindow(WindowId window) = 0;                  // GetWindow(window, GW_HWNDNEXT)
    virtual std::string ClassName(WindowId window, int maxChars) = 0;  // GetClassNameA; empty on failure
    virtual bool PostMessage(WindowId window, std::uint32_t msg, std::uintptr_t wparam,
                             std::intptr_t lparam) = 0;
};

}  // namespace port
