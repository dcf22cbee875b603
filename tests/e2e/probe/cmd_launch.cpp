// launch EXE [ARGUMENT...] --class C [--title T] [--timeout MS] [--idle]: starts a program as the
// shell does for a user and reports how long it took until its first visible top-level window of
// that class (and title) was there, checking every 10 ms: {"pid", "hwnd", "ms"}. With --idle it
// also waits for the program's first wait for input with nothing left to do (WaitForInputIdle,
// the end of its start without any trace) and adds "idle_ms", and the processor time the process
// had used by then, "cpu_ms" (user and kernel).
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

long long ProcessorMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<long long>((ticks(kernel) + ticks(user)) / 10000);
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
    const bool idle = args.Flag(L"--idle");

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
    LARGE_INTEGER shown{}, idleAt{};
    bool isIdle = false;
    long long cpuMs = -1;
    for (;;) {
        if (!found) {
            auto matches = MatchingTopLevel(filter);
            QueryPerformanceCounter(&shown);
            if (!matches.empty()) found = matches.front();
        }
        // Signalled at the first wait for input with no input left, and stays so.
        if (idle && !isIdle && WaitForInputIdle(process.hProcess, 0) == 0) {
            QueryPerformanceCounter(&idleAt);
            cpuMs = ProcessorMs(process.hProcess);
            isIdle = true;
        }
        if (found && (!idle || isIdle)) break;
        QueryPerformanceCounter(&now);
        if (Seconds(start, now, frequency) * 1000 >= timeoutMs) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    auto ms = [&](const LARGE_INTEGER& at) {
        return static_cast<long long>(Seconds(start, at, frequency) * 1000 + 0.5);
    };
    json.BeginObject()
        .KeyInt("pid", process.dwProcessId)
        .KeyInt("hwnd", reinterpret_cast<LONG_PTR>(found))
        .KeyInt("ms", ms(shown));
    if (idle) json.KeyInt("idle_ms", isIdle ? ms(idleAt) : -1).KeyInt("cpu_ms", cpuMs);
    json.EndObject();
    if (idle && !isIdle) return kNotFound;
    return found ? kOk : kNotFound;
}
