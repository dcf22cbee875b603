#include "win32/ui/window.h"

#include <mutex>
#include <unordered_map>

namespace win32 {

namespace {

// The object and the original procedure of each bound window. Kept in the process rather than in
// window properties: under Wine every property read is a round trip to the server, and the
// subclass procedure needs both on every message.
struct Binding {
    MessageTarget* target = nullptr;
    WNDPROC original = nullptr;
};

std::mutex bindingsLock;
std::unordered_map<HWND, Binding>& Bindings() {
    static std::unordered_map<HWND, Binding> bindings;
    return bindings;
}

Binding Find(HWND hwnd) {
    std::lock_guard<std::mutex> lock(bindingsLock);
    auto it = Bindings().find(hwnd);
    return it == Bindings().end() ? Binding{} : it->second;
}

void SetTarget(HWND hwnd, MessageTarget* target) {
    std::lock_guard<std::mutex> lock(bindingsLock);
    if (target) {
        Bindings()[hwnd].target = target;
        return;
    }
    auto it = Bindings().find(hwnd);
    if (it == Bindings().end()) return;
    it->second.target = nullptr;
    if (!it->second.original) Bindings().erase(it);
}

void Forget(HWND hwnd) {
    std::lock_guard<std::mutex> lock(bindingsLock);
    Bindings().erase(hwnd);
}

LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    MessageTarget* target;
    if (msg == WM_NCCREATE) {
        target = static_cast<MessageTarget*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetTarget(hwnd, target);
    } else {
        target = Find(hwnd).target;
    }
    LRESULT result =
        target ? target->WindowMessage(hwnd, msg, wparam, lparam) : DefWindowProcW(hwnd, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) Forget(hwnd);
    return result;
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    const Binding binding = Find(hwnd);
    LRESULT result = binding.target     ? binding.target->WindowMessage(hwnd, msg, wparam, lparam)
                     : binding.original ? CallWindowProcW(binding.original, hwnd, msg, wparam, lparam)
                                        : DefWindowProcW(hwnd, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) Forget(hwnd);
    return result;
}

}  // namespace

bool RegisterOwnClass(HINSTANCE instance, const wchar_t* name, UINT style, HBRUSH background, HICON icon) {
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, name, &existing)) return true;
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = OwnWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<const wchar_t*>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

HWND CreateOwnWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, RECT bounds,
                     HWND parent, HMENU menuOrId, HINSTANCE instance, MessageTarget* target) {
    return CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menuOrId, instance,
                           target);
}

void Subclass(HWND hwnd, MessageTarget* target) {
    SetTarget(hwnd, target);
    LONG_PTR previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
    std::lock_guard<std::mutex> lock(bindingsLock);
    Bindings()[hwnd].original = reinterpret_cast<WNDPROC>(previous);
}

LRESULT CallOriginal(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    const WNDPROC original = Find(hwnd).original;
    return original ? CallWindowProcW(original, hwnd, msg, wparam, lparam)
                    : DefWindowProcW(hwnd, msg, wparam, lparam);
}

void Unbind(HWND hwnd) {
    SetTarget(hwnd, nullptr);
    auto proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    if (proc == reinterpret_cast<LONG_PTR>(SubclassProc)) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Find(hwnd).original));
        Forget(hwnd);
    }
    // Someone subclassed the control after us (an up-down's buddy): SubclassProc stays in the chain
    // and keeps forwarding with the original procedure it still finds.
}

void Associate(HWND hwnd, MessageTarget* target) {
    SetTarget(hwnd, target);
}

void Dissociate(HWND hwnd) {
    SetTarget(hwnd, nullptr);
}

MessageTarget* TargetOf(HWND hwnd) {
    return hwnd ? Find(hwnd).target : nullptr;
}

}  // namespace win32
