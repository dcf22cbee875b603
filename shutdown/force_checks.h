#pragma once
// Programs that must not be killed by a FORCE method, and auxiliary windows that would stall the
// end of the session.
#include <functional>
#include <string>
#include "app/os_kind.h"
#include "ports/platform.h"

namespace shutdown {

enum class CloseFamily { Normal, Force };

// Visits the program's application window and every top-level window after it in z-order,
// skipping system classes ("#32770" and the like). The class name is upper case.
void WalkWindows(port::Platform& os, const std::function<void(port::WindowId, const std::string&)>& visit);

// True when a guarded program runs; with showMessages each one found is explained in a box.
bool IsForceBlocked(port::Platform& os, app::OsKind kind, bool showMessages);

// Asks the known auxiliary windows to close: at most ten messages a window, 250 ms apart.
void PreCloseWindows(port::Platform& os, app::OsKind kind, CloseFamily family);

}  // namespace shutdown
