#include <windows.h>

#include "commands.h"
#include "text.h"
#include "window_info.h"

namespace {

WindowFilter FilterFrom(const Args& args) {
    WindowFilter filter;
    filter.cls = args.Option(L"--class");
    filter.title = args.Option(L"--title");
    filter.exe = args.Option(L"--exe");
    filter.pid = static_cast<DWORD>(args.Number(L"--pid").value_or(0));
    filter.visibleOnly = args.Flag(L"--visible");
    return filter;
}

HWND FindNamed(const std::wstring& name, const std::vector<HWND>& roots) {
    for (HWND root : roots) {
        if (ComponentName(root) == name) return root;
        for (HWND child : Descendants(root)) {
            if (ComponentName(child) == name) return child;
        }
    }
    return nullptr;
}

}  // namespace

int CmdWindows(const Args& args, Json& json) {
    WindowFilter filter = FilterFrom(args);
    ProcessNames names;
    json.BeginObject().Key("windows").BeginArray();
    int count = 0;
    for (HWND hwnd : TopLevelWindows()) {
        if (!filter.Matches(hwnd, names)) continue;
        WriteTopLevel(json, hwnd, names);
        ++count;
    }
    json.EndArray().EndObject();
    return count > 0 ? kOk : kNotFound;
}

int CmdWaitWindow(const Args& args, Json& json) {
    WindowFilter filter = FilterFrom(args);
    HWND found = nullptr;
    WaitFor(args.TimeoutMs(10000), [&] {
        auto matches = MatchingTopLevel(filter);
        found = matches.empty() ? nullptr : matches.front();
        return found != nullptr;
    });
    if (!found) return Fail(json, kNotFound, "no matching window appeared");
    WriteTopLevel(json, found, ProcessNames());
    return kOk;
}

int CmdWaitGone(const Args& args, Json& json) {
    int timeout = args.TimeoutMs(10000);
    bool gone;
    if (auto hwnd = args.Window(0)) {
        bool hiddenIsGone = args.Flag(L"--hidden");
        gone =
            WaitFor(timeout, [&] { return !IsWindow(*hwnd) || (hiddenIsGone && !IsWindowVisible(*hwnd)); });
    } else {
        WindowFilter filter = FilterFrom(args);
        gone = WaitFor(timeout, [&] { return MatchingTopLevel(filter).empty(); });
    }
    json.BeginObject().KeyBool("gone", gone).EndObject();
    return gone ? kOk : kNotFound;
}

int CmdChildren(const Args& args, Json& json) {
    auto hwnd = args.Window(0);
    if (!hwnd || !IsWindow(*hwnd)) return Fail(json, kError, "children needs a window handle");
    json.BeginObject().KeyInt("hwnd", reinterpret_cast<LONG_PTR>(*hwnd)).Key("children").BeginArray();
    for (HWND child : Descendants(*hwnd))
        WriteChild(json, child);
    json.EndArray().EndObject();
    return kOk;
}

int CmdFind(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "find needs a component name");
    const std::wstring& name = args.Positional()[0];
    auto top = args.Number(L"--top");
    HWND found = nullptr;
    WaitFor(args.TimeoutMs(0), [&] {
        std::vector<HWND> roots;
        if (top) {
            roots.push_back(reinterpret_cast<HWND>(static_cast<LONG_PTR>(*top)));
        } else {
            roots = MatchingTopLevel(FilterFrom(args));
        }
        found = FindNamed(name, roots);
        return found != nullptr;
    });
    if (!found) return Fail(json, kNotFound, "no control with that name");
    WriteChild(json, found);
    return kOk;
}

int CmdAtom(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "atom needs a name");
    const std::wstring& name = args.Positional()[0];
    ATOM atom = GlobalFindAtomW(name.c_str());
    json.BeginObject().KeyStr("name", name).KeyBool("exists", atom != 0).KeyInt("atom", atom).EndObject();
    return atom ? kOk : kNotFound;
}

int CmdSysInfo(const Args&, Json& json) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    wchar_t user[256] = {};
    DWORD userLen = 256;
    if (!GetUserNameW(user, &userLen)) user[0] = L'\0';
    wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerLen = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(computer, &computerLen)) computer[0] = L'\0';
    std::wstring drives;
    DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (mask & (1u << i)) drives += static_cast<wchar_t>(L'A' + i);
    }
    json.BeginObject()
        .KeyInt("major", version.dwMajorVersion)
        .KeyInt("minor", version.dwMinorVersion)
        .KeyInt("build", version.dwBuildNumber)
        .KeyInt("platform", version.dwPlatformId)
        .KeyStr("csd", version.szCSDVersion)
        .KeyStr("user", user)
        .KeyStr("computer", computer)
        .KeyStr("drives", drives)
        .Key("drive_types")
        .BeginObject();
    for (wchar_t letter : drives) {
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        json.KeyInt(std::string(1, static_cast<char>(letter)), GetDriveTypeW(root));
    }
    json.EndObject()
        .Key("screen")
        .BeginObject()
        .KeyInt("width", GetSystemMetrics(SM_CXSCREEN))
        .KeyInt("height", GetSystemMetrics(SM_CYSCREEN))
        .EndObject()
        .KeyInt("foreground", reinterpret_cast<LONG_PTR>(GetForegroundWindow()))
        .KeyInt("codepage", GetACP())
        .EndObject();
    return kOk;
}
