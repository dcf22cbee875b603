#pragma once
// The binding between native windows and the objects behind them. Windows of the program's own
// classes carry their object from creation on (bound at WM_NCCREATE); standard controls
// are subclassed. Either way the program keeps which object a window belongs to, so that a parent
// can hand a child's notifications to the child's object.
#include <windows.h>

namespace win32 {

class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    // hwnd is passed along because the first messages arrive before CreateWindowEx returns.
    virtual LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) = 0;
};

// Registers a class whose windows send their messages to the target given at creation. A class
// that is registered already counts as success.
bool RegisterOwnClass(HINSTANCE instance, const wchar_t* name, UINT style, HBRUSH background, HICON icon);

HWND CreateOwnWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, RECT bounds,
                     HWND parent, HMENU menuOrId, HINSTANCE instance, MessageTarget* target);

// Routes the messages of a standard control to target first; the target passes on what it does
// not handle with CallOriginal.
void Subclass(HWND hwnd, MessageTarget* target);
LRESULT CallOriginal(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// From now on the window gets default processing only (its object is going away).
void Unbind(HWND hwnd);

// Names target as the object of a window that is neither subclassed nor of an own class (the
// arrows of a spin edit report through their edit's object).
void Associate(HWND hwnd, MessageTarget* target);
void Dissociate(HWND hwnd);

// The object behind a window of this program, or null.
MessageTarget* TargetOf(HWND hwnd);

}  // namespace win32
