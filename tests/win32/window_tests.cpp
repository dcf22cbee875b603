// Adapters that work on windows: foreign windows, hotkeys, taskbar and menus, message boxes and
// the open dialog. They need a display (the runner provides a virtual one).
#include "win32/ports/win_api.h"
#include <dlgs.h>

#include <atomic>
#include <cstring>
#include <cwchar>
#include <functional>
#include <thread>

#include "tests/win32/check.h"
#include "ports/shell_port.h"
#include "tests/win32/support.h"
#include "win32/handles.h"
#include "win32/ports/dialogs.h"
#include "win32/ports/files.h"
#include "win32/ports/foreign_windows.h"
#include "win32/ports/hotkeys.h"
#include "win32/ports/ids.h"
#include "win32/ports/taskbar.h"
#include "win32/text.h"

namespace {

using win32::ToWindowId;

// A 16 x 16 icon file, 32 bits with alpha: a filled square on a clear border.
std::string TinyIconFile() {
    const int size = 16;
    std::string image;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            image.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](std::uint16_t v) {
        image.push_back(static_cast<char>(v & 0xFF));
        image.push_back(static_cast<char>(v >> 8));
    };
    put32(40);
    put32(size);
    put32(size * 2);
    put16(1);
    put16(32);
    for (int i = 0; i < 6; ++i)
        put32(0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            put32(x > 1 && x < 14 && y > 1 && y < 14 ? 0xFFC02010u : 0u);
    for (int y = 0; y < size; ++y)
        put32(0);  // AND mask, 4 bytes per row

    std::string file;
    auto fput16 = [&](std::uint16_t v) {
        file.push_back(static_cast<char>(v & 0xFF));
        file.push_back(static_cast<char>(v >> 8));
    };
    auto fput32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    fput16(0);
    fput16(1);
    fput16(1);
    file.push_back(static_cast<char>(size));
    file.push_back(static_cast<char>(size));
    file.push_back(0);
    file.push_back(0);
    fput16(1);
    fput16(32);
    fput32(static_cast<std::uint32_t>(image.size()));
    fput32(6 + 16);
    return file + image;
}

bool IconSize(port::IconId icon, int& width, int& height) {
    ICONINFO info{};
    if (!::GetIconInfo(win32::ToHicon(icon), &info)) return false;
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    width = bitmap.bmWidth;
    height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return true;
}

// Cancels every dialog box of this process: the way out when an answer did not close its dialog
// (an unexpected error box, say), so a failing check cannot hang the run.
BOOL CALLBACK CancelIfOwnDialog(HWND window, LPARAM) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    if (pid == ::GetCurrentProcessId() && std::wcscmp(name, L"#32770") == 0)
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

void CancelAllDialogs() {
    ::EnumWindows(CancelIfOwnDialog, 0);
}

// Watches for a dialog with the given title on another thread and hands it to act, which answers it.
// Whatever is still open five seconds later gets cancelled until the modal call has returned.
class DialogWatch {
  public:
    DialogWatch(std::wstring title, std::function<void(HWND)> act)
        : title_(std::move(title)), act_(std::move(act)), thread_([this] { Run(); }) {}
    ~DialogWatch() {
        stop_ = true;
        thread_.join();
    }
    bool Seen() const { return seen_; }

  private:
    void Run() {
        for (int i = 0; i < 200 && !stop_ && !seen_; ++i) {
            HWND dialog = ::FindWindowW(L"#32770", title_.c_str());
            if (dialog && ::IsWindowVisible(dialog)) {
                ::Sleep(100);  // let it finish its set-up
                act_(dialog);
                seen_ = true;
            }
            ::Sleep(50);
        }
        for (int i = 0; i < 100 && !stop_; ++i)
            ::Sleep(50);
        while (!stop_) {
            CancelAllDialogs();
            ::Sleep(200);
        }
    }

    std::wstring title_;
    std::function<void(HWND)> act_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> seen_{false};
    std::thread thread_;
};

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

}  // namespace

CHECK_GROUP(windows) {
    win32::OwnedWindow first(support::CreateProbeWindow(L"Probe one"));
    win32::OwnedWindow second(support::CreateProbeWindow(L"Probe two"));
    CHECK(first && second);
    if (!first || !second) return;
    HWND app = first.Get();
    win32::Win32ForeignWindows windows([&] { return app; });

    CHECK_EQ(windows.ApplicationWindow(), ToWindowId(first.Get()));
    CHECK_EQ(windows.ClassName(ToWindowId(first.Get()), 256), std::string("RvlnAdapterProbe"));
    CHECK_EQ(windows.ClassName(ToWindowId(first.Get()), 5), std::string("Rvln"));
    CHECK_EQ(windows.ClassName(0, 256), std::string());
    CHECK_EQ(windows.ClassName(ToWindowId(first.Get()), 0), std::string());

    // The newer window sits above the older one: walking down from it reaches the first.
    bool reached = false;
    port::WindowId w = ToWindowId(second.Get());
    for (int i = 0; i < 1000 && w && !reached; ++i) {
        w = windows.NextWindow(w);
        reached = w == ToWindowId(first.Get());
    }
    CHECK(reached);

    CHECK(windows.PostMessage(ToWindowId(first.Get()), WM_APP + 7, 0x1234, -5));
    MSG msg{};
    CHECK(::PeekMessageW(&msg, first.Get(), WM_APP + 7, WM_APP + 7, PM_REMOVE));
    CHECK_EQ(msg.wParam, static_cast<WPARAM>(0x1234));
    CHECK_EQ(msg.lParam, static_cast<LPARAM>(-5));
    CHECK(!windows.PostMessage(0x7FFF0, WM_APP, 0, 0));  // no such window

    ::ShowWindow(second.Get(), SW_SHOW);
    CHECK(windows.SetForegroundWindow(ToWindowId(second.Get())));
    ::ShowWindow(second.Get(), SW_HIDE);
}

