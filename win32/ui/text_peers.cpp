#include "win32/ui/text_peers.h"

#include <commctrl.h>
#include <windowsx.h>

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/form_peer.h"
#include "win32/ui/range_peers.h"

namespace win32 {

namespace {

HWND CreateControl(DWORD exStyle, const wchar_t* className, const std::string& text, DWORD style,
                   const Placement& placement, HINSTANCE instance) {
    const RECT& r = placement.bounds;
    return CreateWindowExW(exStyle, className, Widen(text).c_str(), style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), instance, nullptr);
}

}  // namespace

DWORD LabelPeer::AlignmentStyle() const {
    switch (label_.alignment) {
        case ui::TextAlign::Center:
            return SS_CENTER;
        case ui::TextAlign::Right:
            return SS_RIGHT;
        default:
            return SS_LEFT;
    }
}

HWND LabelPeer::CreateNative(const Placement& placement) {
    return CreateControl(label_.sunken ? WS_EX_STATICEDGE : 0, L"STATIC", label_.Caption(),
                         ChildStyle() | AlignmentStyle(), placement, backend_.Instance());
}

void LabelPeer::Apply(ui::Change what) {
    if (what == ui::Change::Hint) {
        // A static lets the mouse through to its parent unless it notifies; one with a hint must
        // see the mouse for its tooltip.
        HWND hwnd = Hwnd();
        LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        LONG wanted = label_.Hint().empty() ? (style & ~SS_NOTIFY) : (style | SS_NOTIFY);
        if (wanted != style) SetWindowLongW(hwnd, GWL_STYLE, wanted);
    }
    if (what == ui::Change::Style || what == ui::Change::Caption) {
        HWND hwnd = Hwnd();
        LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        LONG wanted = (style & ~(SS_TYPEMASK)) | static_cast<LONG>(AlignmentStyle());
        if (wanted != style) {
            SetWindowLongW(hwnd, GWL_STYLE, wanted);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
    }
    Win32Peer::Apply(what);
}

HBRUSH LabelPeer::OnCtlColor(UINT msg, HDC dc) {
    if (label_.transparent && label_.Color() == ui::kDefaultColor) {
        SetBkMode(dc, TRANSPARENT);
        return BackgroundBrush();
    }
    return Win32Peer::OnCtlColor(msg, dc);
}

HWND EditPeer::CreateNative(const Placement& placement) {
    return CreateControl(WS_EX_CLIENTEDGE, L"EDIT", edit_.Text(), ChildStyle() | ES_AUTOHSCROLL, placement,
                         backend_.Instance());
}

bool EditPeer::Realize() {
    if (!Win32Peer::Realize()) return false;
    UpDownPeer::EditRealized(edit_);
    return true;
}

void EditPeer::ApplyOptions() {
    HWND hwnd = Hwnd();
    SendMessageW(hwnd, EM_LIMITTEXT, edit_.maxLength > 0 ? edit_.maxLength : 0, 0);
    bool readOnly = (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
    if (readOnly != edit_.readOnly) SendMessageW(hwnd, EM_SETREADONLY, edit_.readOnly, 0);
}

void EditPeer::ApplySelection() {
    const std::string& text = edit_.Text();
    if (edit_.SelStart() == 0 && edit_.SelLength() == static_cast<int>(text.size())) {
        SendMessageW(Hwnd(), EM_SETSEL, 0, -1);
        return;
    }
    // The model counts UTF-8 bytes, the control UTF-16 units.
    auto units = [&text](int bytes) {
        return static_cast<LPARAM>(Widen(text.substr(0, static_cast<size_t>(bytes))).size());
    };
    int end = edit_.SelStart() + edit_.SelLength();
    SendMessageW(Hwnd(), EM_SETSEL, static_cast<WPARAM>(units(edit_.SelStart())), units(end));
}

void EditPeer::Apply(ui::Change what) {
    if (what == ui::Change::Style || what == ui::Change::Caption) ApplyOptions();
    if (what == ui::Change::Selection) {
        ApplySelection();
        return;
    }
    Win32Peer::Apply(what);
}

bool EditPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (msg != WM_LBUTTONUP) return false;
    // As VCL's edit: the click counts when the button comes up over the field.
    result = CallDefault(msg, wparam, lparam);
    RECT r;
    GetClientRect(Hwnd(), &r);
    POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    if (PtInRect(&r, p)) edit_.PeerClicked();
    return true;
}

bool EditPeer::OnCommand(WORD code, WORD, LRESULT& result) {
    if (code != EN_CHANGE || writing_) return false;
    result = 0;
    edit_.PeerTextChanged(Text());
    return true;
}

SpinEditPeer::~SpinEditPeer() {
    if (arrows_) {
        if (FormPeer* form = OwnerFormPeer()) form->Hints().Remove(arrows_.Get());
        Dissociate(arrows_.Get());
    }
}

HWND SpinEditPeer::CreateNative(const Placement& placement) {
    HWND edit = EditPeer::CreateNative(placement);
    if (!edit) return nullptr;
    // Not UDS_SETBUDDYINT: the model writes the number; the arrows only ask for the next one.
    arrows_.Reset(
        CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                        (ChildStyle() & ~WS_TABSTOP) | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
                        0, 0, placement.parent, nullptr, backend_.Instance(), nullptr));
    if (arrows_) {
        Associate(arrows_.Get(), this);
        SendMessageW(arrows_.Get(), UDM_SETRANGE32, 0, 100);
        SendMessageW(arrows_.Get(), UDM_SETPOS32, 0, 50);
        SendMessageW(arrows_.Get(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    }
    return edit;
}

void SpinEditPeer::Apply(ui::Change what) {
    EditPeer::Apply(what);
    HWND arrows = arrows_.Get();
    if (!arrows) return;
    switch (what) {
        case ui::Change::Bounds:
            // The arrows take their room from the edit again.
            SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Hwnd()), 0);
            break;
        case ui::Change::Visible:
            ShowWindow(arrows, spin_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::Change::Enabled:
            EnableWindow(arrows, spin_.Enabled());
            break;
        case ui::Change::Hint:
            if (FormPeer* form = OwnerFormPeer())
                form->Hints().Set(arrows, spin_.Hint(), spin_.ShowHint(), false);
            break;
        default:
            break;
    }
}

bool SpinEditPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != arrows_.Get() || header.code != UDN_DELTAPOS) return false;
    auto& change = reinterpret_cast<NMUPDOWN&>(header);
    // Cancelled: the arrows never move; the model's new value comes back as the edit's text.
    result = TRUE;
    if (change.iDelta != 0) spin_.PeerSpin(change.iDelta > 0);
    return true;
}

}  // namespace win32
