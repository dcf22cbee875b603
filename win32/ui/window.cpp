#include "win32/ui/window.h"

namespace win32 {

namespace {

const wchar_t kTargetProp[] = L"RvlnTarget";
const wchar_t kProcProp[] = L"RvlnOriginalProc";

LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    MessageTarget* target;
    if (msg == WM_NCCREATE) {
        target = static_cast<MessageTarget*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
        if (target) SetPropW(hwnd, kTargetProp, target);
    } else {
        target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    LRESULT result =
        target ? target->WindowMessage(hwnd, msg, wparam, lparam) : DefWindowProcW(hwnd, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kTargetProp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return result;
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* target = static_cast<MessageTarget*>(GetPropW(hwnd, kTargetProp));
    LRESULT result =
        target ? target->WindowMessage(hwnd, msg, wparam, lparam) : CallOriginal(hwnd, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kTargetProp);
        RemovePropW(hwnd, kProcProp);
    }
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
    SetPropW(hwnd, kTargetProp, target);
    LONG_PTR previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
    SetPropW(hwnd, kProcProp, reinterpret_cast<HANDLE>(previous));
}

LRESULT CallOriginal(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kProcProp));
    return original ? CallWindowProcW(original, hwnd, msg, wparam, lparam)
                    : DefWindowProcW(hwnd, msg, wparam, lparam);
}

void Unbind(HWND hwnd) {
    RemovePropW(hwnd, kTargetProp);
    auto proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    if (proc == reinterpret_cast<LONG_PTR>(SubclassProc)) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(hwnd, kProcProp)));
        RemovePropW(hwnd, kProcProp);
    } else if (proc == reinterpret_cast<LONG_PTR>(OwnWindowProc)) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    // Someone subclassed the control after us (an up-down's buddy): SubclassProc stays in the chain
    // and keeps forwarding with the original procedure it still finds.
}

void Associate(HWND hwnd, MessageTarget* target) {
    SetPropW(hwnd, kTargetProp, target);
}

void Dissociate(HWND hwnd) {
    RemovePropW(hwnd, kTargetProp);
}

MessageTarget* TargetOf(HWND hwnd) {
    return hwnd ? static_cast<MessageTarget*>(GetPropW(hwnd, kTargetProp)) : nullptr;
}

}  // namespace win32
