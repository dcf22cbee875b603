#include "win32/ui/form_peer.h"

#include <windowsx.h>

#include <vector>

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/keyboard.h"

namespace win32 {

namespace {

constexpr int kModalCancel = 2;  // the modal result of a dialog left with the close box

}  // namespace

DWORD FormStyle(const ui::Form& form) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    bool boxes = true;
    switch (form.borderStyle) {
        case ui::BorderStyle::Sizeable:
            style |= WS_THICKFRAME;
            break;
        case ui::BorderStyle::Dialog:
            style |= DS_MODALFRAME;
            boxes = false;
            break;
        case ui::BorderStyle::ToolWindow:
            boxes = false;
            break;
        case ui::BorderStyle::Single:
            break;
    }
    if (boxes && form.minimizeBox) style |= WS_MINIMIZEBOX;
    if (boxes && form.maximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD FormExStyle(const ui::Form& form) {
    // Windows shows the "?" button only on a caption without minimise and maximise boxes.
    const DWORD help = form.helpButton ? WS_EX_CONTEXTHELP : 0;
    switch (form.borderStyle) {
        case ui::BorderStyle::Dialog:
            return WS_EX_DLGMODALFRAME | help;
        case ui::BorderStyle::ToolWindow:
            return WS_EX_TOOLWINDOW | help;
        default:
            return help;
    }
}

FormPeer::FormPeer(Win32Backend& backend, ui::Form& form) : Win32Peer(backend, form), form_(form) {}

FormPeer::~FormPeer() {
    hints_.reset();
    backend_.FormDestroyed(*this);
}

HWND FormPeer::CreateNative(const Placement&) {
    std::wstring className = Widen(form_.ClassName());
    if (!backend_.RegisterFormClass(className)) return nullptr;
    RECT bounds{form_.Left(), form_.Top(), form_.Left() + form_.Width(), form_.Top() + form_.Height()};
    HWND hwnd =
        CreateOwnWindow(FormExStyle(form_), className.c_str(), Widen(form_.Caption()).c_str(),
                        FormStyle(form_), bounds, backend_.AppWindow(), nullptr, backend_.Instance(), this);
    if (!hwnd) return nullptr;
    // The bounds are applied once more after creation, then at this DPI.
    dpi_ = WindowDpi(hwnd);
    scale_ = LayoutScaleFor(dpi_);
    hints_ = std::make_unique<FormHints>(backend_, hwnd);
    backend_.FormCreated(*this);
    return hwnd;
}

bool FormPeer::IsMain() const {
    return backend_.MainFormPeer() == this;
}

void FormPeer::Focus() {
    HWND hwnd = Hwnd();
    if (!hwnd || !IsWindowVisible(hwnd)) return;
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
}

void FormPeer::Apply(ui::Change what) {
    HWND hwnd = Hwnd();
    using ui::Change;
    switch (what) {
        case Change::Bounds: {
            const SIZE size = NativeSize();
            SetWindowPos(hwnd, nullptr, form_.Left(), form_.Top(), size.cx, size.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Change::Visible:
            if (form_.Visible()) {
                if (IsMain()) backend_.ShowApplicationWindow();
                bool minimized = form_.State() == ui::WindowState::Minimized && !IsMain();
                ShowWindow(hwnd, minimized ? SW_SHOWMINNOACTIVE : SW_SHOW);
            } else {
                backend_.FormHidden(hwnd);
                ShowWindow(hwnd, SW_HIDE);
            }
            break;
        case Change::Enabled:
            EnableWindow(hwnd, form_.Enabled());
            break;
        case Change::Style:
            ApplyFrame();
            ApplyState();
            break;
        case Change::State:
            ApplyState();
            break;
        case Change::Icon:
            ApplyIcon();
            break;
        case Change::Caption:
        case Change::Color:
            Win32Peer::Apply(what);
            break;
        default:
            break;
    }
}

void FormPeer::ApplyFrame() {
    HWND hwnd = Hwnd();
    DWORD current = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    DWORD style = FormStyle(form_) | (current & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE));
    DWORD exStyle =
        FormExStyle(form_) | (static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)) & WS_EX_TOPMOST);
    if (style == current && exStyle == static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE))) return;
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<LONG>(exStyle));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPeer::ApplyIcon() {
    // No icon of its own (null) makes the window show its class's icon again.
    HICON icon = reinterpret_cast<HICON>(form_.Icon());
    HWND hwnd = Hwnd();
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void FormPeer::ApplyState() {
    bool minimize = form_.State() == ui::WindowState::Minimized;
    if (IsMain()) {
        // Like a VCL program: the main form goes down with the application window, which hides
        // the forms it owns, and comes back with it.
        if (minimize) {
            backend_.MinimizeApplication();
        } else {
            backend_.RestoreApplication();
        }
        return;
    }
    HWND hwnd = Hwnd();
    if (minimize != (IsIconic(hwnd) != FALSE) && IsWindowVisible(hwnd))
        ShowWindow(hwnd, minimize ? SW_MINIMIZE : SW_RESTORE);
}

SIZE FormPeer::NativeSize() const {
    // The frame keeps the system's size; only the client area scales.
    return SIZE{form_.Width() - form_.ClientWidth() + ToPixels(form_.ClientWidth()),
                form_.Height() - form_.ClientHeight() + ToPixels(form_.ClientHeight())};
}

void FormPeer::ReportBounds() {
    RECT r, client;
    if (!GetWindowRect(Hwnd(), &r) || !GetClientRect(Hwnd(), &client)) return;
    form_.PeerMoved(r.left, r.top, r.right - r.left - client.right + FromPixels(client.right),
                    r.bottom - r.top - client.bottom + FromPixels(client.bottom));
}

void FormPeer::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    scale_ = LayoutScaleFor(dpi);
    // The window first, at the place the system suggests, then every control in it from the
    // outside in: a page's area depends on its notebook's size.
    const SIZE size = NativeSize();
    SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<ui::Widget*> pending(form_.Children().rbegin(), form_.Children().rend());
    while (!pending.empty()) {
        ui::Widget* widget = pending.back();
        pending.pop_back();
        if (Win32Peer* peer = Of(*widget); peer && peer->Hwnd()) peer->DpiChanged();
        pending.insert(pending.end(), widget->Children().rbegin(), widget->Children().rend());
    }
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void FormPeer::OnActivate(bool active, bool minimized) {
    HWND hwnd = Hwnd();
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) savedFocus_ = focus;
        form_.PeerActivated(false);
        return;
    }
    form_.PeerActivated(true);
    if (!minimized && IsWindow(hwnd)) RestoreFocus();
}

