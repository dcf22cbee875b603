#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>

#include "ports/hotkey_port.h"
#include "win32/ports/ids.h"

namespace win32 {

// The hotkeys belong to the main window, whose WM_HOTKEY the message hook sees.
class Win32Hotkeys final : public port::HotkeyPort {
  public:
    explicit Win32Hotkeys(WindowSource window) : window_(std::move(window)) {}

    bool RegisterHotKey(int id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
    bool UnregisterHotKey(int id) override;

  private:
    WindowSource window_;
};

}  // namespace win32
