#include "win32/ui/peer.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/form.h"
#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/form_peer.h"

namespace win32 {

HFONT GuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawRowText(HDC dc, const std::string& text, RECT rect, int sysColor) {
    const std::wstring wide = Widen(text);
    HGDIOBJ oldFont = SelectObject(dc, GuiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(sysColor));
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

Win32Peer::Win32Peer(Win32Backend& backend, ui::Widget& widget) : backend_(backend), widget_(widget) {}

Win32Peer::~Win32Peer() {
    if (!hwnd_) return;
    if (FormPeer* form = OwnerFormPeer(); form && form != this) form->Hints().Remove(hwnd_);
    if (!nameProperty_.empty()) RemovePropW(hwnd_, nameProperty_.c_str());
    Unbind(hwnd_);
    hwnd_ = nullptr;
    window_.Reset();
}

bool Win32Peer::Realize() {
    Placement placement = Place();
    if (widget_.kind() != ui::Kind::Form && !placement.parent) return false;
    placement.id = backend_.NextControlId();
    HWND hwnd = CreateNative(placement);
    if (!hwnd) {
        hwnd_ = nullptr;
        return false;
    }
    hwnd_ = hwnd;
    window_.Reset(hwnd);
    KeepSiblingOrder(placement.parent);
    if (!OwnClass()) Subclass(hwnd, this);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    if (widget_.kind() != ui::Kind::Form) {
        // Lets a test or a tool find the control from any process.
        nameProperty_ = L"RvlnName." + Widen(widget_.Name());
        SetPropW(hwnd, nameProperty_.c_str(), reinterpret_cast<HANDLE>(1));
    }
    // Not the colour: a window just made is painted whole when it shows, in its colour; asking
    // for that again is one more round trip to the server under Wine.
    using ui::Change;
    for (Change what :
         {Change::Style, Change::Caption, Change::Selection, Change::Items, Change::State, Change::Hint,
          Change::Default, Change::Enabled, Change::Icon, Change::Bounds, Change::Visible}) {
        Apply(what);
    }
    return true;
}

void Win32Peer::KeepSiblingOrder(HWND parent) {
    // Controls made with their form stack in the order of the model, each new one under the
    // others. One made later (its page shown for the first time) goes where it would have been:
    // right over the window of the next sibling that has one.
    ui::Widget* owner = widget_.Parent();
    if (!owner || !parent) return;
    const auto& siblings = owner->Children();
    auto self = std::find(siblings.begin(), siblings.end(), &widget_);
    if (self == siblings.end()) return;
    for (auto it = self + 1; it != siblings.end(); ++it) {
        Win32Peer* peer = Of(**it);
        if (!peer || !peer->Hwnd() || GetParent(peer->Hwnd()) != parent) continue;
        HWND above = GetWindow(peer->Hwnd(), GW_HWNDPREV);
        if (above == hwnd_) return;
        SetWindowPos(hwnd_, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
}

void Win32Peer::Update(ui::Change what) {
    if (hwnd_) Apply(what);
}

void Win32Peer::Focus() {
    if (!hwnd_) return;
    HWND top = hwnd_;
    while (GetWindowLongW(top, GWL_STYLE) & WS_CHILD)
        top = GetParent(top);
    // Focusing a control of a hidden form would activate the invisible window; the form puts the
    // focus on its active control when it is activated.
    if (!IsWindowVisible(top)) return;
    if (IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_)) SetFocus(hwnd_);
}

port::WindowId Win32Peer::Native() const {
    return reinterpret_cast<port::WindowId>(hwnd_);
}

FormPeer* Win32Peer::OwnerFormPeer() const {
    ui::Form* form = widget_.OwnerForm();
    return form ? dynamic_cast<FormPeer*>(form->GetPeer()) : nullptr;
}

Win32Peer* Win32Peer::FromWindow(HWND hwnd) {
    return dynamic_cast<Win32Peer*>(TargetOf(hwnd));
}

Win32Peer* Win32Peer::Of(const ui::Widget& widget) {
    return dynamic_cast<Win32Peer*>(widget.GetPeer());
}

Placement Win32Peer::Place() const {
    Placement placement;
    int dx = 0, dy = 0;
    for (ui::Widget* w = widget_.Parent(); w; w = w->Parent()) {
        if (Win32Peer* peer = Of(*w); peer && peer->ContainerWindow()) {
            placement.parent = peer->ContainerWindow();
            break;
        }
        dx += w->Left();
        dy += w->Top();
    }
    // Each edge is scaled on its own, so that neighbours that touch at 96 DPI still touch.
    placement.bounds = RECT{ToPixels(dx + widget_.Left()), ToPixels(dy + widget_.Top()),
                            ToPixels(dx + widget_.Left() + widget_.Width()),
                            ToPixels(dy + widget_.Top() + widget_.Height())};
    return placement;
}

LayoutScale Win32Peer::Scale() const {
    const FormPeer* form = OwnerFormPeer();
    return form && form != this ? form->Scale() : LayoutScale{};
}

int Win32Peer::ToPixels(int value) const {
    return Scale().ToPixels(value);
}

int Win32Peer::FromPixels(int value) const {
    return Scale().FromPixels(value);
}

DWORD Win32Peer::ChildStyle() const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (widget_.Visible()) style |= WS_VISIBLE;
    if (!widget_.Enabled()) style |= WS_DISABLED;
    if (widget_.TabStop()) style |= WS_TABSTOP;
    return style;
}

void Win32Peer::Apply(ui::Change what) {
    using ui::Change;
    switch (what) {
        case Change::Caption:
            SetText(widget_.Caption());
            break;
        case Change::Bounds: {
            // A window made at its bounds, or already there, is left alone: under Wine each
            // move is a round trip to the server and two messages, even to the same place.
            RECT r = Place().bounds;
            if (!AtBounds(r)) {
                SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
        }
        case Change::Visible:
            if (!widget_.Visible()) ReleaseFocus();
            // A window made visible needs no second showing.
            if (widget_.Visible() == ((GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0)) break;
            ShowWindow(hwnd_, widget_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Change::Enabled:
            if (!widget_.Enabled()) ReleaseFocus();
            EnableWindow(hwnd_, widget_.Enabled());
            break;
        case Change::Hint:
            if (FormPeer* form = OwnerFormPeer(); form && form != this)
                form->Hints().Set(hwnd_, widget_.Hint(), widget_.ShowHint());
            break;
        case Change::Color:
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        default:
            break;
    }
}

bool Win32Peer::AtBounds(const RECT& bounds) const {
    RECT now;
    if (!GetWindowRect(hwnd_, &now)) return false;
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&now), 2);
    return EqualRect(&now, &bounds) != FALSE;
}

void Win32Peer::ReleaseFocus() {
    HWND focus = GetFocus();
    if (!focus || (focus != hwnd_ && !IsChild(hwnd_, focus))) return;
    if (FormPeer* form = OwnerFormPeer(); form && form != this) SetFocus(form->Hwnd());
}

HBRUSH Win32Peer::ColorBrush() {
    std::uint32_t color = widget_.Color();
    if (color == ui::kDefaultColor) return nullptr;
    if (!brush_ || brushColor_ != color) {
        brush_.Reset(CreateSolidBrush(color));
        brushColor_ = color;
    }
    return brush_.Get();
}

HBRUSH Win32Peer::BackgroundBrush() {
    if (HBRUSH own = ColorBrush()) return own;
    if (ui::Widget* parent = widget_.Parent()) {
        if (Win32Peer* peer = Of(*parent)) return peer->BackgroundBrush();
    }
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Win32Peer::OnCtlColor(UINT msg, HDC dc) {
    if (HBRUSH brush = ColorBrush()) {
        SetBkColor(dc, widget_.Color());
        return brush;
    }
    if (!InheritsColor()) return nullptr;
    for (ui::Widget* w = widget_.Parent(); w; w = w->Parent()) {
        Win32Peer* peer = Of(*w);
        if (!peer) continue;
        if (HBRUSH brush = peer->ColorBrush()) {
            SetBkColor(dc, w->Color());
            return brush;
        }
    }
    return nullptr;
}

void Win32Peer::SetText(const std::string& text) {
    if (Text() == text) return;
    auto guard = Write();
    SetWindowTextW(hwnd_, Widen(text).c_str());
}

std::string Win32Peer::Text() const {
    int length = GetWindowTextLengthW(hwnd_);
    if (length <= 0) return {};
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(hwnd_, buffer.data(), length + 1);
    buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return Narrow(buffer);
}

LRESULT Win32Peer::CallDefault(UINT msg, WPARAM wparam, LPARAM lparam) {
    return OwnClass() ? DefWindowProcW(hwnd_, msg, wparam, lparam) : CallOriginal(hwnd_, msg, wparam, lparam);
}

LRESULT Win32Peer::WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!hwnd_) hwnd_ = hwnd;  // messages of an own class before CreateWindowEx returns
    LRESULT result = 0;
    if (Reflect(msg, wparam, lparam, result)) return result;
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        if (FormPeer* form = OwnerFormPeer(); form && form != this)
            form->Hints().Relay(hwnd, msg, wparam, lparam);
    }
    switch (msg) {
        case WM_SETFOCUS:
            widget_.PeerFocused(true);
            break;
        case WM_MOUSEMOVE:
            widget_.PeerMouseMove(FromPixels(GET_X_LPARAM(lparam)), FromPixels(GET_Y_LPARAM(lparam)));
            break;
        case WM_NCDESTROY:
            result = CallDefault(msg, wparam, lparam);
            Detach();
            return result;
        default:
            break;
    }
    if (OnMessage(msg, wparam, lparam, result)) return result;
    return CallDefault(msg, wparam, lparam);
}

void Win32Peer::Detach() {
    // The window is gone (its parent took it along); the peer stays until the model drops it.
    if (!nameProperty_.empty()) RemovePropW(hwnd_, nameProperty_.c_str());
    window_.Release();
    hwnd_ = nullptr;
}

bool Win32Peer::Reflect(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
            child = reinterpret_cast<HWND>(lparam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(lparam)->hwndFrom;
            break;
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
            if (item->CtlType != ODT_MENU) child = item->hwndItem;
            break;
        }
        default:
            return false;
    }
    if (!child || child == hwnd_) return false;
    Win32Peer* peer = FromWindow(child);
    return peer && peer->Reflected(msg, wparam, lparam, result);
}

bool Win32Peer::Reflected(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            return OnCommand(HIWORD(wparam), LOWORD(wparam), result);
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lparam), result);
        case WM_DRAWITEM:
            result = TRUE;
            return OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
        case WM_HSCROLL:
        case WM_VSCROLL:
            result = 0;
            return OnScroll(LOWORD(wparam));
        default:
            if (HBRUSH brush = OnCtlColor(msg, reinterpret_cast<HDC>(wparam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
            return false;
    }
}

}  // namespace win32
