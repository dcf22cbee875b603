#pragma once
// System-wide hotkeys of the main window. A hotkey arrives as kWmHotkey through the message hook.
#include <cstdint>

namespace port {

enum : std::uint32_t { kModAlt = 1, kModControl = 2, kModShift = 4 };

class HotkeyPort {
  public:
    virtual ~HotkeyPort() = default;
    // False when another application holds the combination (or the id is in use).
    virtual bool RegisterHotKey(int id, std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
    virtual bool UnregisterHotKey(int id) = 0;
};

}  // namespace port
