// Methods given on the command line: no window, no watchdog task, no saved settings.
#include "app/method_list.h"
#include "app/program_state.h"
#include "cmdline/options.h"
#include "lib/messages.h"
#include "lib/text.h"
#include "log/shutdown_log.h"
#include "shutdown/engine.h"
#include "shutdown/force_checks.h"
#include "shutdown/methods.h"

namespace shutdown {
namespace {

const char* SafeQuestion(std::uint8_t method, bool win9x) {
    switch (method) {
        case 0:
            return "Do you really want to shutdown?";
        case 1:
            return "Do you really want to shutdown\rand reboot the system?";
        case 2:
            return "Do you really want to log off\rand relog (under a new name)?";
        case 3:
            return "Do you really want to shutdown and force\rclosing all running applications?\r\r(UNSAVED "
                   "DATA "
                   "WILL BE LOST!)";
        case 4:
            return "Do you really want to shutdown and reboot\rand force closing all running "
                   "applications?\r\r"
                   "(UNSAVED DATA WILL BE LOST!)";
        case 5:
            return "Do you really want to log off and relog\r(under a new name) and force closing "
                   "all\rrunning "
                   "applications?\r\r(UNSAVED DATA WILL BE LOST!)";
        case 6:
            return "Do you really want to power off the system?\r\r(It only works, if it is supported by "
                   "your\r"
                   "systems BIOS! Otherwise unforeseen ... but\rnot dangerous ... things can happen.)";
        case 7:
            return win9x ? "Do you really want to exit to MS-DOS mode?"
                         : "Do you really want to open a\rWindows\xC2\xAE NT MS-DOS window?";
        default:
            return "Do you really want to exit to MS-DOS mode?";
    }
}

}  // namespace

bool Engine::ExecuteCommandLineMethod(std::uint8_t method) {
    port::Platform& os = program_.os;
    const bool win9x = app::IsWin9x(program_.osKind);
    state.triggerKind = TRIGGER_COMMAND_LINE;
    if (method > 8 || (method == 8 && !win9x)) return false;

    const cmdline::OptionHit safe = cmdline::FindOption(program_.params, "/SAFE");
    if (safe.found && lib::AsciiUpper(program_.params.Get(safe.position)) == "/SAFE" &&
        !lib::Confirm(os.dialogs, SafeQuestion(method, win9x))) {
        program_.exitCode = app::kExitDeclined;
        return false;
    }
    program_.exitCode = app::kExitDone;

    static constexpr std::uint8_t kCodes[7] = {
        METHOD_SHUTDOWN,     METHOD_REBOOT,       METHOD_LOGOFF,  METHOD_FORCE_SHUTDOWN,
        METHOD_FORCE_REBOOT, METHOD_FORCE_LOGOFF, METHOD_POWEROFF};
    std::uint8_t code;
    int logCode;
    if (method < 7) {
        code = kCodes[method];
        logCode = method;
    } else if (method == 7) {
        code = win9x ? METHOD_MSDOS : METHOD_NT_CONSOLE;
        logCode = win9x ? 8 : 9;
    } else {
        code = METHOD_RESTART_WINDOWS;
        logCode = 10;
    }
    state.currentLogCode = logCode;
    const std::vector<std::string> texts = app::MethodListTexts(program_.osKind);
    state.commandLineMethodName = logCode < static_cast<int>(texts.size()) ? texts[logCode] : std::string();

    if (code < 20) {
        state.commandLineRun = true;
        const bool ok = EndSession(code);
        state.commandLineRun = false;
        if (!ok) {
            program_.exitCode = app::kExitRefused;
            ReportNotAble(code);
        }
        ProgramEnd(false);
        return true;
    }
    if (code == METHOD_RESTART_WINDOWS) PrepareRestart();
    eventlog::WriteShutdownLogEntry(program_);
    if (win9x) PreCloseWindows(os, program_.osKind, CloseFamily::Force);
    if (code == METHOD_RESTART_WINDOWS) {
        StartExitPif();
    } else {
        StartDosMode();
    }
    ProgramEnd(false);
    return true;
}

}  // namespace shutdown
