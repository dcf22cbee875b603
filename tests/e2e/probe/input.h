#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

// Windows of another process only take real input once their top-level window is in front.
bool BringToFront(HWND hwnd);

// A key given as one character ("X", "5"), a name ("RETURN", "F1", "ESCAPE") or a number.
std::optional<WORD> ParseVirtualKey(std::wstring_view text);

struct Modifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Typed through the system's input queue, as a keyboard would, so the target also sees the
// modifier state in GetKeyState.
bool SendKey(WORD vk, Modifiers mods);
bool SendUnicodeText(std::wstring_view text);
bool SendMouseClick(POINT screen, bool right, bool twice);
