// The tray icon component under a real shell: the taskbar of Wine's explorer shows the icon with
// its tooltip and hands the mouse over the icon to the component's window.
#include "win32/ports/win_api.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "ports/platform.h"
#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"
#include "tray/xk_tray95.h"
#include "ui/menu.h"
#include "win32/handles.h"
#include "win32/ports/atoms.h"
#include "win32/ports/devices.h"
#include "win32/ports/dialogs.h"
#include "win32/ports/event_log.h"
#include "win32/ports/feedback.h"
#include "win32/ports/files.h"
#include "win32/ports/foreign_windows.h"
#include "win32/ports/hotkeys.h"
#include "win32/ports/registry.h"
#include "win32/ports/session.h"
#include "win32/ports/shell.h"
#include "win32/ports/system_info.h"
#include "win32/ports/taskbar.h"

namespace checks {

using check::Equal;
using check::Record;

namespace {

const char kTip[] = "Ravelin tray check";

// The program's adapters, bundled as the program bundles them.
struct Ports {
    explicit Ports(Context& c)
        : app([&c] { return c.backend.AppWindow(); }),
          main([&c] { return c.backend.MainFormWindow(); }),
          windows(app),
          hotkeys(main),
          feedback(app),
          dialogs(app),
          platform{session, windows, shell, system,   atoms,  registry, eventLog, hotkeys,
                   taskbar, devices, files, feedback, c.loop, dialogs,  c.backend} {}
    win32::WindowSource app, main;
    win32::Win32Session session;
    win32::Win32ForeignWindows windows;
    win32::Win32Shell shell;
    win32::Win32SystemInfo system;
    win32::Win32Atoms atoms;
    win32::Win32Registry registry;
    win32::Win32EventLog eventLog;
    win32::Win32Hotkeys hotkeys;
    win32::Win32Taskbar taskbar;
    win32::Win32Devices devices;
    win32::Win32Files files;
    win32::Win32Feedback feedback;
    win32::Win32Dialogs dialogs;
    port::Platform platform;
};

struct TrayState {
    explicit TrayState(Context& c) : ports(c), menu("TrayMenu"), item(&menu, "Item1", "&Open...") {}
    Ports ports;
    ui::PopupMenu menu;
    ui::MenuItem item;
    std::unique_ptr<tray::TXKTrayIcon95> icon;
    int clicks = 0, doubleClicks = 0;
    DWORD clickTick = 0;
};

std::unique_ptr<TrayState> state;

struct Tool {
    std::wstring text;
    RECT rect{};
};

BOOL CALLBACK CollectTooltip(HWND hwnd, LPARAM param) {
    auto& found = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == found.first && harness::ClassOf(hwnd) == "tooltips_class32") found.second.push_back(hwnd);
    return TRUE;
}

// The tools of explorer's tooltips: one per icon, with the tip and the icon's place in the tray.
// The records travel through memory inside explorer's process.
std::vector<Tool> TrayTools(HWND tray) {
    std::vector<Tool> tools;
    std::pair<DWORD, std::vector<HWND>> found{0, {}};
    GetWindowThreadProcessId(tray, &found.first);
    EnumWindows(CollectTooltip, reinterpret_cast<LPARAM>(&found));
    win32::OwnedHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, found.first));
    if (!process) return tools;
    constexpr SIZE_T kChars = 128;
    const SIZE_T size = sizeof(TTTOOLINFOW) + kChars * sizeof(wchar_t);
    auto* remote =
        static_cast<char*>(VirtualAllocEx(process.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    if (!remote) return tools;
    for (HWND tooltip : found.second) {
        const int count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TTTOOLINFOW info{};
            info.cbSize = sizeof(info);
            SIZE_T done = 0;
            if (!WriteProcessMemory(process.Get(), remote, &info, sizeof(info), &done)) continue;
            if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote))) continue;
            ReadProcessMemory(process.Get(), remote, &info, sizeof(info), &done);
            Tool tool{{}, info.rect};
            info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(info));
            wchar_t empty = 0;
            WriteProcessMemory(process.Get(), info.lpszText, &empty, sizeof(empty), &done);
            WriteProcessMemory(process.Get(), remote, &info, sizeof(info), &done);
            SendMessageW(tooltip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote));
            std::vector<wchar_t> text(kChars + 1, 0);
            ReadProcessMemory(process.Get(), remote + sizeof(info), text.data(), kChars * sizeof(wchar_t),
                              &done);
            tool.text = text.data();
            tools.push_back(tool);
        }
    }
    VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
    return tools;
}

