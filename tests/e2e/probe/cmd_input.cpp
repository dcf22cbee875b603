#include <windows.h>

#include <array>

#include "commands.h"
#include "handles.h"
#include "input.h"
#include "text.h"
#include "window_info.h"

namespace {

std::optional<HWND> LiveWindow(const Args& args, size_t i) {
    auto hwnd = args.Window(i);
    if (!hwnd || !IsWindow(*hwnd)) return std::nullopt;
    return hwnd;
}

POINT ClientCentre(HWND hwnd) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    return POINT{rect.right / 2, rect.bottom / 2};
}

// Posted, not sent: a click handler may open a modal box, and a sent message would only return
// once somebody closed it.
void PostMouseClick(HWND hwnd, POINT client, bool right, bool twice) {
    LPARAM at = MAKELPARAM(client.x, client.y);
    UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    UINT up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
    UINT dbl = right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK;
    WPARAM held = right ? MK_RBUTTON : MK_LBUTTON;
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
    PostMessageW(hwnd, down, held, at);
    PostMessageW(hwnd, up, 0, at);
    if (twice) {
        PostMessageW(hwnd, dbl, held, at);
        PostMessageW(hwnd, up, 0, at);
    }
}

std::optional<UINT> ParseMessage(std::wstring_view text) {
    struct Named {
        std::wstring_view name;
        UINT msg;
    };
    static constexpr std::array<Named, 10> kNames = {{
        {L"WM_CLOSE", WM_CLOSE},
        {L"WM_COMMAND", WM_COMMAND},
        {L"WM_SYSCOMMAND", WM_SYSCOMMAND},
        {L"WM_HOTKEY", WM_HOTKEY},
        {L"WM_KEYDOWN", WM_KEYDOWN},
        {L"WM_KEYUP", WM_KEYUP},
        {L"WM_TIMER", WM_TIMER},
        {L"WM_QUERYENDSESSION", WM_QUERYENDSESSION},
        {L"WM_ENDSESSION", WM_ENDSESSION},
        {L"WM_USER", WM_USER},
    }};
    for (const auto& named : kNames) {
        if (EqualsNoCase(named.name, text)) return named.msg;
    }
    auto number = ParseNumber(text);
    if (!number || *number < 0) return std::nullopt;
    return static_cast<UINT>(*number);
}

struct RawMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
};

std::optional<RawMessage> MessageFrom(const Args& args) {
    auto hwnd = LiveWindow(args, 0);
    if (!hwnd || args.Positional().size() < 2) return std::nullopt;
    auto msg = ParseMessage(args.Positional()[1]);
    if (!msg) return std::nullopt;
    RawMessage raw{*hwnd, *msg, 0, 0};
    if (args.Positional().size() > 2)
        raw.wp = static_cast<WPARAM>(ParseNumber(args.Positional()[2]).value_or(0));
    if (args.Positional().size() > 3)
        raw.lp = static_cast<LPARAM>(ParseNumber(args.Positional()[3]).value_or(0));
    return raw;
}

}  // namespace

int CmdClick(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    if (!hwnd) return Fail(json, kError, "click needs a live window handle");
    bool right = args.Flag(L"--right");
    bool twice = args.Flag(L"--double");
    POINT centre = ClientCentre(*hwnd);
    const char* how;
    if (args.Flag(L"--real")) {
        if (!BringToFront(*hwnd)) return Fail(json, kError, "window did not come to the front");
        POINT screen = centre;
        ClientToScreen(*hwnd, &screen);
        if (!SendMouseClick(screen, right, twice)) return Fail(json, kError, "SendInput failed");
        how = "input";
    } else if (!args.Flag(L"--mouse") && !right && !twice && EqualsNoCase(ClassOf(*hwnd), L"Button")) {
        PostMessageW(*hwnd, BM_CLICK, 0, 0);
        how = "bm_click";
    } else {
        PostMouseClick(*hwnd, centre, right, twice);
        how = "posted";
    }
    json.BeginObject().KeyInt("clicked", reinterpret_cast<LONG_PTR>(*hwnd)).KeyStr("how", how).EndObject();
    return kOk;
}

