#include "shutdown/force_checks.h"

#include "lib/messages.h"
#include "lib/text.h"

namespace shutdown {
namespace {

constexpr int kClassNameChars = 64;
constexpr const char* kInfoHead = "INFO: This shutdown-option does not work, because:\r\r";

struct Guarded {
    const char* className;
    bool prefix;  // the first three characters decide
    bool win9xOnly;
    bool oncePerCall;
    const char* message;
};

constexpr Guarded kGuarded[] = {
    {"SCBNCH32", false, false, false,
     "ADAPTEC SCSIBench\xC2\xAE is active!\r\rPlease close SCSIBench, before using a FORCE option!\rThis is "
     "a "
     "safety function to avoid getting a corrupt hard-\rdisk, if forcing SCSIBench to close!"},
    {"REGEDIT_REGEDIT", false, false, false,
     "MICROSOFT Registration-Editor is active!\r\rPlease close the Registration-Editor, before using a FORCE "
     "option!\rThis is a safety function to avoid getting a corrupt registration, if\rforcing the "
     "Registration-Editor to close!"},
    {"MSDEFRAGWCLASS1", false, true, false,
     "MICROSOFT Defrag is active!\r\rPlease close Defrag, before using a FORCE option!\rThis is a safety "
     "function "
     "to avoid getting a corrupt par-\rtition, if forcing Defrag to close!"},
    {"SDWMAINDLG", false, true, true,
     "NORTON SpeedDisk\xC2\xAE is active!\r\rPlease close SpeedDisk, before using a FORCE option!\rThis is a "
     "safety function to avoid getting a corrupt par-\rtition, if forcing SpeedDisk to close!"},
    {"DVP", true, true, false,
     "DVP, a known resident program which prevents from\rshutting down, is active!\r\rPlease unload DVP from "
     "your "
     "System (-Tray) and\rthen try to shut down with > FORCE <."},
};

struct AuxWindow {
    const char* className;
    std::uint32_t message;
};

constexpr AuxWindow kNormal9x[] = {{"CFAXMNG", port::kWmClose}, {"TTY", port::kWmQuit}};
constexpr AuxWindow kNormalNt[] = {{"CFAXMNG", port::kWmClose}, {"CONSOLEWINDOWCLASS", port::kWmQuit}};
constexpr AuxWindow kForce9x[] = {
    {"WINPOPUP", port::kWmDestroy}, {"TTY", port::kWmQuit}, {"CFAXMNG", port::kWmClose}};
constexpr AuxWindow kForceNt[] = {{"CONSOLEWINDOWCLASS", port::kWmQuit}, {"CFAXMNG", port::kWmClose}};

std::string ClassOf(port::Platform& os, port::WindowId window) {
    return lib::AsciiUpper(os.windows.ClassName(window, kClassNameChars));
}

}  // namespace

void WalkWindows(port::Platform& os, const std::function<void(port::WindowId, const std::string&)>& visit) {
    os.windows.SetForegroundWindow(os.windows.ApplicationWindow());
    // The next window is taken before the visit: a window asked to close there is gone after
    // it, and the walk could not go on from its handle.
    port::WindowId next = 0;
    for (port::WindowId current = os.windows.FirstWindow(); current != 0; current = next) {
        next = os.windows.NextWindow(current);
        const std::string name = ClassOf(os, current);
        if (!name.empty() && name[0] == '#') continue;
        visit(current, name);
    }
}

bool IsForceBlocked(port::Platform& os, app::OsKind kind, bool showMessages) {
    bool blocked = false;
    bool speedDiskReported = false;
    const bool win9x = app::IsWin9x(kind);
    WalkWindows(os, [&](port::WindowId, const std::string& name) {
        for (const Guarded& g : kGuarded) {
            if (g.win9xOnly && !win9x) continue;
            const bool match = g.prefix ? name.compare(0, 3, g.className) == 0 : name == g.className;
            if (!match) continue;
            blocked = true;
            if (g.oncePerCall) {
                if (speedDiskReported) break;
                speedDiskReported = true;
            }
            if (showMessages) lib::ShowInformation(os.dialogs, std::string(kInfoHead) + g.message);
            break;
        }
    });
    return blocked;
}

void PreCloseWindows(port::Platform& os, app::OsKind kind, CloseFamily family) {
    const bool win9x = app::IsWin9x(kind);
    const AuxWindow* rows;
    size_t count;
    if (family == CloseFamily::Normal) {
        rows = win9x ? kNormal9x : kNormalNt;
        count = win9x ? std::size(kNormal9x) : std::size(kNormalNt);
    } else {
        rows = win9x ? kForce9x : kForceNt;
        count = win9x ? std::size(kForce9x) : std::size(kForceNt);
    }
    WalkWindows(os, [&](port::WindowId window, const std::string& firstName) {
        int counter = 10;
        std::string name = firstName;
        for (size_t i = 0; i < count; ++i) {
            while (name == rows[i].className && counter > 0) {
                os.windows.PostMessage(window, rows[i].message, 0, 0);
                os.loop.ProcessMessages();
                os.loop.Sleep(250);
                --counter;
                name = ClassOf(os, window);
            }
        }
    });
}

}  // namespace shutdown
