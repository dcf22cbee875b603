#include <windows.h>
#include <winternl.h>

#include <tlhelp32.h>

#include <optional>
#include <string>

#include "commands.h"
#include "handles.h"
#include "text.h"

namespace {

bool ReadRemote(HANDLE process, const void* address, void* out, size_t size) {
    SIZE_T got = 0;
    return ReadProcessMemory(process, address, out, size, &got) && got == size;
}

// Windows keeps no copy of another process's command line outside that process: it lives in the
// process parameters its environment block points to, so it is read from there. Probe and target
// must share a bitness, which holds for the 64-bit programs under test.
std::optional<std::wstring> CommandLineOf(DWORD pid) {
    OwnedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
    if (!process) return std::nullopt;
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process.Get(), ProcessBasicInformation, &basic, sizeof basic, &length) !=
            0 ||
        !basic.PebBaseAddress) {
        return std::nullopt;
    }
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    if (!ReadRemote(process.Get(), basic.PebBaseAddress, &peb, sizeof peb) || !peb.ProcessParameters ||
        !ReadRemote(process.Get(), peb.ProcessParameters, &parameters, sizeof parameters)) {
        return std::nullopt;
    }
    std::wstring text(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    if (!text.empty() && !ReadRemote(process.Get(), parameters.CommandLine.Buffer, text.data(),
                                     text.size() * sizeof(wchar_t))) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

int CmdProcesses(const Args& args, Json& json) {
    auto exe = args.Option(L"--exe");
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return Fail(json, kError, "no process snapshot");
    json.BeginObject().Key("processes").BeginArray();
    int count = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32FirstW(snapshot.Get(), &entry); ok; ok = Process32NextW(snapshot.Get(), &entry)) {
        if (exe && !EqualsNoCase(*exe, entry.szExeFile)) continue;
        auto commandLine = CommandLineOf(entry.th32ProcessID);
        json.BeginObject()
            .KeyInt("pid", entry.th32ProcessID)
            .KeyInt("parent", entry.th32ParentProcessID)
            .KeyStr("exe", entry.szExeFile)
            .Key("command_line");
        if (commandLine) {
            json.Str(*commandLine);
        } else {
            json.Null();
        }
        json.EndObject();
        ++count;
    }
    json.EndArray().EndObject();
    return count > 0 ? kOk : kNotFound;
}
