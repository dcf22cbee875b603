// hold-hotkeys COMBO...: registers each combination (for example "ctrl+alt+d", "shift+ctrl+f4")
// as a hotkey of its own hidden window of class "RvlnHotkeyHolder", the way another application
// would claim it, and stays until that window is closed. The window's title reports what it holds
// and every WM_HOTKEY it receives: "held=ctrl+alt+d,... pressed=1:0x00440003,...".
#include <windows.h>

#include <cwctype>
#include <string>
#include <vector>

#include "commands.h"
#include "text.h"

namespace {

constexpr wchar_t kClass[] = L"RvlnHotkeyHolder";

struct Holder {
    std::wstring held;
    std::wstring pressed;
};

void ShowState(HWND hwnd, const Holder& holder) {
    std::wstring title = L"held=" + holder.held + L" pressed=" + holder.pressed;
    SetWindowTextW(hwnd, title.c_str());
}

LRESULT CALLBACK HolderProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* holder = reinterpret_cast<Holder*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_HOTKEY && holder) {
        wchar_t entry[48];
        wsprintfW(entry, L"%d:0x%08X", static_cast<int>(wparam), static_cast<unsigned>(lparam));
        if (!holder->pressed.empty()) holder->pressed += L",";
        holder->pressed += entry;
        ShowState(hwnd, *holder);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

// "ctrl+alt+d" as modifiers and a virtual key; false when it names no key.
bool ParseCombination(std::wstring text, UINT& modifiers, UINT& key) {
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    modifiers = 0;
    key = 0;
    size_t start = 0;
    for (;;) {
        const size_t plus = text.find(L'+', start);
        const std::wstring part =
            text.substr(start, plus == std::wstring::npos ? std::wstring::npos : plus - start);
        if (plus == std::wstring::npos) {
            if (part.size() == 1 && std::iswalnum(part[0])) {
                key = static_cast<UINT>(std::towupper(part[0]));
            } else if (part.size() >= 2 && part[0] == L'f') {
                auto n = ParseNumber(part.substr(1));
                if (n && *n >= 1 && *n <= 24) key = static_cast<UINT>(VK_F1 + *n - 1);
            }
            return key != 0;
        }
        if (part == L"ctrl") {
            modifiers |= MOD_CONTROL;
        } else if (part == L"alt") {
            modifiers |= MOD_ALT;
        } else if (part == L"shift") {
            modifiers |= MOD_SHIFT;
        } else {
            return false;
        }
        start = plus + 1;
    }
}

}  // namespace

int CmdHoldHotkeys(const Args& args, Json& json) {
    if (args.Positional().empty()) return Fail(json, kError, "usage: hold-hotkeys COMBO...");
    WNDCLASSW wc{};
    wc.lpfnWndProc = HolderProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, kClass, L"held=", WS_OVERLAPPEDWINDOW, 0, 0, 200, 80, nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (!hwnd) return Fail(json, kError, "cannot create the holder window");
    Holder holder;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&holder));

    std::vector<std::string> failed;
    int id = 1;
    for (const std::wstring& combination : args.Positional()) {
        UINT modifiers = 0, key = 0;
        if (!ParseCombination(combination, modifiers, key)) return Fail(json, kError, "unknown combination");
        if (RegisterHotKey(hwnd, id++, modifiers, key)) {
            if (!holder.held.empty()) holder.held += L",";
            holder.held += combination;
        } else {
            failed.push_back(Utf8(combination));
        }
    }
    ShowState(hwnd, holder);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    json.BeginObject().KeyStr("held", Utf8(holder.held)).KeyStr("pressed", Utf8(holder.pressed)).EndObject();
    return failed.empty() ? kOk : kNotFound;
}
