#include "win32/ports/hotkeys.h"

namespace win32 {

// The port's modifier bits are MOD_ALT, MOD_CONTROL and MOD_SHIFT by value.
static_assert(port::kModAlt == MOD_ALT && port::kModControl == MOD_CONTROL && port::kModShift == MOD_SHIFT);

bool Win32Hotkeys::RegisterHotKey(int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
    return ::RegisterHotKey(WindowFrom(window_), id, modifiers, virtualKey) != FALSE;
}

bool Win32Hotkeys::UnregisterHotKey(int id) {
    return ::UnregisterHotKey(WindowFrom(window_), id) != FALSE;
}

}  // namespace win32
