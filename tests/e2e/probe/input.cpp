#include "input.h"

#include <array>
#include <string>
#include <vector>

#include "commands.h"
#include "text.h"

bool BringToFront(HWND hwnd) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (!top) return false;
    if (GetForegroundWindow() == top) return true;
    if (IsIconic(top)) ShowWindowAsync(top, SW_RESTORE);
    SetForegroundWindow(top);
    return WaitFor(3000, [&] { return GetForegroundWindow() == top; });
}

std::optional<WORD> ParseVirtualKey(std::wstring_view text) {
    if (text.size() == 1) {
        wchar_t c = text[0];
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<WORD>(c);
        return std::nullopt;
    }
    struct Named {
        std::wstring_view name;
        WORD vk;
    };
    static constexpr std::array<Named, 22> kNames = {{
        {L"RETURN", VK_RETURN}, {L"ENTER", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}, {L"ESC", VK_ESCAPE},
        {L"TAB", VK_TAB},       {L"SPACE", VK_SPACE},  {L"BACK", VK_BACK},     {L"DELETE", VK_DELETE},
        {L"INSERT", VK_INSERT}, {L"HOME", VK_HOME},    {L"END", VK_END},       {L"PRIOR", VK_PRIOR},
        {L"NEXT", VK_NEXT},     {L"LEFT", VK_LEFT},    {L"RIGHT", VK_RIGHT},   {L"UP", VK_UP},
        {L"DOWN", VK_DOWN},     {L"APPS", VK_APPS},    {L"MENU", VK_MENU},     {L"CONTROL", VK_CONTROL},
        {L"SHIFT", VK_SHIFT},   {L"PAUSE", VK_PAUSE},
    }};
    for (const auto& named : kNames) {
        if (EqualsNoCase(named.name, text)) return named.vk;
    }
    if (text.size() >= 2 && (text[0] == L'F' || text[0] == L'f')) {
        auto n = ParseNumber(text.substr(1));
        if (n && *n >= 1 && *n <= 24) return static_cast<WORD>(VK_F1 + *n - 1);
    }
    auto number = ParseNumber(text);
    if (number && *number > 0 && *number < 256) return static_cast<WORD>(*number);
    return std::nullopt;
}

namespace {

bool IsExtended(WORD vk) {
    switch (vk) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_APPS:
            return true;
        default:
            return false;
    }
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

bool Send(std::vector<INPUT>& inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

bool SendKey(WORD vk, Modifiers mods) {
    std::vector<WORD> held;
    if (mods.ctrl) held.push_back(VK_CONTROL);
    if (mods.shift) held.push_back(VK_SHIFT);
    if (mods.alt) held.push_back(VK_MENU);
    std::vector<INPUT> inputs;
    for (WORD m : held)
        inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        inputs.push_back(KeyInput(*it, true));
    return Send(inputs);
}

bool SendUnicodeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    return inputs.empty() || Send(inputs);
}

bool SendMouseClick(POINT screen, bool right, bool twice) {
    if (!SetCursorPos(screen.x, screen.y)) return false;
    DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    std::vector<INPUT> inputs;
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        for (DWORD flag : {down, up}) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            inputs.push_back(input);
        }
    }
    return Send(inputs);
}
