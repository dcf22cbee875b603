#pragma once
// Programs that must not be killed by a FORCE method, and auxiliary windows that would stall the
// end of the session.
#include <functional>
#include <string>
#include "app/os_kind.h"
#include "ports/platform.h"

namespace shutdown {

enum class CloseFamily { Normal, Force };

// Brings the program's application window to the front, then visits every top-level window from
// the top of the z-order, skipping system classes ("#32770" and the like). Windows may refuse to
// raise the window (its foreground lock, or a window above that stays on top), so the walk does
// not start at the program's own window. The class name is upper case.
void WalkWindows(port::Platform& os, const std::function<void(port::WindowId, const std::string&)>& visit);

// True when a guarded program runs; with showMessages each one found is explained in a box.
bool IsForceBlocked(port::Platform& os, app::OsKind kind, bool showMessages);

// Asks the known auxiliary windows to close: at most ten messages a window, 250 ms apart.
void PreCloseWindows(port::Platform& os, app::OsKind kind, CloseFamily family);

}  // namespace shutdown
