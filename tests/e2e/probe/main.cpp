// probe.exe: looks at and drives the windows of other programs in the same Wine session, the way a
// user would, and reports what it finds as one JSON document on stdout. Exit code 0 ok, 1 not
// found (or timed out), 2 error. One command per run:
//
//   windows [--class C] [--title T] [--exe NAME] [--pid N] [--visible]   top-level windows
//   wait-window (same filters) [--timeout MS]          first match, once it exists
//   wait-gone HWND [--hidden] | (filters) [--timeout MS]
//   children HWND                    every descendant with its control details
//   find NAME [--top HWND | filters] [--timeout MS]   control tagged RvlnName.NAME
//   atom NAME | sysinfo | processes [--exe NAME]       processes with their command lines
//   tool-button NAME [--top HWND | filters] [--timeout MS]   toolbar button tagged RvlnButton.NAME
//   click HWND [--mouse | --real] [--right] [--double] | click-tool NAME [--top HWND] [--real]
//   select-combo HWND INDEX | set-text HWND TEXT | type HWND TEXT
//   key HWND KEY [--ctrl] [--shift] [--alt] [--post]
//   close HWND | syscommand HWND CLOSE|MINIMIZE|RESTORE|N
//   post HWND MSG [WPARAM [LPARAM]] | send HWND MSG [WPARAM [LPARAM]] [--timeout MS]
//   messagebox [--exe NAME] [--pid N] [--timeout MS] | answer-box BUTTON (same options)
//   hold-hotkeys COMBO... (for example ctrl+alt+d): holds them until its window is closed
//   volatile-key SUBKEY NAME=VALUE...   volatile HKLM key with string values (hardware branch)
//   tray-icons | tray-click TIP [--double] [--right] | tray-restart HWND ID   the notification area
//   launch EXE [ARG...] --class C [--title T] [--timeout MS] [--idle]   ms to its window (and idle)
#include <windows.h>

#include <string_view>

#include "commands.h"

namespace {

struct Command {
    std::wstring_view name;
    int (*run)(const Args&, Json&);
};

constexpr Command kCommands[] = {
    {L"windows", CmdWindows},
    {L"wait-window", CmdWaitWindow},
    {L"wait-gone", CmdWaitGone},
    {L"children", CmdChildren},
    {L"find", CmdFind},
    {L"atom", CmdAtom},
    {L"sysinfo", CmdSysInfo},
    {L"processes", CmdProcesses},
    {L"tool-button", CmdToolButton},
    {L"click", CmdClick},
    {L"click-tool", CmdClickTool},
    {L"select-combo", CmdSelectCombo},
    {L"key", CmdKey},
    {L"type", CmdType},
    {L"close", CmdClose},
    {L"syscommand", CmdSysCommand},
    {L"set-text", CmdSetText},
    {L"post", CmdPost},
    {L"send", CmdSend},
    {L"messagebox", CmdMessageBox},
    {L"answer-box", CmdAnswerBox},
    {L"hold-hotkeys", CmdHoldHotkeys},
    {L"volatile-key", CmdVolatileKey},
    {L"tray-icons", CmdTrayIcons},
    {L"tray-click", CmdTrayClick},
    {L"tray-restart", CmdTrayRestart},
    {L"launch", CmdLaunch},
};

// Raw bytes to the handle: the C runtime's text mode would turn "\n" into "\r\n" and its code page
// would mangle UTF-8.
void Print(const std::string& text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string line = text + "\n";
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace

int Fail(Json& json, int code, std::string_view message) {
    json.BeginObject().KeyStr("error", message).EndObject();
    return code;
}

int wmain(int argc, wchar_t** argv) {
    Json json;
    int code = kError;
    if (argc < 2) {
        code = Fail(json, kError, "usage: probe COMMAND [ARGS...]");
    } else {
        Args args(argc, argv, 2);
        const Command* found = nullptr;
        for (const auto& command : kCommands) {
            if (command.name == argv[1]) found = &command;
        }
        if (!found) {
            code = Fail(json, kError, "unknown command");
        } else if (!args.Valid()) {
            code = Fail(json, kError, "bad arguments");
        } else {
            code = found->run(args, json);
        }
    }
    // The status goes out as well: the host's loader sometimes garbles it while the probe exits.
    Print("#status " + std::to_string(code));
    Print(json.Text());
    return code;
}
