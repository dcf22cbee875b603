#include "cmdline/help_text.h"

#include <array>
#include <string_view>

namespace cmdline {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr size_t kMsdosLine = 22;  // 0-based
constexpr size_t kShortLines = 26;

constexpr std::array<std::string_view, 32> kLines = {
    "Ravelin - Commandline / Shortcut Parameter Syntax Information:",
    "--------------------------------------------------------------------",
    "(All Commandline path- and filenames must be in MS-DOS convention!)",
    "",
    "RVLN.EXE [<options>] [<commands>]",
    "",
    "options:  (... always overwriting settings made in window session!)",
    "--------",
    "{[/RUN:<application>[+<parameters>]] - run application + parameters, + optionally:",
    " [/NOMESSAGE[:<x>]] - no warning, if started another application, x = wait in ms,}",
    "",
    "[/SAFE] - displays \"Are you sure?\" safety-question.",
    "",
    "commands: (... always overwriting settings made in window session!)",
    "---------",
    "[/SHUTDOWN]  - shut down the system (and power it off),",
    "[/REBOOT]    - shut down and then reboot the system,",
    "[/RELOG]     - relog into the system (... with a different account),",
    "[/FSHUTDOWN] - shut down the system with force closing running tasks before,",
    "[/FREBOOT]   - shut down and then reboot the system with force,",
    "[/FRELOG]    - relog into the system with force closing running tasks before,",
    "[/POWEROFF]  - power off the system (APM or battery supported systems on Win95),",
    "[/MSDOS]     - shut down into MS-DOS mode (Win95), or open a MS-DOS window session (NT),",
    "[/RESTART]   - restart Windows 95/98, without rebooting the computer,",
    "",
    "[/?] or [/HELP] or [/H] - displays this help screen.",
    "",
    "Remarks:",
    "--------",
    "Shutting down by countdown, empty directories, or ejection/retraction of devices,",
    "are not available from Commandline. The type/size of the EventLog is dependent of",
    "what you have specified in a window session as a system-wide setting.",
};

// The box names both systems that have an MS-DOS mode.
constexpr std::string_view kShortMsdosLine =
    "[/MSDOS]     - shut down into MS-DOS mode (Win95/98), or open a MS-DOS window session (NT),";

}  // namespace

std::string HelpFileText() {
    std::string text;
    for (std::string_view line : kLines) {
        text += line;
        text += kLineBreak;
    }
    return text;
}

std::string ShortHelpText() {
    std::string text;
    for (size_t i = 0; i < kShortLines; ++i) {
        if (i > 0) text += kLineBreak;
        text += i == kMsdosLine ? kShortMsdosLine : kLines[i];
    }
    return text;
}

}  // namespace cmdline
