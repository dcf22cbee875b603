#include <windows.h>

#include <array>

#include "commands.h"
#include "text.h"
#include "window_info.h"

namespace {

// MessageBox puts its text in a static control with this id; plain dialogs of class #32770 lack it.
constexpr int kMessageTextId = 0xFFFF;

struct ButtonName {
    std::wstring_view name;
    int id;
};

constexpr std::array<ButtonName, 11> kButtons = {{
    {L"OK", IDOK},
    {L"Cancel", IDCANCEL},
    {L"Abort", IDABORT},
    {L"Retry", IDRETRY},
    {L"Ignore", IDIGNORE},
    {L"Yes", IDYES},
    {L"No", IDNO},
    {L"Close", IDCLOSE},
    {L"Help", IDHELP},
    {L"TryAgain", IDTRYAGAIN},
    {L"Continue", IDCONTINUE},
}};

std::wstring_view NameOfId(int id) {
    for (const auto& button : kButtons) {
        if (button.id == id) return button.name;
    }
    return {};
}

HWND FindBox(const Args& args) {
    WindowFilter filter;
    filter.cls = L"#32770";
    filter.exe = args.Option(L"--exe");
    filter.pid = static_cast<DWORD>(args.Number(L"--pid").value_or(0));
    filter.visibleOnly = true;
    HWND found = nullptr;
    WaitFor(args.TimeoutMs(10000), [&] {
        for (HWND hwnd : MatchingTopLevel(filter)) {
            if (GetDlgItem(hwnd, kMessageTextId)) {
                found = hwnd;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::vector<HWND> Buttons(HWND box) {
    std::vector<HWND> out;
    for (HWND child : Descendants(box)) {
        if (IsWindowVisible(child) && EqualsNoCase(ClassOf(child), L"Button")) out.push_back(child);
    }
    return out;
}

void WriteBox(Json& json, HWND box) {
    HWND owner = GetWindow(box, GW_OWNER);
    ProcessNames names;
    DWORD pid = ProcessOf(box);
    json.BeginObject()
        .KeyInt("hwnd", reinterpret_cast<LONG_PTR>(box))
        .KeyStr("caption", CaptionOf(box))
        .KeyStr("text", TextOf(GetDlgItem(box, kMessageTextId)))
        .KeyInt("pid", pid)
        .KeyStr("exe", names.Of(pid))
        .KeyInt("owner", reinterpret_cast<LONG_PTR>(owner))
        .KeyStr("owner_class", owner ? ClassOf(owner) : std::wstring())
        .Key("buttons")
        .BeginArray();
    for (HWND button : Buttons(box)) {
        int id = GetDlgCtrlID(button);
        json.BeginObject()
            .KeyInt("id", id)
            .KeyStr("name", NameOfId(id))
            .KeyStr("text", WithoutMnemonics(TextOf(button)))
            .KeyBool("default", (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            .EndObject();
    }
    json.EndArray().EndObject();
}

}  // namespace

int CmdMessageBox(const Args& args, Json& json) {
    HWND box = FindBox(args);
    if (!box) return Fail(json, kNotFound, "no message box appeared");
    WriteBox(json, box);
    return kOk;
}

int CmdAnswerBox(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "answer-box needs a button name");
    const std::wstring& wanted = args.Positional()[0];
    HWND box = FindBox(args);
    if (!box) return Fail(json, kNotFound, "no message box appeared");
    HWND target = nullptr;
    for (HWND button : Buttons(box)) {
        int id = GetDlgCtrlID(button);
        if (EqualsNoCase(NameOfId(id), wanted) || EqualsNoCase(WithoutMnemonics(TextOf(button)), wanted)) {
            target = button;
            break;
        }
    }
    if (!target) return Fail(json, kNotFound, "the message box has no such button");
    json.BeginObject().Key("box");
    WriteBox(json, box);
    json.KeyInt("pressed", GetDlgCtrlID(target));
    PostMessageW(target, BM_CLICK, 0, 0);
    bool closed = WaitFor(5000, [&] { return !IsWindow(box) || !IsWindowVisible(box); });
    json.KeyBool("closed", closed).EndObject();
    return closed ? kOk : kError;
}
