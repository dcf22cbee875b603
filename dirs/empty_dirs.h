#pragma once
// Emptying the listed directories.
namespace app {
struct ProgramState;
}

namespace dirs {

// Empties the listed directories with the emptying dialog; nothing when none are listed.
void EmptyDirectoriesNow(app::ProgramState& program);

}  // namespace dirs
