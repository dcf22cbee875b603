// The program entry: the Win32 adapters of every port, the message loop and the widget backend,
// handed to the portable program as one platform.
#include "win32/ports/win_api.h"

#include <commctrl.h>

#include "app/program.h"
#include "ports/platform.h"
#include "win32/ports/atoms.h"
#include "win32/ports/devices.h"
#include "win32/ports/dialogs.h"
#include "win32/ports/event_log.h"
#include "win32/ports/feedback.h"
#include "win32/ports/files.h"
#include "win32/ports/foreign_windows.h"
#include "win32/ports/hotkeys.h"
#include "win32/ports/proc.h"
#include "win32/ports/registry.h"
#include "win32/ports/session.h"
#include "win32/ports/shell.h"
#include "win32/ports/system_info.h"
#include "win32/ports/taskbar.h"
#include "win32/ui/backend.h"
#include "win32/ui/loop.h"

namespace {

// Windows 95 without a newer common-controls library has only InitCommonControls.
void InitControls() {
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    InitCommonControls();
    auto initEx = win32::LoadProc<InitEx>(L"comctl32.dll", "InitCommonControlsEx");
    if (!initEx) return;
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    initEx(&classes);
    // Version 6 only; older versions refuse the unknown flag, which costs nothing.
    classes.dwICC = ICC_STANDARD_CLASSES;
    initEx(&classes);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    InitControls();
    win32::Win32Loop loop;
    win32::Win32Backend backend(loop);
    win32::WindowSource applicationWindow = [&backend] { return backend.AppWindow(); };
    // The hotkeys belong to the main form, whose messages the program's hook sees.
    win32::WindowSource mainWindow = [&backend] { return backend.MainFormWindow(); };

    win32::Win32Session session;
    win32::Win32ForeignWindows windows(applicationWindow);
    win32::Win32Shell shell;
    win32::Win32SystemInfo system;
    win32::Win32Atoms atoms;
    win32::Win32Registry registry;
    win32::Win32EventLog eventLog;
    win32::Win32Hotkeys hotkeys(mainWindow);
    win32::Win32Taskbar taskbar;
    win32::Win32Devices devices;
    win32::Win32Files files;
    win32::Win32Feedback feedback(applicationWindow);
    win32::Win32Dialogs dialogs(applicationWindow);

    port::Platform platform{session, windows, shell, system,   atoms, registry, eventLog, hotkeys,
                            taskbar, devices, files, feedback, loop,  dialogs,  backend};
    return app::RunProgram(platform);
}