void FormPeer::RestoreFocus() {
    HWND hwnd = Hwnd();
    HWND focus = GetFocus();
    // The form's OnActivate may have put the focus somewhere itself.
    if (focus && IsChild(hwnd, focus)) return;
    auto focusable = [hwnd](HWND h) {
        return h && IsChild(hwnd, h) && IsWindowVisible(h) && IsWindowEnabled(h);
    };
    if (ui::Widget* control = form_.ActiveControl()) {
        if (Win32Peer* peer = Of(*control); peer && focusable(peer->Hwnd())) {
            SetFocus(peer->Hwnd());
            return;
        }
    }
    if (focusable(savedFocus_)) {
        SetFocus(savedFocus_);
        return;
    }
    for (ui::Widget* w : TabOrder(form_)) {
        if (Win32Peer* peer = Of(*w); peer && focusable(peer->Hwnd())) {
            w->SetFocus();
            return;
        }
    }
    SetFocus(hwnd);
}

ui::PopupMenu* FormPeer::ContextMenuFor(HWND clicked) const {
    // The control's own menu, or the nearest container's, or the form's.
    for (HWND h = clicked; h && h != Hwnd(); h = GetParent(h)) {
        if (Win32Peer* peer = FromWindow(h)) {
            for (ui::Widget* w = &peer->GetWidget(); w; w = w->Parent()) {
                if (w->popupMenu) return w->popupMenu;
            }
            break;
        }
    }
    return form_.contextMenu;
}

void FormPeer::ShowContextMenu(ui::PopupMenu& menu, LPARAM lparam) {
    int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
    if (x == -1 && y == -1) backend_.CursorPos(x, y);  // from the keyboard
    backend_.Popup(menu, x, y);
}

