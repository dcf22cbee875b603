#pragma once
// One instance per user. A named mutex decides whether an instance runs: it dies with a crashed
// or killed process, where the global atom named after the user outlives it. The atom is still
// added and deleted for the programs that look for it.
#include <string>
#include "ports/platform.h"

namespace app {

// "RVLN!-" and the user name without trailing blanks ("Empty Account" when there is none).
std::string InstanceAtomName(port::Platform& os);

struct ProgramState;
// Marks this instance; false when another instance of the user runs. Where no mutex can be
// made, the atom alone decides.
bool ClaimInstance(ProgramState& program);
// Removes the marks; an instance that starts afterwards runs.
void ReleaseInstance(ProgramState& program);

}  // namespace app
