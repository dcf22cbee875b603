#pragma once
// The command line at start-up: options, a command carried out without a window, the help text.
namespace app {
struct ProgramState;
}

namespace cmdline {

// False when the program must end (a command ran, help was shown, a parameter was refused).
bool ProcessCommandLine(app::ProgramState& program);

}  // namespace cmdline
