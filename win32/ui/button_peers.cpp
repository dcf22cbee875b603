#include "win32/ui/button_peers.h"

#include <windowsx.h>

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/form_peer.h"

namespace win32 {

namespace {

HWND CreateButton(const Placement& placement, const std::string& caption, DWORD style, HINSTANCE instance) {
    const RECT& r = placement.bounds;
    return CreateWindowExW(0, L"BUTTON", Widen(caption).c_str(), style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), instance, nullptr);
}

void DrawCentered(HDC dc, HBITMAP bitmap, const RECT& r, int shift) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info)) return;
    OwnedMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory) return;
    HGDIOBJ old = SelectObject(memory.Get(), bitmap);
    int x = r.left + (r.right - r.left - info.bmWidth) / 2 + shift;
    int y = r.top + (r.bottom - r.top - info.bmHeight) / 2 + shift;
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    SelectObject(memory.Get(), old);
}

}  // namespace

HBITMAP LoadPicture(HINSTANCE instance, int id) {
    if (id == 0) return nullptr;
    return static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

HWND ButtonPeer::CreateNative(const Placement& placement) {
    for (int i = 0; i < 3; ++i)
        pictures_[i].Reset(LoadPicture(backend_.Instance(), button_.picture[i]));
    DWORD style = ChildStyle();
    if (HasPicture()) {
        style |= BS_OWNERDRAW;
    } else {
        style |= button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    }
    return CreateButton(placement, button_.Caption(), style, backend_.Instance());
}

void ButtonPeer::Apply(ui::Change what) {
    if (what == ui::Change::Default) {
        ApplyDefault();
    } else {
        Win32Peer::Apply(what);
    }
}

void ButtonPeer::ApplyDefault() {
    HWND hwnd = Hwnd();
    if (HasPicture()) {
        InvalidateRect(hwnd, nullptr, FALSE);
    } else {
        SendMessageW(hwnd, BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    FormPeer* form = OwnerFormPeer();
    if (!form || !form->Hwnd()) return;
    auto id = static_cast<UINT>(GetDlgCtrlID(hwnd));
    if (button_.Default()) {
        SendMessageW(form->Hwnd(), DM_SETDEFID, id, 0);
    } else if (form->DefaultId() == id) {
        SendMessageW(form->Hwnd(), DM_SETDEFID, 0, 0);
    }
}

bool ButtonPeer::OnCommand(WORD code, WORD, LRESULT& result) {
    if (code != BN_CLICKED || writing_) return false;
    result = 0;
    widget_.PeerClicked();
    return true;
}

bool ButtonPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = item.itemState & ODS_SELECTED;
    bool disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (button_.Default()) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    HBITMAP picture = pictures_[0].Get();
    if (disabled && pictures_[1]) picture = pictures_[1].Get();
    if (pressed && pictures_[2]) picture = pictures_[2].Get();
    DrawCentered(dc, picture, r, pressed ? 1 : 0);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

HWND SpeedButtonPeer::CreateNative(const Placement& placement) {
    DWORD style = (ChildStyle() & ~WS_TABSTOP) | BS_PUSHLIKE | BS_CHECKBOX | (button_.flat ? BS_FLAT : 0);
    return CreateButton(placement, button_.Caption(), style, backend_.Instance());
}

void SpeedButtonPeer::Apply(ui::Change what) {
    if (what == ui::Change::State) {
        SendMessageW(Hwnd(), BM_SETCHECK, button_.Down() ? BST_CHECKED : BST_UNCHECKED, 0);
    } else {
        Win32Peer::Apply(what);
    }
}

bool SpeedButtonPeer::Inside(LPARAM lparam) const {
    RECT r;
    GetClientRect(Hwnd(), &r);
    POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&r, p) != FALSE;
}

bool SpeedButtonPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    // The button's own mouse handling would take the focus; a speed button clicks without it.
    HWND hwnd = Hwnd();
    result = 0;
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            SetCapture(hwnd);
            SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
            return true;
        case WM_MOUSEMOVE:
            if (!pressed_) return false;
            SendMessageW(hwnd, BM_SETSTATE, Inside(lparam), 0);
            return true;
        case WM_LBUTTONUP: {
            if (!pressed_) return false;
            bool inside = Inside(lparam);
            pressed_ = false;
            ReleaseCapture();
            SendMessageW(hwnd, BM_SETSTATE, FALSE, 0);
            if (inside) widget_.PeerClicked();
            return true;
        }
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_ = false;
                SendMessageW(hwnd, BM_SETSTATE, FALSE, 0);
            }
            return false;
        default:
            return false;
    }
}

HWND CheckPeer::CreateNative(const Placement& placement) {
    DWORD style = ChildStyle() | (widget_.kind() == ui::Kind::RadioButton ? BS_RADIOBUTTON : BS_CHECKBOX);
    return CreateButton(placement, widget_.Caption(), style, backend_.Instance());
}

bool CheckPeer::Checked() const {
    if (widget_.kind() == ui::Kind::RadioButton) return static_cast<ui::RadioButton&>(widget_).Checked();
    return static_cast<ui::CheckBox&>(widget_).Checked();
}

void CheckPeer::Apply(ui::Change what) {
    if (what == ui::Change::State) {
        auto guard = Write();
        SendMessageW(Hwnd(), BM_SETCHECK, Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    } else {
        Win32Peer::Apply(what);
    }
}

bool CheckPeer::OnCommand(WORD code, WORD, LRESULT& result) {
    if (code != BN_CLICKED || writing_) return false;
    result = 0;
    widget_.PeerClicked();
    return true;
}

}  // namespace win32