bool FormPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    HWND hwnd = Hwnd();
    switch (msg) {
        case WM_ACTIVATE:
            OnActivate(LOWORD(wparam) != WA_INACTIVE, HIWORD(wparam) != 0);
            result = 0;
            return true;
        case WM_PAINT: {
            // The update region is validated first, so that a message box the handler shows
            // does not bring the same paint round again; nor does the handler run inside itself.
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            if (!painting_) {
                painting_ = true;
                form_.PeerPainted();
                painting_ = false;
            }
            result = 0;
            return true;
        }
        case WM_QUERYENDSESSION:
            result = TRUE;
            return true;
        case WM_ENDSESSION:
            // Windows ends the session by other means (the Start menu): the process may be gone
            // once this returns, so the main window saves now.
            if (wparam && IsMain()) form_.PeerEndSession();
            result = 0;
            return true;
        case WM_SETCURSOR:
            // Controls ask their parent first, so the form answers for all of them.
            if (!backend_.BusyCursor()) return false;
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<const wchar_t*>(IDC_WAIT)));
            result = TRUE;
            return true;
        case WM_ERASEBKGND:
            if (HBRUSH brush = ColorBrush()) {
                RECT r;
                GetClientRect(hwnd, &r);
                FillRect(reinterpret_cast<HDC>(wparam), &r, brush);
                result = 1;
                return true;
            }
            return false;
        case WM_CLOSE:
            // The model decides whether the form goes; a modal form is cancelled as in VCL.
            if (modal_) {
                form_.SetModalResult(kModalCancel);
            } else {
                form_.PeerCloseRequested();
            }
            result = 0;
            return true;
        case WM_SYSCOMMAND:
            if (IsMain()) {
                UINT command = static_cast<UINT>(wparam) & 0xFFF0;
                if (command == SC_MINIMIZE) {
                    backend_.MinimizeApplication();
                    result = 0;
                    return true;
                }
                if (command == SC_RESTORE && IsIconic(backend_.AppWindow())) {
                    backend_.RestoreApplication();
                    result = 0;
                    return true;
                }
            }
            return false;
        case WM_SIZE:
            if (wparam == SIZE_MINIMIZED) {
                form_.PeerStateChanged(ui::WindowState::Minimized);
            } else {
                if (form_.State() == ui::WindowState::Minimized && !IsMain())
                    form_.PeerStateChanged(ui::WindowState::Normal);
                ReportBounds();
            }
            return false;
        case WM_MOVE:
            if (!IsIconic(hwnd)) ReportBounds();
            return false;
        case kWmDpiChanged:
            OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            result = 0;
            return true;
        case WM_CONTEXTMENU: {
            // Passed up from a child, the message may name the child that passed it rather than
            // the control under the mouse; the point (or the focus, from the keyboard) decides.
            HWND clicked = GetFocus();
            if (GET_X_LPARAM(lparam) != -1 || GET_Y_LPARAM(lparam) != -1) {
                POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
                clicked = hwnd;
                for (;;) {
                    POINT local = at;
                    ScreenToClient(clicked, &local);
                    HWND child = ChildWindowFromPointEx(clicked, local, CWP_SKIPINVISIBLE);
                    if (!child || child == clicked) break;
                    clicked = child;
                }
            }
            ui::PopupMenu* menu = ContextMenuFor(clicked);
            if (!menu) return false;
            ShowContextMenu(*menu, lparam);
            result = 0;
            return true;
        }
        case WM_HELP: {
            // Children pass it up unhandled, so it arrives here for every control of the form.
            const auto* info = reinterpret_cast<const HELPINFO*>(lparam);
            ui::Widget* control = nullptr;
            if (info && info->iContextType == HELPINFO_WINDOW) {
                if (Win32Peer* peer = FromWindow(static_cast<HWND>(info->hItemHandle)))
                    control = &peer->GetWidget();
            }
            form_.PeerHelp(control);
            result = TRUE;
            return true;
        }
        case DM_GETDEFID:
            result = defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
            return true;
        case DM_SETDEFID:
            defaultId_ = static_cast<UINT>(wparam);
            result = TRUE;
            return true;
        default:
            return false;
    }
}

}  // namespace win32
