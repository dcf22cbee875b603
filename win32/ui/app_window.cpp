#include "win32/ui/app_window.h"

#include "win32/res/resource.h"
#include "win32/module_path.h"
#include "win32/text.h"

namespace win32 {

namespace {

// Posted to itself: activation is handed on once the activation in progress is over.
constexpr UINT kActivateLastPopup = WM_APP + 1;

std::wstring ModuleBaseName(HINSTANCE instance) {
    std::wstring name = ModuleFileName(instance);
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

struct FormWalk {
    HWND owner;
    std::vector<HWND>& hidden;
};

BOOL CALLBACK HideOwnedForm(HWND hwnd, LPARAM param) {
    auto& walk = *reinterpret_cast<FormWalk*>(param);
    if (GetWindow(hwnd, GW_OWNER) == walk.owner && IsWindowVisible(hwnd)) {
        ShowWindow(hwnd, SW_HIDE);
        walk.hidden.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance, Events events) : events_(std::move(events)) {
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN));
    if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<const wchar_t*>(IDI_APPLICATION));
    RegisterOwnClass(instance, kApplicationClass, 0, nullptr, icon);
    int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    window_.Reset(CreateOwnWindow(0, kApplicationClass, ModuleBaseName(instance).c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                  RECT{x, y, x, y}, nullptr, nullptr, instance, this));
}

ApplicationWindow::~ApplicationWindow() {
    if (window_) Unbind(window_.Get());
}

void ApplicationWindow::SetTitle(const std::string& title) {
    SetWindowTextW(window_.Get(), Widen(title).c_str());
}

void ApplicationWindow::ShowOnce() {
    if (shown_ || !window_) return;
    shown_ = true;
    ShowWindow(window_.Get(), SW_SHOWNOACTIVATE);
}

void ApplicationWindow::Minimize() {
    if (!window_ || IsIconic(window_.Get())) return;
    shown_ = true;
    // Activating it first keeps the system from handing activation to another of our forms.
    SetActiveWindow(window_.Get());
    ShowWindow(window_.Get(), SW_MINIMIZE);
}

void ApplicationWindow::Restore() {
    if (!window_ || !IsIconic(window_.Get())) return;
    ShowWindow(window_.Get(), SW_RESTORE);
}

void ApplicationWindow::HideForms() {
    FormWalk walk{window_.Get(), hiddenForms_};
    EnumThreadWindows(GetCurrentThreadId(), HideOwnedForm, reinterpret_cast<LPARAM>(&walk));
}

void ApplicationWindow::ShowForms() {
    std::vector<HWND> forms;
    forms.swap(hiddenForms_);
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if (IsWindow(*it)) ShowWindow(*it, SW_SHOWNA);
    }
}

void ApplicationWindow::Forget(HWND form) {
    std::erase(hiddenForms_, form);
}

void ApplicationWindow::ActivateLastPopup() {
    HWND self = window_.Get();
    if (!self || IsIconic(self) || GetActiveWindow() != self) return;
    HWND target = GetLastActivePopup(self);
    if (target == self || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = events_.mainForm ? events_.mainForm() : nullptr;
    }
    if (target && target != self && IsWindowVisible(target) && IsWindowEnabled(target))
        SetActiveWindow(target);
}

LRESULT ApplicationWindow::WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_SYSCOMMAND:
            if ((wparam & 0xFFF0) == SC_CLOSE) {
                if (events_.closeRequested) events_.closeRequested();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (events_.closeRequested) events_.closeRequested();
            return 0;
        case WM_SIZE:
            if (wparam == SIZE_MINIMIZED || wparam == SIZE_RESTORED) {
                if (wparam == SIZE_MINIMIZED) {
                    HideForms();
                } else {
                    ShowForms();
                }
                if (events_.stateChanged) events_.stateChanged(wparam == SIZE_MINIMIZED);
                if (wparam == SIZE_RESTORED) PostMessageW(hwnd, kActivateLastPopup, 0, 0);
            }
            break;
        case WM_ACTIVATE:
            // The application window never keeps the activation: the user works in its forms.
            if (LOWORD(wparam) != WA_INACTIVE && !HIWORD(wparam))
                PostMessageW(hwnd, kActivateLastPopup, 0, 0);
            return 0;
        case kActivateLastPopup:
            ActivateLastPopup();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

}  // namespace win32
