#include "cmdline/command_line.h"

#include "app/program_state.h"

namespace cmdline {

// Option words and commands arrive with the command-line processor; until then every
// parameter is left to the start-up steps that look at it ("/T", "/S", "/Q").
bool ProcessCommandLine(app::ProgramState&) {
    return true;
}

}  // namespace cmdline