int CmdSelectCombo(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    auto index = args.Positional().size() > 1 ? ParseNumber(args.Positional()[1]) : std::nullopt;
    if (!hwnd || !index) return Fail(json, kError, "select-combo needs a combo box handle and an index");
    auto set = SendTimed(*hwnd, CB_SETCURSEL, static_cast<WPARAM>(*index), 0);
    if (!set || *set == CB_ERR) return Fail(json, kError, "CB_SETCURSEL refused the index");
    // A user's pick reaches the owner as CBN_SELCHANGE; CB_SETCURSEL alone does not notify.
    PostMessageW(GetParent(*hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(*hwnd), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(*hwnd));
    json.BeginObject().KeyInt("selected", *set).EndObject();
    return kOk;
}

int CmdKey(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    auto vk = args.Positional().size() > 1 ? ParseVirtualKey(args.Positional()[1]) : std::nullopt;
    if (!hwnd || !vk) return Fail(json, kError, "key needs a live window handle and a key");
    Modifiers mods{args.Flag(L"--ctrl"), args.Flag(L"--shift"), args.Flag(L"--alt")};
    if (args.Flag(L"--post")) {
        LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(*vk, MAPVK_VK_TO_VSC)) << 16;
        LPARAM context = mods.alt ? (1 << 29) : 0;
        PostMessageW(*hwnd, mods.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, *vk, 1 | scan | context);
        PostMessageW(*hwnd, mods.alt ? WM_SYSKEYUP : WM_KEYUP, *vk,
                     static_cast<LPARAM>(1 | scan | context | 0xC0000000u));
    } else {
        if (!BringToFront(*hwnd)) return Fail(json, kError, "window did not come to the front");
        if (GetAncestor(*hwnd, GA_ROOT) != *hwnd) {
            ThreadInputLink link(GetCurrentThreadId(), GetWindowThreadProcessId(*hwnd, nullptr));
            SetFocus(*hwnd);
        }
        if (!SendKey(*vk, mods)) return Fail(json, kError, "SendInput failed");
    }
    json.BeginObject().KeyInt("key", *vk).KeyBool("posted", args.Flag(L"--post")).EndObject();
    return kOk;
}

int CmdType(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    if (!hwnd || args.Positional().size() < 2)
        return Fail(json, kError, "type needs a window handle and text");
    if (!BringToFront(*hwnd)) return Fail(json, kError, "window did not come to the front");
    if (GetAncestor(*hwnd, GA_ROOT) != *hwnd) {
        ThreadInputLink link(GetCurrentThreadId(), GetWindowThreadProcessId(*hwnd, nullptr));
        SetFocus(*hwnd);
    }
    if (!SendUnicodeText(args.Positional()[1])) return Fail(json, kError, "SendInput failed");
    json.BeginObject().KeyStr("typed", args.Positional()[1]).EndObject();
    return kOk;
}

int CmdClose(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    if (!hwnd) return Fail(json, kError, "close needs a live window handle");
    PostMessageW(*hwnd, WM_CLOSE, 0, 0);
    json.BeginObject().KeyInt("closed", reinterpret_cast<LONG_PTR>(*hwnd)).EndObject();
    return kOk;
}

int CmdSysCommand(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    if (!hwnd || args.Positional().size() < 2)
        return Fail(json, kError, "syscommand needs a window and a command");
    struct Named {
        std::wstring_view name;
        WPARAM sc;
    };
    static constexpr std::array<Named, 5> kNames = {{
        {L"CLOSE", SC_CLOSE},
        {L"MINIMIZE", SC_MINIMIZE},
        {L"MAXIMIZE", SC_MAXIMIZE},
        {L"RESTORE", SC_RESTORE},
        {L"KEYMENU", SC_KEYMENU},
    }};
    std::wstring_view word = args.Positional()[1];
    if (word.starts_with(L"SC_") || word.starts_with(L"sc_")) word.remove_prefix(3);
    std::optional<WPARAM> sc;
    for (const auto& named : kNames) {
        if (EqualsNoCase(named.name, word)) sc = named.sc;
    }
    if (!sc) {
        auto number = ParseNumber(word);
        if (number) sc = static_cast<WPARAM>(*number);
    }
    if (!sc) return Fail(json, kError, "unknown system command");
    PostMessageW(*hwnd, WM_SYSCOMMAND, *sc, 0);
    json.BeginObject().KeyInt("command", static_cast<long long>(*sc)).EndObject();
    return kOk;
}

int CmdSetText(const Args& args, Json& json) {
    auto hwnd = LiveWindow(args, 0);
    if (!hwnd || args.Positional().size() < 2) return Fail(json, kError, "set-text needs a window and text");
    const std::wstring& text = args.Positional()[1];
    auto result = SendTimed(*hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), 5000);
    if (!result) return Fail(json, kError, "WM_SETTEXT timed out");
    json.BeginObject().KeyInt("result", *result).KeyStr("text", TextOf(*hwnd)).EndObject();
    return kOk;
}

int CmdPost(const Args& args, Json& json) {
    auto raw = MessageFrom(args);
    if (!raw) return Fail(json, kError, "post needs a live window handle and a message");
    bool ok = PostMessageW(raw->hwnd, raw->msg, raw->wp, raw->lp);
    json.BeginObject().KeyBool("posted", ok).EndObject();
    return ok ? kOk : kError;
}

int CmdSend(const Args& args, Json& json) {
    auto raw = MessageFrom(args);
    if (!raw) return Fail(json, kError, "send needs a live window handle and a message");
    auto result = SendTimed(raw->hwnd, raw->msg, raw->wp, raw->lp, static_cast<UINT>(args.TimeoutMs(5000)));
    if (!result) return Fail(json, kError, "the window did not answer in time");
    json.BeginObject().KeyInt("result", *result).EndObject();
    return kOk;
}
