#pragma once
// The shutdown splash screens of Windows 95/98: LOGOW.SYS ("Please wait while your computer
// shuts down") and LOGOS.SYS ("It's now safe to turn off your computer") in the Windows folder.
// Windows shows neither while it goes by its disabled name.
#include <string>
#include <string_view>
#include "ports/platform.h"

namespace sysopts {

// The first eight characters of the name followed by "!": "LOGOW.SY!".
std::string DisabledSplashName(std::string_view fileName);

// Gives fileName its disabled name (disable) or its own name back. A file that already has
// both names is kept under a numbered backup name ("LOGOW.000") and the user is told where.
// A failed rename leaves both files as they were and is reported; quiet leaves an unknown
// Windows folder unreported.
void SetSplashScreen(port::Platform& os, std::string_view fileName, bool disable, bool quiet);

}  // namespace sysopts
