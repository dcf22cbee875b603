// /RUN and /NOMESSAGE: an application started before the command, and the wait after it.
#include <cstdint>
#include <string>
#include "app/program_state.h"
#include "cmdline/command_line.h"
#include "cmdline/options.h"
#include "lib/files.h"
#include "lib/messages.h"
#include "shutdown/launch_file.h"

namespace cmdline {
namespace {

constexpr const char* kStartedWarning =
    "WARNING: You have started another application!\r\rIf you answer OK, then Ravelin will continue\rwith "
    "the selected shutdown event! Otherwise it will\rcontinue running, as if nothing has happend.\r\rTo "
    "suspend this message, you can start RVLN with\rthe (commandline/shortcut) option: /NOMESSAGE[:x]\rwhere "
    "<colon!> x is a numeric value from 0 to 65535 in\rmilliseconds, that lets RVLN wait before shut down!";

}  // namespace

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
