// /RUN and /NOMESSAGE: an application started before the command, and the wait after it; the
// search for the program inside a command text.
#include "cmdline/run_application.h"

#include <cstdint>
#include <string>
#include "app/program_state.h"
#include "cmdline/command_line.h"
#include "cmdline/options.h"
#include "lib/files.h"
#include "lib/messages.h"
#include "lib/text.h"
#include "shutdown/launch_file.h"

namespace cmdline {
namespace {

constexpr const char* kStartedWarning =
    "WARNING: You have started another application!\r\rIf you answer OK, then Ravelin will continue\rwith "
    "the selected shutdown event! Otherwise it will\rcontinue running, as if nothing has happend.\r\rTo "
    "suspend this message, you can start RVLN with\rthe (commandline/shortcut) option: /NOMESSAGE[:x]\rwhere "
    "<colon!> x is a numeric value from 0 to 65535 in\rmilliseconds, that lets RVLN wait before shut down!";

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool NamesProgram(port::FilePort& files, const std::string& path) {
    return HasDrive(path) && lib::FileExists(files, path);
}

// The oldest rule, kept for commands that glue the parameters to the program: the last path
// component before the second colon grows a character at a time until it names a file.
SplitResult SplitByCharacters(port::FilePort& files, const std::string& text) {
    SplitResult result;
    const size_t firstColon = text.find(':');
    if (firstColon == std::string::npos) return result;
    const size_t secondColon = text.find(':', firstColon + 1);
    const std::string search = secondColon == std::string::npos ? text : text.substr(0, secondColon);
    const size_t slash = search.rfind('\\');
    const size_t folderEnd = slash == std::string::npos ? 0 : slash + 1;
    for (size_t end = folderEnd + 1; end <= search.size(); ++end) {
        const std::string candidate = search.substr(0, end);
        if (NamesProgram(files, candidate)) {
            result.found = true;
            result.program = candidate;
            result.parameters = lib::Trim(text.substr(end));
            return result;
        }
    }
    return result;
}

}  // namespace

SplitResult SplitCommand(port::FilePort& files, const std::string& command) {
    SplitResult result;
    const std::string text = lib::Trim(command);
    if (!text.empty() && text.front() == '"') {
        const size_t close = text.find('"', 1);
        const std::string program =
            text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (NamesProgram(files, program)) {
            result.found = true;
            result.program = program;
            if (close != std::string::npos) result.parameters = lib::Trim(text.substr(close + 1));
        }
        return result;
    }
    // Runs end at a blank, so a file "C:\TOOLS\RUN" beside RUN.EXE never stands in for it, and a
    // "\" among the parameters cannot draw the search into them. Shortest first; the longer runs
    // find programs in folders with blanks.
    for (size_t end = text.find(' ');; end = text.find(' ', end + 1)) {
        const std::string candidate = text.substr(0, end);
        if (NamesProgram(files, candidate)) {
            result.found = true;
            result.program = candidate;
            result.parameters = end == std::string::npos ? std::string() : lib::Trim(text.substr(end));
            return result;
        }
        if (end == std::string::npos) break;
    }
    return SplitByCharacters(files, text);
}

bool RunCommandLineApplication(app::ProgramState& program, int position) {
    port::Platform& os = program.os;
    const RunOption run = ParseRunOption(program.params.Get(position));
    if (!run.given) return true;

    // A missing file is no reason to stop a batch job that shuts down afterwards.
    if (lib::FileExists(os.files, run.application)) {
        const shutdown::LaunchResult launched =
            shutdown::LaunchFile(os, run.application, run.parameters, "open", port::kSwShowNormal);
        // ShellExecute's failure code is the thread's last error at that moment; read after the
        // box LaunchFile has shown, the last error would describe the box instead.
        if (!launched.ok) {
            lib::ShowError(os.dialogs, "ERROR: Unable to run: " + run.application + " " + run.parameters +
                                           "\r\rGetLastError = " + std::to_string(launched.raw));
        }
    }

    bool goOn = true;
    std::uint32_t wait = 0;
    if (FindOption(program.params, "/NOMESSAGE").found) {
        wait = NoMessageWait(program.params);
    } else {
        goOn = os.dialogs.MessageBox(kStartedWarning, "Confirm", port::kMbOkCancel | port::kMbIconQuestion) ==
               port::kIdOk;
    }
    os.loop.Sleep(wait & 0xFFFF);
    return goOn;
}

}  // namespace cmdline
