#include "tests/win32ui/harness.h"

#include <vector>

#include "win32/text.h"
#include "win32/ui/peer.h"

namespace harness {

namespace {
win32::Win32Loop* loop = nullptr;
}  // namespace

win32::Win32Loop& Loop() {
    return *loop;
}

void SetLoop(win32::Win32Loop& l) {
    loop = &l;
}

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        loop->ProcessMessages();
        Sleep(5);
    } while (GetTickCount() - start < ms);
    loop->ProcessMessages();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        loop->ProcessMessages();
        Sleep(5);
    }
    return true;
}

HWND Hwnd(const ui::Widget& widget) {
    auto* peer = win32::Win32Peer::Of(widget);
    return peer ? peer->Hwnd() : nullptr;
}

std::string ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return win32::Narrow(name);
}

std::string TextOf(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return win32::Narrow(text);
}

ui::Rect RelativeBounds(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return ui::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

COLORREF Pixel(HWND hwnd, int x, int y) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(50);
    HDC dc = GetDC(hwnd);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

bool HasName(HWND hwnd, const std::string& name) {
    return GetPropW(hwnd, win32::Widen("RvlnName." + name).c_str()) != nullptr;
}

namespace {

INPUT KeyInput(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, 0));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

}  // namespace

void Press(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD m : modifiers)
        inputs.push_back(KeyInput(m, true));
    inputs.push_back(KeyInput(key, true));
    inputs.push_back(KeyInput(key, false));
    for (auto it = modifiers.end(); it != modifiers.begin();) {
        --it;
        inputs.push_back(KeyInput(*it, false));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump(150);
}

void Click(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

}  // namespace harness
