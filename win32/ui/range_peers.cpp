#include "win32/ui/range_peers.h"

#include <commctrl.h>

#include "ui/form.h"
#include "win32/ui/backend.h"

namespace win32 {

namespace {

HWND CreateControl(const wchar_t* className, DWORD style, const Placement& placement, HINSTANCE instance) {
    const RECT& r = placement.bounds;
    return CreateWindowExW(0, className, nullptr, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           placement.parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)),
                           instance, nullptr);
}

void FindUpDowns(ui::Widget& parent, ui::Edit& edit) {
    for (ui::Widget* child : parent.Children()) {
        if (child->kind() == ui::Kind::UpDown && static_cast<ui::UpDown*>(child)->associate == &edit) {
            if (auto* peer = dynamic_cast<UpDownPeer*>(Win32Peer::Of(*child))) peer->AttachBuddy();
        }
        FindUpDowns(*child, edit);
    }
}

}  // namespace

HWND ProgressBarPeer::CreateNative(const Placement& placement) {
    return CreateControl(PROGRESS_CLASSW, ChildStyle(), placement, backend_.Instance());
}

void ProgressBarPeer::Apply(ui::Change what) {
    if (what != ui::Change::State) {
        Win32Peer::Apply(what);
        return;
    }
    SendMessageW(Hwnd(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()), bar_.Max());
    SendMessageW(Hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
}

HWND TrackBarPeer::CreateNative(const Placement& placement) {
    return CreateControl(TRACKBAR_CLASSW, ChildStyle() | TBS_HORZ | TBS_AUTOTICKS, placement,
                         backend_.Instance());
}

void TrackBarPeer::Apply(ui::Change what) {
    if (what != ui::Change::State) {
        Win32Peer::Apply(what);
        return;
    }
    auto guard = Write();
    HWND hwnd = Hwnd();
    SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, bar_.Min());
    SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, bar_.Max());
    SendMessageW(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(bar_.frequency > 0 ? bar_.frequency : 1), 0);
    SendMessageW(hwnd, TBM_SETPOS, TRUE, bar_.Position());
}

bool TrackBarPeer::OnScroll(int) {
    if (writing_) return true;
    bar_.PeerPosition(static_cast<int>(SendMessageW(Hwnd(), TBM_GETPOS, 0, 0)));
    return true;
}

HWND UpDownPeer::CreateNative(const Placement& placement) {
    DWORD style =
        (ChildStyle() & ~WS_TABSTOP) | UDS_ARROWKEYS | UDS_NOTHOUSANDS | (upDown_.wrap ? UDS_WRAP : 0);
    return CreateControl(UPDOWN_CLASSW, style, placement, backend_.Instance());
}

void UpDownPeer::AttachBuddy() {
    HWND hwnd = Hwnd();
    if (!hwnd || !upDown_.associate) return;
    Win32Peer* edit = Of(*upDown_.associate);
    HWND buddy = edit ? edit->Hwnd() : nullptr;
    if (buddy && reinterpret_cast<HWND>(SendMessageW(hwnd, UDM_GETBUDDY, 0, 0)) != buddy)
        SendMessageW(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void UpDownPeer::EditRealized(ui::Edit& edit) {
    if (ui::Form* form = edit.OwnerForm()) FindUpDowns(*form, edit);
}

void UpDownPeer::Apply(ui::Change what) {
    if (what != ui::Change::State) {
        Win32Peer::Apply(what);
        return;
    }
    HWND hwnd = Hwnd();
    SendMessageW(hwnd, UDM_SETRANGE32, static_cast<WPARAM>(upDown_.Min()), upDown_.Max());
    SendMessageW(hwnd, UDM_SETPOS32, 0, upDown_.Position());
    AttachBuddy();
}

bool UpDownPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != UDN_DELTAPOS) return false;
    auto& change = reinterpret_cast<NMUPDOWN&>(header);
    result = TRUE;  // the model moves the position
    if (change.iDelta != 0) upDown_.PeerArrow(change.iDelta > 0);
    return true;
}

bool UpDownPeer::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    // The buttons are reported and then handled as usual: the arrows keep their own repeat.
    switch (msg) {
        case WM_LBUTTONDOWN:
            upDown_.PeerMouseDown(ui::MouseButton::Left);
            return false;
        case WM_RBUTTONDOWN:
            // The control captures only for its left button; the release of the right one must
            // come back here too, wherever the mouse is then.
            SetCapture(Hwnd());
            upDown_.PeerMouseDown(ui::MouseButton::Right);
            return false;
        case WM_MBUTTONDOWN:
            upDown_.PeerMouseDown(ui::MouseButton::Middle);
            return false;
        case WM_LBUTTONUP:
            upDown_.PeerMouseUp(ui::MouseButton::Left);
            return false;
        case WM_RBUTTONUP:
            if (GetCapture() == Hwnd()) ReleaseCapture();
            upDown_.PeerMouseUp(ui::MouseButton::Right);
            return false;
        case WM_MBUTTONUP:
            upDown_.PeerMouseUp(ui::MouseButton::Middle);
            return false;
        case WM_CONTEXTMENU:
            // Handled here, it never reaches the form, which would open its menu.
            if (upDown_.PeerContextMenu()) return false;
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace win32