// The tool of the check's icon, when the tray shows it.
bool FindIcon(HWND tray, Tool& found) {
    const std::wstring tip(kTip, kTip + sizeof(kTip) - 1);
    for (const Tool& tool : TrayTools(tray)) {
        if (tool.text == tip && tool.rect.right > tool.rect.left && tool.rect.bottom > tool.rect.top) {
            found = tool;
            return true;
        }
    }
    return false;
}

void PostMouse(HWND tray, const Tool& tool, std::initializer_list<UINT> messages) {
    const LPARAM at =
        MAKELPARAM((tool.rect.left + tool.rect.right) / 2, (tool.rect.top + tool.rect.bottom) / 2);
    PostMessageW(tray, WM_MOUSEMOVE, 0, at);
    for (UINT msg : messages)
        PostMessageW(tray, msg, msg == WM_LBUTTONUP || msg == WM_RBUTTONUP ? 0 : MK_LBUTTON, at);
}

}  // namespace

void TrayIcon(Context& c) {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    Record(tray != nullptr, "the desktop has a taskbar (Shell_TrayWnd)");
    if (!tray) return;
    state = std::make_unique<TrayState>(c);
    TrayState& s = *state;
    s.icon = std::make_unique<tray::TXKTrayIcon95>(c.main.form, s.ports.platform, c.app);
    tray::TXKTrayIcon95& icon = *s.icon;
    icon.OnClick = [&s] {
        ++s.clicks;
        s.clickTick = GetTickCount();
    };
    icon.OnDblClick = [&s] { ++s.doubleClicks; };
    icon.SetIcon(s.ports.taskbar.ApplicationIcon());
    icon.SetHint(kTip);
    icon.SetActive(true);

    Tool tool;
    const bool shown = harness::PumpUntil([&] { return FindIcon(tray, tool); }, 5000);
    Record(shown, "the icon shows in the tray with its tooltip");
    if (!shown) return;

    PostMouse(tray, tool, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    harness::PumpUntil([&s] { return s.doubleClicks > 0; }, 3000);
    harness::Pump(800);
    Equal(s.doubleClicks, 1, "a double click on the icon fires OnDblClick");
    Equal(s.clicks, 0, "and no OnClick");

    const DWORD pressed = GetTickCount();
    PostMouse(tray, tool, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    harness::PumpUntil([&s] { return s.clicks > 0; }, 3000);
    Equal(s.clicks, 1, "a press fires OnClick");
    Record(s.clicks == 1 && s.clickTick - pressed >= 500, "OnClick comes after the double-click time");
    Record(s.icon->TimerManager().SystemInterval() == 0, "no timer runs once the click fired");

    // The menu opens from the icon's window; a timer of the loop closes it.
    bool menuSeen = false, popupDone = false;
    icon.AutoPopup = true;
    icon.PopupMenu = &s.menu;
    port::TimerId closer = 0;
    closer = c.loop.SetTimer(300, [&] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            menuSeen = true;
            EndMenu();
            popupDone = true;
        }
    });
    PostMouse(tray, tool, {WM_RBUTTONDOWN, WM_RBUTTONUP});
    harness::PumpUntil([&] { return popupDone; }, 4000);
    c.loop.KillTimer(closer);
    harness::Pump(700);
    Record(menuSeen, "a right press opens the menu (#32768)");
    Equal(s.clicks, 1, "the right press is no click");

    // The shell loses the icon (explorer restarts); "TaskbarCreated" brings it back.
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = reinterpret_cast<HWND>(icon.Handle());
    record.uID = tray::kTrayIconId;
    Record(Shell_NotifyIconW(NIM_DELETE, &record) != FALSE, "the check deletes the icon from the tray");
    Record(harness::PumpUntil([&] { return !FindIcon(tray, tool); }, 3000), "the icon left the tray");
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Record(harness::PumpUntil([&] { return FindIcon(tray, tool); }, 5000),
           "after \"TaskbarCreated\" the icon is back with its tooltip");
}

void TrayIconGone(Context&) {
    if (!state || !state->icon) return;
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    state->icon.reset();
    Tool tool;
    Record(harness::PumpUntil([&] { return !FindIcon(tray, tool); }, 3000),
           "the icon leaves the tray with the component");
    state.reset();
}

}  // namespace checks
