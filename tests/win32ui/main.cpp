// ui_tests.exe: builds forms with every kind of control of the widget model, shows them under the
// real window system and checks that the native controls follow the model and that the user's
// input reaches it. Prints one line per failed check and "N passed, N failed".
// --ready FILE: once the form is complete, creates FILE and waits (up to a minute) until it is
// deleted, so that a runner can take a screenshot.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/demo.h"
#include "tests/win32ui/harness.h"
#include "ui/application.h"
#include "win32/ui/backend.h"
#include "win32/ui/loop.h"

namespace {

void WaitForScreenshot(const std::wstring& ready) {
    HANDLE file = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        check::Record(false, "ready file created");
        return;
    }
    CloseHandle(file);
    harness::PumpUntil([&ready] { return GetFileAttributesW(ready.c_str()) == INVALID_FILE_ATTRIBUTES; },
                       60000);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring ready;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wstring(argv[i]) == L"--ready") ready = argv[i + 1];
    }
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);

    win32::Win32Loop loop;
    harness::SetLoop(loop);
    win32::Win32Backend backend(loop);
    ui::Application app(loop, backend);
    app.SetTitle("Widget demo v1");

    demo::MainForm main;
    demo::ModalForm modal;
    main.form.Realize(backend);
    modal.form.Realize(backend);
    main.form.Show();
    harness::Pump(300);

    checks::Context context{main, modal, backend, loop, app};
    checks::Windows(context);
    checks::Lists(context);
    checks::Hints(context);
    checks::Menus(context);
    checks::FormBehaviour(context);
    checks::Input(context);
    checks::Keyboard(context);
    checks::Loop(context);
    checks::Modal(context);
    checks::ListsAndPictures(context);
    checks::PagesOnFirstShow(context);
    checks::TrayIcon(context);
    if (!ready.empty()) WaitForScreenshot(ready);
    checks::TrayIconGone(context);
    checks::Termination(context);

    std::printf("%d passed, %d failed\n", check::Passed(), check::Failed());
    std::fflush(stdout);
    return check::Failed() == 0 ? 0 : 1;
}
