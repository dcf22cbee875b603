#pragma once
// The command line at start-up: options, a command carried out without a window, the help text.
namespace app {
struct ProgramState;
}

namespace cmdline {

// False when the program must end (a command ran or was declined, help was shown, a parameter
// or the system was refused); the instance atom is then gone and nothing has been saved.
bool ProcessCommandLine(app::ProgramState& program);

// Starts the application of the /RUN parameter at position, then waits as /NOMESSAGE says or
// warns. False when the user chose Cancel in the warning.
bool RunCommandLineApplication(app::ProgramState& program, int position);

// Writes RVLNPARA.TXT into the program's folder and opens it in the text viewer, or shows the
// short help in a box when either fails. The program goes on either way.
void ShowCommandLineHelp(app::ProgramState& program);

}  // namespace cmdline
