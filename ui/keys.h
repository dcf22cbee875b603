#pragma once
// Virtual-key codes and shift states as the window's key handler sees them.
#include <cstdint>

namespace ui {

using Key = std::uint16_t;

enum : Key {
    kVkBack = 0x08,
    kVkTab = 0x09,
    kVkReturn = 0x0D,
    kVkShift = 0x10,
    kVkControl = 0x11,
    kVkMenu = 0x12,
    kVkEscape = 0x1B,
    kVkSpace = 0x20,
    kVkLeft = 0x25,
    kVkUp = 0x26,
    kVkRight = 0x27,
    kVkDown = 0x28,
    kVk0 = 0x30,
    kVk9 = 0x39,
    kVkA = 0x41,
    kVkZ = 0x5A,
    kVkF1 = 0x70,
};

enum ShiftState : std::uint8_t { kShiftNone = 0, kShift = 1, kAlt = 2, kCtrl = 4 };
inline ShiftState operator|(ShiftState a, ShiftState b) {
    return ShiftState(std::uint8_t(a) | std::uint8_t(b));
}

// A menu shortcut: key plus modifiers; key 0 = none.
struct ShortCut {
    Key key = 0;
    ShiftState shift = kShiftNone;
    bool operator==(const ShortCut&) const = default;
};

inline ShortCut Ctrl(char letter) {
    return ShortCut{Key(letter), kCtrl};
}

}  // namespace ui
