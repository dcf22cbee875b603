#include "shutdown/ask_choices.h"

#include "lib/text.h"
#include "log/log_format.h"
#include "shutdown/methods.h"

namespace shutdown {
namespace {

constexpr int kForceEntries = 3;
constexpr int kFirstForce = 3;

bool IsForceText(const std::string& text) {
    return lib::AsciiUpper(text).find("FORCE") != std::string::npos;
}

}  // namespace

AskChoices BuildAskChoices(const std::vector<std::string>& listTexts, int askEntry, bool forceBlocked) {
    AskChoices choices;
    for (size_t i = 0; i < listTexts.size(); ++i) {
        if (static_cast<int>(i) == askEntry) continue;
        if (forceBlocked && IsForceText(listTexts[i])) {
            choices.forceRemoved = true;
            continue;
        }
        choices.texts.push_back(eventlog::CompactMethodText(listTexts[i]));
    }
    return choices;
}

int FullPosition(int radio, bool forceRemoved) {
    if (radio < 0) return -1;
    return forceRemoved && radio >= kFirstForce ? radio + kForceEntries : radio;
}

int RadioForStored(int stored, bool forceRemoved, int count) {
    int radio = stored;
    if (forceRemoved && stored >= kFirstForce) {
        radio = stored < kFirstForce + kForceEntries ? 0 : stored - kForceEntries;
    }
    return radio >= 0 && radio < count ? radio : 0;
}

int AskMethodCode(app::OsKind kind, int full) {
    static constexpr int kCodes[8] = {METHOD_SHUTDOWN,       METHOD_REBOOT,       METHOD_LOGOFF,
                                      METHOD_FORCE_SHUTDOWN, METHOD_FORCE_REBOOT, METHOD_FORCE_LOGOFF,
                                      METHOD_POWEROFF,       METHOD_TEST};
    if (full >= 0 && full < 8) return kCodes[full];
    const bool win9x = app::IsWin9x(kind);
    if (full == 8) return win9x ? METHOD_MSDOS : METHOD_NT_CONSOLE;
    if (full == 9 && win9x) return METHOD_RESTART_WINDOWS;
    return -1;
}

std::string AskDescription(app::OsKind kind, int full) {
    const bool win9x = app::IsWin9x(kind);
    switch (full) {
        case 0:
            return win9x ? "Shutdown (+ PowerOFF) the system normally." : "Shutdown the system normally.";
        case 1:
            return "Shutdown and then reboot the system normally.";
        case 2:
            return "Relog into the system without rebooting.";
        case 3:
            return win9x ? "Shut down (+ PowerOFF) very fast." : "Shut down very fast.";
        case 4:
            return "Reboot very fast.";
        case 5:
            return "Relog very fast.";
        case 6:
            return "Soft-Initiated Power OFF (Standby-Mode).";
        case 7:
            return "... for testing purposes ...";
        case 8:
            return "Shut down into MS-DOS compatibility-mode.";
        case 9:
            return win9x ? "Restart Windows without rebooting the computer!" : "";
        default:
            return "";
    }
}

int AskLogCode(int code, int full) {
    switch (code) {
        case METHOD_MSDOS:
            return 8;
        case METHOD_NT_CONSOLE:
            return 9;
        case METHOD_RESTART_WINDOWS:
            return 10;
        default:
            return full;
    }
}

}  // namespace shutdown
