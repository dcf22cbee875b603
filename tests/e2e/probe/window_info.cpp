#include "window_info.h"

#include <tlhelp32.h>

#include "controls.h"
#include "handles.h"
#include "text.h"

std::optional<LRESULT> SendTimed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hwnd, buf, 256);
    return buf;
}

std::wstring CaptionOf(HWND hwnd) {
    int len = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    int got = GetWindowTextW(hwnd, text.data(), len + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

std::wstring TextOf(HWND hwnd) {
    auto len = SendTimed(hwnd, WM_GETTEXTLENGTH, 0, 0);
    if (!len) return CaptionOf(hwnd);
    std::wstring text(static_cast<size_t>(*len) + 1, L'\0');
    auto got = SendTimed(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!got) return CaptionOf(hwnd);
    text.resize(static_cast<size_t>(*got));
    return text;
}

namespace {

constexpr std::wstring_view kNamePrefix = L"RvlnName.";

BOOL CALLBACK CollectName(HWND, LPWSTR name, HANDLE, ULONG_PTR param) {
    if (IS_INTRESOURCE(name)) return TRUE;
    std::wstring_view view(name);
    if (view.substr(0, kNamePrefix.size()) != kNamePrefix) return TRUE;
    *reinterpret_cast<std::wstring*>(param) = view.substr(kNamePrefix.size());
    return FALSE;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

}  // namespace

std::wstring ComponentName(HWND hwnd) {
    std::wstring name;
    EnumPropsExW(hwnd, CollectName, reinterpret_cast<LPARAM>(&name));
    return name;
}

DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

ProcessNames::ProcessNames() {
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32FirstW(snapshot.Get(), &entry); ok; ok = Process32NextW(snapshot.Get(), &entry)) {
        names_[entry.th32ProcessID] = entry.szExeFile;
    }
}

std::wstring ProcessNames::Of(DWORD pid) const {
    auto it = names_.find(pid);
    return it == names_.end() ? std::wstring() : it->second;
}

bool WindowFilter::Matches(HWND hwnd, const ProcessNames& names) const {
    if (visibleOnly && !IsWindowVisible(hwnd)) return false;
    if (cls && !EqualsNoCase(ClassOf(hwnd), *cls)) return false;
    if (title && CaptionOf(hwnd) != *title) return false;
    if (pid && ProcessOf(hwnd) != pid) return false;
    if (exe && !EqualsNoCase(names.Of(ProcessOf(hwnd)), *exe)) return false;
    return true;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> out;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> out;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::vector<HWND> MatchingTopLevel(const WindowFilter& filter) {
    ProcessNames names;
    std::vector<HWND> out;
    for (HWND hwnd : TopLevelWindows()) {
        if (filter.Matches(hwnd, names)) out.push_back(hwnd);
    }
    return out;
}

void WriteRect(Json& json, const RECT& rect) {
    json.BeginObject()
        .KeyInt("left", rect.left)
        .KeyInt("top", rect.top)
        .KeyInt("right", rect.right)
        .KeyInt("bottom", rect.bottom)
        .KeyInt("width", rect.right - rect.left)
        .KeyInt("height", rect.bottom - rect.top)
        .EndObject();
}

namespace {

void WriteCommon(Json& json, HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    json.KeyInt("hwnd", reinterpret_cast<LONG_PTR>(hwnd))
        .KeyStr("class", ClassOf(hwnd))
        .KeyStr("name", ComponentName(hwnd))
        .KeyBool("visible", IsWindowVisible(hwnd))
        .KeyBool("shown", (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0)
        .KeyBool("enabled", IsWindowEnabled(hwnd))
        .KeyInt("style", static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)))
        .KeyInt("exstyle", static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)))
        .Key("client")
        .BeginObject()
        .KeyInt("width", client.right)
        .KeyInt("height", client.bottom)
        .EndObject();
}

}  // namespace

void WriteTopLevel(Json& json, HWND hwnd, const ProcessNames& names) {
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    json.BeginObject();
    WriteCommon(json, hwnd);
    json.KeyStr("title", CaptionOf(hwnd))
        .KeyInt("pid", pid)
        .KeyInt("tid", tid)
        .KeyStr("exe", names.Of(pid))
        .KeyInt("owner", reinterpret_cast<LONG_PTR>(GetWindow(hwnd, GW_OWNER)))
        .KeyBool("minimized", IsIconic(hwnd))
        .KeyBool("foreground", GetForegroundWindow() == hwnd)
        .Key("rect");
    WriteRect(json, rect);
    json.EndObject();
}

void WriteChild(Json& json, HWND hwnd) {
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    std::wstring cls = ClassOf(hwnd);
    json.BeginObject();
    WriteCommon(json, hwnd);
    json.KeyInt("parent", reinterpret_cast<LONG_PTR>(parent))
        .KeyInt("id", GetDlgCtrlID(hwnd))
        .KeyStr("text", TextOf(hwnd))
        .Key("rect");
    WriteRect(json, rect);
    WriteControlDetails(json, hwnd, cls);
    json.EndObject();
}
