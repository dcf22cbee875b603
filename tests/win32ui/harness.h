#pragma once
// Helpers the checks share: pumping the loop, reading native windows, simulated input.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include "ui/widget.h"
#include "win32/ui/loop.h"

namespace harness {

// The loop every check pumps.
win32::Win32Loop& Loop();
void SetLoop(win32::Win32Loop& loop);

// Handles pending messages for about ms milliseconds.
void Pump(DWORD ms);
// Pumps until done() holds or timeoutMs passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000);

HWND Hwnd(const ui::Widget& widget);
std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
// The window's bounds in its parent's client area.
ui::Rect RelativeBounds(HWND hwnd);
// The colour on screen at a point of the window's client area (after it has painted).
COLORREF Pixel(HWND hwnd, int x, int y);
bool HasName(HWND hwnd, const std::string& name);

// Real keyboard input through the system queue: modifiers down, key down and up, modifiers up.
void Press(WORD key, std::initializer_list<WORD> modifiers = {});
// A click at a point of the window's client area, sent as the mouse would.
void Click(HWND hwnd, int x, int y);

}  // namespace harness
