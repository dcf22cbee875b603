#pragma once
// One instance per user: a global atom named after the user marks a running instance.
#include <string>
#include "ports/platform.h"

namespace app {

// "RVLN!-" and the user name without trailing blanks ("Empty Account" when there is none).
std::string InstanceAtomName(port::Platform& os);

}  // namespace app
