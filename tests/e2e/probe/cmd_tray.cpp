// The notification area as the user sees it: the icons' tooltips and places, read from the
// taskbar's tooltip windows, and mouse input on an icon.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "commands.h"
#include "handles.h"

namespace {

struct TrayTool {
    std::wstring tip;
    RECT rect{};  // in the taskbar's client coordinates
};

BOOL CALLBACK CollectTooltip(HWND hwnd, LPARAM param) {
    auto& found = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (pid == found.first && std::wstring(name) == L"tooltips_class32") found.second.push_back(hwnd);
    return TRUE;
}

// One tool per icon in the taskbar process's tooltips; the records travel through memory inside
// that process. A deleted icon's tool may linger with an empty rectangle: those are left out.
std::vector<TrayTool> TrayTools(HWND tray) {
    std::vector<TrayTool> tools;
    std::pair<DWORD, std::vector<HWND>> found{0, {}};
    GetWindowThreadProcessId(tray, &found.first);
    EnumWindows(CollectTooltip, reinterpret_cast<LPARAM>(&found));
    OwnedHandle process(
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
            TrayTool tool{{}, info.rect};
            if (tool.rect.right <= tool.rect.left || tool.rect.bottom <= tool.rect.top) continue;
            info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(info));
            wchar_t empty = 0;
            WriteProcessMemory(process.Get(), info.lpszText, &empty, sizeof(empty), &done);
            WriteProcessMemory(process.Get(), remote, &info, sizeof(info), &done);
            SendMessageW(tooltip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote));
            std::vector<wchar_t> text(kChars + 1, 0);
            ReadProcessMemory(process.Get(), remote + sizeof(info), text.data(), kChars * sizeof(wchar_t),
                              &done);
            tool.tip = text.data();
            tools.push_back(tool);
        }
    }
    VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
    return tools;
}

}  // namespace

// tray-icons: every icon with its tooltip and its place on the screen.
int CmdTrayIcons(const Args&, Json& json) {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) return Fail(json, kNotFound, "no taskbar (Shell_TrayWnd)");
    json.BeginObject().Key("icons").BeginArray();
    for (const TrayTool& tool : TrayTools(tray)) {
        POINT topLeft{tool.rect.left, tool.rect.top}, bottomRight{tool.rect.right, tool.rect.bottom};
        ClientToScreen(tray, &topLeft);
        ClientToScreen(tray, &bottomRight);
        json.BeginObject()
            .KeyStr("tip", tool.tip)
            .KeyInt("left", topLeft.x)
            .KeyInt("top", topLeft.y)
            .KeyInt("right", bottomRight.x)
            .KeyInt("bottom", bottomRight.y)
            .EndObject();
    }
    json.EndArray().EndObject();
    return kOk;
}

// tray-click TIP [--double] [--right] [--timeout MS]: the mouse over the first icon whose tooltip
// contains TIP, as the taskbar receives it.
int CmdTrayClick(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "usage: tray-click TIP [--double] [--right]");
    const std::wstring& part = args.Positional()[0];
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) return Fail(json, kNotFound, "no taskbar (Shell_TrayWnd)");
    TrayTool found;
    const bool seen = WaitFor(args.TimeoutMs(5000), [&] {
        for (const TrayTool& tool : TrayTools(tray)) {
            if (tool.tip.find(part) != std::wstring::npos) {
                found = tool;
                return true;
            }
        }
        return false;
    });
    if (!seen) return Fail(json, kNotFound, "no tray icon with that tooltip");
    const int x = (found.rect.left + found.rect.right) / 2, y = (found.rect.top + found.rect.bottom) / 2;
    const LPARAM at = MAKELPARAM(x, y);
    const bool right = args.Flag(L"right");
    const UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
    const UINT dbl = right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK;
    const WPARAM held = right ? MK_RBUTTON : MK_LBUTTON;
    PostMessageW(tray, WM_MOUSEMOVE, 0, at);
    PostMessageW(tray, down, held, at);
    PostMessageW(tray, up, 0, at);
    if (args.Flag(L"double")) {
        PostMessageW(tray, dbl, held, at);
        PostMessageW(tray, up, 0, at);
    }
    json.BeginObject().KeyStr("tip", found.tip).KeyInt("x", x).KeyInt("y", y).EndObject();
    return kOk;
}

// tray-restart HWND ID: the taskbar loses the icon (ID of window HWND), then every top-level
// window hears "TaskbarCreated", as after the taskbar was started again.
int CmdTrayRestart(const Args& args, Json& json) {
    const std::optional<HWND> window = args.Window(0);
    if (!window || args.Positional().size() < 2) return Fail(json, kError, "usage: tray-restart HWND ID");
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = *window;
    record.uID = static_cast<UINT>(_wtoi(args.Positional()[1].c_str()));
    const bool deleted = Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
    Sleep(300);
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    json.BeginObject().KeyBool("deleted", deleted).EndObject();
    return kOk;
}
