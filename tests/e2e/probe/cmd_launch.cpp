// launch EXE [ARGUMENT...] --class C [--title T] [--timeout MS]: starts a program as the shell
// does for a user and reports how long it took until its first visible top-level window of that
// class (and title) was there, checking every 10 ms: {"pid", "hwnd", "ms"}.
#include <windows.h>

#include <string>
#include <thread>

#include "commands.h"
#include "handles.h"
#include "window_info.h"

namespace {

std::wstring Quoted(const std::wstring& word) {
    return word.find_first_of(L" \t") == std::wstring::npos ? word : L"\"" + word + L"\"";
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int CmdLaunch(const Args& args, Json& json) {
    const auto& words = args.Positional();
    auto cls = args.Option(L"--class");
    if (words.empty() || !cls) return Fail(json, kError, "launch needs a program and --class");
    std::wstring commandLine;
    for (const std::wstring& word : words)
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(word);

    WindowFilter filter;
    filter.cls = cls;
    filter.title = args.Option(L"--title");
    filter.visibleOnly = true;
    const int timeoutMs = args.TimeoutMs(30000);

    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return Fail(json, kError, "the program could not be started");
    }
    OwnedHandle processHandle(process.hProcess);
    OwnedHandle threadHandle(process.hThread);
    filter.pid = process.dwProcessId;
    HWND found = nullptr;
    for (;;) {
        auto matches = MatchingTopLevel(filter);
        QueryPerformanceCounter(&now);
        if (!matches.empty()) {
            found = matches.front();
            break;
        }
        if (Seconds(start, now, frequency) * 1000 >= timeoutMs) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    json.BeginObject()
        .KeyInt("pid", process.dwProcessId)
        .KeyInt("hwnd", reinterpret_cast<LONG_PTR>(found))
        .KeyInt("ms", static_cast<long long>(Seconds(start, now, frequency) * 1000 + 0.5))
        .EndObject();
    return found ? kOk : kNotFound;
}