CHECK_GROUP(hotkeys) {
    win32::OwnedWindow main(support::CreateProbeWindow(L"Hotkey owner"));
    win32::OwnedWindow other(support::CreateProbeWindow(L"Hotkey rival"));
    CHECK(main && other);
    if (!main || !other) return;
    HWND mainWindow = main.Get(), otherWindow = other.Get();
    win32::Win32Hotkeys hotkeys([&] { return mainWindow; });
    win32::Win32Hotkeys rival([&] { return otherWindow; });

    const std::uint32_t mods = port::kModControl | port::kModAlt | port::kModShift;
    CHECK(hotkeys.RegisterHotKey(1000, mods, VK_F11));
    CHECK(!hotkeys.RegisterHotKey(999, mods, VK_F11));  // the same combination again
    CHECK(!rival.RegisterHotKey(1, mods, VK_F11));      // nor for another window
    CHECK(hotkeys.RegisterHotKey(101, mods, VK_F10));
    CHECK(hotkeys.UnregisterHotKey(1000));
    CHECK(!hotkeys.UnregisterHotKey(1000));
    CHECK(rival.RegisterHotKey(1, mods, VK_F11));  // free again
    CHECK(rival.UnregisterHotKey(1));
    CHECK(hotkeys.UnregisterHotKey(101));
}

CHECK_GROUP(taskbar) {
    win32::OwnedWindow first(support::CreateProbeWindow(L"Taskbar one"));
    win32::OwnedWindow second(support::CreateProbeWindow(L"Taskbar two"));
    CHECK(first && second);
    if (!first || !second) return;
    win32::Win32Taskbar taskbar;
    port::WindowId one = ToWindowId(first.Get()), two = ToWindowId(second.Get());

    CHECK(!taskbar.IsWindowVisible(one));
    CHECK(!taskbar.ShowWindow(one, port::kSwShow));  // was hidden
    CHECK(taskbar.IsWindowVisible(one));
    CHECK(taskbar.ShowWindow(one, port::kSwHide));  // was visible
    CHECK(!taskbar.IsWindowVisible(one));

    CHECK_EQ(taskbar.DesktopWindow(), ToWindowId(::GetDesktopWindow()));
    CHECK(taskbar.DesktopWindow() != 0);
    taskbar.SetParent(two, one);
    CHECK_EQ(::GetAncestor(second.Get(), GA_PARENT), first.Get());
    CHECK_EQ(taskbar.SetParent(two, taskbar.DesktopWindow()), one);

    CHECK(taskbar.LockWindowUpdate(one));
    CHECK(taskbar.LockWindowUpdate(0));

    // The system menu: insert, check, delete, revert.
    port::MenuId menu = taskbar.GetSystemMenu(one, false);
    CHECK(menu != 0);
    HMENU hmenu = win32::ToHmenu(menu);
    int items = ::GetMenuItemCount(hmenu);
    CHECK(taskbar.InsertMenu(menu, 0, port::kMfByPosition | port::kMfString, 0x1230, "&Restore \xC3\xBC"));
    CHECK(taskbar.InsertMenu(menu, 1, port::kMfByPosition | port::kMfSeparator, 0, ""));
    CHECK_EQ(::GetMenuItemCount(hmenu), items + 2);
    wchar_t text[64] = {};
    ::GetMenuStringW(hmenu, 0x1230, text, 64, MF_BYCOMMAND);
    CHECK_EQ(std::wstring(text), std::wstring(L"&Restore \u00FC"));
    CHECK_EQ(taskbar.CheckMenuItem(menu, 0x1230, port::kMfByCommand | port::kMfChecked),
             static_cast<std::uint32_t>(MF_UNCHECKED));
    CHECK_EQ(taskbar.CheckMenuItem(menu, 0x1230, port::kMfByCommand | port::kMfUnchecked),
             static_cast<std::uint32_t>(MF_CHECKED));
    CHECK_EQ(taskbar.CheckMenuItem(menu, 0x7777, port::kMfByCommand), 0xFFFFFFFFu);
    CHECK(taskbar.DeleteMenu(menu, 0x1230, port::kMfByCommand));
    CHECK(!taskbar.DeleteMenu(menu, 0x1230, port::kMfByCommand));
    CHECK(taskbar.DeleteMenu(menu, 0, port::kMfByPosition));
    CHECK_EQ(::GetMenuItemCount(hmenu), items);
    CHECK_EQ(taskbar.GetSystemMenu(one, true), 0u);

    // Icons: from the program's resources and from files, owned until destroyed.
    port::IconId appIcon = taskbar.ApplicationIcon();
    CHECK(appIcon != 0);
    int width = 0, height = 0;
    CHECK(IconSize(appIcon, width, height));
    CHECK_EQ(width, ::GetSystemMetrics(SM_CXSMICON));
    CHECK_EQ(height, ::GetSystemMetrics(SM_CYSMICON));
    taskbar.DestroyIcon(appIcon);
    CHECK(!IconSize(appIcon, width, height));

    win32::Win32Files files;
    std::string dir = support::ScratchFolder("icons");
    CHECK(files.WriteFile(dir + "S1.ICO", TinyIconFile()));
    CHECK(files.WriteFile(dir + "NOTICON.ICO", "plain text, no icon"));
    port::IconId fileIcon = taskbar.LoadIconFile(dir + "S1.ICO");
    CHECK(fileIcon != 0);
    CHECK(IconSize(fileIcon, width, height));
    CHECK_EQ(taskbar.LoadIconFile(dir + "NOTICON.ICO"), 0u);
    CHECK_EQ(taskbar.LoadIconFile(dir + "MISSING.ICO"), 0u);
    taskbar.DestroyIcon(fileIcon);
    CHECK(!IconSize(fileIcon, width, height));
    support::RemoveTree(win32::Widen(dir.substr(0, dir.size() - 1)));
}

