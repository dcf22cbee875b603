#include "dirs/empty_dirs.h"

#include "app/program_state.h"

namespace dirs {

// The directory list arrives with directory emptying; until then no directory is listed.
void EmptyDirectoriesNow(app::ProgramState&) {}

}  // namespace dirs
