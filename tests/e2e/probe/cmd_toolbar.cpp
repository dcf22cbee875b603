// Toolbar buttons are not windows of their own: the program names each one by a property
// "RvlnButton.<component>" on its bar, holding the button's command id. These commands find such
// a button, report what a user sees of it and click it where it is drawn.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "input.h"
#include "remote.h"
#include "window_info.h"

namespace {

struct ToolButton {
    HWND bar = nullptr;
    UINT command = 0;
    long long index = -1;
    RECT rect{};
    bool rectKnown = false;
    bool enabled = false;
    bool hidden = false;
    bool pressed = false;
};

UINT CommandOn(HWND hwnd, const std::wstring& property) {
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd, property.c_str())));
}

std::optional<ToolButton> FindToolButton(const Args& args) {
    const std::wstring property = L"RvlnButton." + args.Positional()[0];
    std::vector<HWND> roots;
    if (auto top = args.Number(L"--top")) {
        roots.push_back(reinterpret_cast<HWND>(static_cast<LONG_PTR>(*top)));
    } else {
        WindowFilter filter;
        filter.exe = args.Option(L"--exe");
        filter.cls = args.Option(L"--class");
        roots = MatchingTopLevel(filter);
    }
    ToolButton found;
    for (HWND root : roots) {
        for (HWND hwnd : Descendants(root)) {
            if (UINT command = CommandOn(hwnd, property)) {
                found.bar = hwnd;
                found.command = command;
                break;
            }
        }
        if (found.bar) break;
    }
    if (!found.bar) return std::nullopt;

    found.index = SendTimed(found.bar, TB_COMMANDTOINDEX, found.command, 0).value_or(-1);
    auto state = SendTimed(found.bar, TB_GETSTATE, found.command, 0);
    if (state && *state >= 0) {
        found.enabled = (*state & TBSTATE_ENABLED) != 0;
        found.hidden = (*state & TBSTATE_HIDDEN) != 0;
        found.pressed = (*state & TBSTATE_PRESSED) != 0;
    }
    // TB_GETITEMRECT writes through a pointer, which must live in the bar's own process.
    RemoteBuffer remote(found.bar, sizeof(RECT));
    if (found.index >= 0 && remote.Ok() &&
        SendTimed(found.bar, TB_GETITEMRECT, static_cast<WPARAM>(found.index), remote.At()).value_or(0) > 0) {
        found.rectKnown = remote.Read(0, &found.rect, sizeof found.rect);
    }
    return found;
}

void WriteToolButton(Json& json, const ToolButton& button) {
    json.KeyInt("bar", reinterpret_cast<LONG_PTR>(button.bar))
        .KeyInt("command", button.command)
        .KeyInt("index", button.index)
        .KeyBool("visible", IsWindowVisible(button.bar) && !button.hidden)
        .KeyBool("enabled", IsWindowEnabled(button.bar) && button.enabled)
        .KeyBool("pressed", button.pressed);
    if (button.rectKnown) {
        json.Key("rect");
        WriteRect(json, button.rect);
    }
}

}  // namespace

int CmdToolButton(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "tool-button needs a component name");
    std::optional<ToolButton> button;
    WaitFor(args.TimeoutMs(0), [&] {
        button = FindToolButton(args);
        return button.has_value();
    });
    if (!button) return Fail(json, kNotFound, "no toolbar button with that name");
    json.BeginObject();
    WriteToolButton(json, *button);
    json.EndObject();
    return kOk;
}

int CmdClickTool(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "click-tool needs a component name");
    auto button = FindToolButton(args);
    if (!button) return Fail(json, kNotFound, "no toolbar button with that name");
    // A user can only press a button that is drawn and enabled; a test must not do more.
    if (!IsWindowVisible(button->bar) || button->hidden)
        return Fail(json, kError, "the button is not visible");
    if (!IsWindowEnabled(button->bar) || !button->enabled)
        return Fail(json, kError, "the button is disabled");
    if (!button->rectKnown) return Fail(json, kError, "the button has no place on its bar");
    POINT centre{(button->rect.left + button->rect.right) / 2, (button->rect.top + button->rect.bottom) / 2};
    const char* how;
    if (args.Flag(L"--real")) {
        if (!BringToFront(button->bar)) return Fail(json, kError, "window did not come to the front");
        POINT screen = centre;
        ClientToScreen(button->bar, &screen);
        if (!SendMouseClick(screen, false, false)) return Fail(json, kError, "SendInput failed");
        how = "input";
    } else {
        // Posted, so that a modal box opened by the button cannot block the probe.
        LPARAM at = MAKELPARAM(centre.x, centre.y);
        PostMessageW(button->bar, WM_MOUSEMOVE, 0, at);
        PostMessageW(button->bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(button->bar, WM_LBUTTONUP, 0, at);
        how = "posted";
    }
    json.BeginObject();
    WriteToolButton(json, *button);
    json.KeyStr("how", how).EndObject();
    return kOk;
}
