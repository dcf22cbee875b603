#include "cmdline/command_line.h"

#include <array>
#include <cstdint>
#include <string_view>
#include "app/program_state.h"
#include "cmdline/options.h"
#include "lib/messages.h"
#include "lib/text.h"

namespace cmdline {
namespace {

struct Command {
    std::string_view word;
    std::uint8_t method;  // the engine's command-line method number
};

// The order decides which command runs when several are given.
constexpr std::array<Command, 9> kCommands = {{{"/SHUTDOWN", 0},
                                               {"/REBOOT", 1},
                                               {"/RELOG", 2},
                                               {"/FSHUTDOWN", 3},
                                               {"/FREBOOT", 4},
                                               {"/FRELOG", 5},
                                               {"/POWEROFF", 6},
                                               {"/MSDOS", 7},
                                               {"/RESTART", 8}}};

constexpr const char* kUnsupportedSystem =
    "Sorry! - This version of Ravelin only\rworks with Windows 95 or Windows NT v3.5x.";

// A command counts only when the first parameter holding its word is that word alone.
bool GivenExactly(const Parameters& params, std::string_view word) {
    const OptionHit hit = FindOption(params, word);
    return hit.found && lib::AsciiUpper(params.Get(hit.position)) == word;
}

// The whole end of a command-line start: no window exists and nothing is saved.
bool End(app::ProgramState& program) {
    program.engine.ProgramEnd(false);
    return false;
}

}  // namespace

bool ProcessCommandLine(app::ProgramState& program) {
    port::Platform& os = program.os;
    const Parameters& params = program.params;

    if (program.osKind == app::osWin32s || program.osKind == app::osUnknown) {
        lib::ShowInformation(os.dialogs, kUnsupportedSystem);
        program.exitCode = app::kExitNotAllowed;
        return End(program);
    }

    const Validation validation = ValidateCommandLine(params);
    if (validation.found) {
        lib::ShowError(os.dialogs,
                       "ERROR: => I do not understand this parameter:\r\r\" " + validation.offending +
                           " \"\r\rPlease run RVLN with the \" /? \" parameter to get the syntax!");
        program.exitCode = app::kExitNotAllowed;
        return End(program);
    }

    // Only Windows 95/98 leave through MS-DOS mode and come back with this option.
    if (FindOption(params, "/DOSSTART").found && app::IsWin9x(program.osKind)) {
        program.engine.RestoreDosStart();
        return End(program);
    }

    // The first of the three searches that finds a parameter decides, so "/HX" asks for no help.
    for (std::string_view word : {"/?", "/HELP", "/H"}) {
        const OptionHit hit = FindOption(params, word);
        if (!hit.found) continue;
        const std::string upper = lib::AsciiUpper(params.Get(hit.position));
        if (upper == "/?" || upper == "/HELP" || upper == "/H") {
            ShowCommandLineHelp(program);
            return End(program);
        }
        break;
    }

    const OptionHit run = FindOption(params, "/RUN");
    if (run.found && !RunCommandLineApplication(program, run.position)) {
        program.exitCode = app::kExitDeclined;
        return End(program);
    }

    bool commandGiven = false;
    for (const Command& command : kCommands) {
        if (command.method == 8 && !app::IsWin9x(program.osKind)) continue;
        if (!GivenExactly(params, command.word)) continue;
        commandGiven = true;
        // The engine returns only when /SAFE was declined; then the next command is asked.
        if (program.engine.ExecuteCommandLineMethod(command.method)) return false;
    }
    if (commandGiven) return End(program);
    return true;
}

}  // namespace cmdline
