#pragma once
// The program: from the command line to the end of the message loop.
#include "ports/platform.h"

namespace app {

// Returns the process exit code.
int RunProgram(port::Platform& platform);

}  // namespace app