CHECK_GROUP(dialogs) {
    win32::OwnedWindow app(support::CreateProbeWindow(L"Dialog owner"));
    win32::OwnedWindow active(support::CreateProbeWindow(L"Active form"));
    CHECK(app && active);
    if (!app || !active) return;
    HWND appWindow = app.Get();
    win32::Win32Dialogs dialogs([&] { return appWindow; });

    // No active window of this program: the box belongs to the application window.
    HWND owner = nullptr;
    std::wstring text;
    CHECK(::GetActiveWindow() == nullptr);
    {
        DialogWatch watch(L"Ravelin test box", [&](HWND box) {
            owner = ::GetWindow(box, GW_OWNER);
            text = TextOf(::GetDlgItem(box, 0xFFFF));
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        });
        int answer = dialogs.MessageBox("Shut down now?\rSecond line \xC3\xBC", "Ravelin test box",
                                        port::kMbYesNo | port::kMbIconQuestion);
        CHECK(watch.Seen());
        CHECK_EQ(answer, port::kIdNo);
    }
    CHECK_EQ(owner, appWindow);
    CHECK(text.find(L"Second line \u00FC") != std::wstring::npos);

    // With a form active, the box belongs to that form.
    ::ShowWindow(active.Get(), SW_SHOW);
    ::SetForegroundWindow(active.Get());
    ::SetActiveWindow(active.Get());
    CHECK_EQ(::GetActiveWindow(), active.Get());
    {
        DialogWatch watch(L"Ravelin second box", [&](HWND box) {
            owner = ::GetWindow(box, GW_OWNER);
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        CHECK_EQ(dialogs.MessageBox("Information", "Ravelin second box", port::kMbOk), port::kIdOk);
        CHECK(watch.Seen());
    }
    CHECK_EQ(owner, active.Get());

    // The open dialog: a typed-in name of an existing file comes back as the path.
    win32::Win32Files files;
    std::string dir = support::ScratchFolder("dialog");
    std::string target = dir + "PICK.EXE";
    CHECK(files.WriteFile(target, "MZ"));
    port::OpenFileRequest request;
    request.title = "Ravelin pick a program";
    request.filter = "Programs|*.EXE|All files|*.*";
    request.defaultExtension = "EXE";
    request.initialDirectory = dir;
    {
        DialogWatch watch(L"Ravelin pick a program", [&](HWND dialog) {
            HWND name = ::GetDlgItem(dialog, cmb13);
            if (!name) name = ::GetDlgItem(dialog, edt1);
            ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"PICK.EXE"));
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        std::string path;
        CHECK(dialogs.OpenFile(request, path));
        CHECK(watch.Seen());
        CHECK_EQ(path, target);
    }
    {
        DialogWatch watch(L"Ravelin pick a program", [&](HWND dialog) {
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        std::string path = "unchanged";
        CHECK(!dialogs.OpenFile(request, path));
        CHECK(watch.Seen());
        CHECK_EQ(path, std::string("unchanged"));
    }
    support::RemoveTree(win32::Widen(dir.substr(0, dir.size() - 1)));
}
