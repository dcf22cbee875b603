#include "win32/ui/keyboard.h"

#include <cwctype>

#include "ui/controls.h"
#include "win32/text.h"
#include "win32/ui/form_peer.h"

namespace win32 {

namespace {

constexpr int kModalCancel = 2;

bool IsButton(const ui::Widget& w) {
    return w.kind() == ui::Kind::Button || w.kind() == ui::Kind::BitBtn;
}

// As in VCL, only the checked radio button of a group is a tab stop: entering an unchecked one
// would check it.
bool IsTabStop(ui::Widget& w) {
    if (w.kind() == ui::Kind::RadioButton && !static_cast<ui::RadioButton&>(w).Checked()) return false;
    Win32Peer* peer = Win32Peer::Of(w);
    return w.TabStop() && w.CanFocus() && peer && peer->Hwnd();
}

void CollectTabStops(ui::Widget& parent, std::vector<ui::Widget*>& out) {
    for (ui::Widget* child : parent.Children()) {
        if (IsTabStop(*child)) out.push_back(child);
        CollectTabStops(*child, out);
    }
}

void CollectAll(ui::Widget& parent, std::vector<ui::Widget*>& out) {
    for (ui::Widget* child : parent.Children()) {
        out.push_back(child);
        CollectAll(*child, out);
    }
}

// The widget whose window has the focus (or holds it, as a combo box holds its edit).
ui::Widget* FocusedWidget(HWND focus) {
    for (HWND h = focus; h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD); h = GetParent(h)) {
        if (Win32Peer* peer = Win32Peer::FromWindow(h)) return &peer->GetWidget();
    }
    return nullptr;
}

bool Usable(const ui::Widget& w) {
    Win32Peer* peer = Win32Peer::Of(w);
    return w.CanFocus() && peer && peer->Hwnd() && IsWindowVisible(peer->Hwnd()) &&
           IsWindowEnabled(peer->Hwnd());
}

void FocusControl(ui::Widget& w) {
    w.SetFocus();
    // Like a dialog: an edit entered with Tab has its whole text selected.
    if (w.kind() == ui::Kind::Edit || w.kind() == ui::Kind::SpinEdit) {
        if (Win32Peer* peer = Win32Peer::Of(w)) SendMessageW(peer->Hwnd(), EM_SETSEL, 0, -1);
    }
}

// The accelerator character of a caption ("&Save" -> 's'), 0 when none.
wchar_t Accelerator(const std::string& caption) {
    std::wstring text = Widen(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towlower(text[i + 1]));
    }
    return 0;
}

}  // namespace

std::vector<ui::Widget*> TabOrder(ui::Form& form) {
    std::vector<ui::Widget*> out;
    CollectTabStops(form, out);
    return out;
}

ui::ShiftState CurrentShift() {
    ui::ShiftState shift = ui::kShiftNone;
    if (GetKeyState(VK_SHIFT) & 0x8000) shift = shift | ui::kShift;
    if (GetKeyState(VK_CONTROL) & 0x8000) shift = shift | ui::kCtrl;
    if (GetKeyState(VK_MENU) & 0x8000) shift = shift | ui::kAlt;
    return shift;
}

FormPeer* FormPeerOfWindow(HWND hwnd) {
    HWND top = hwnd;
    while (top && (GetWindowLongW(top, GWL_STYLE) & WS_CHILD))
        top = GetParent(top);
    return top ? dynamic_cast<FormPeer*>(Win32Peer::FromWindow(top)) : nullptr;
}

bool KeyRouter::PreTranslate(MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return KeyDown(msg);
        case WM_SYSCHAR:
            return Mnemonic(msg);
        default:
            return false;
    }
}

bool KeyRouter::KeyDown(MSG& msg) {
    FormPeer* peer = FormPeerOfWindow(msg.hwnd);
    if (!peer) return false;
    HWND formWindow = peer->Hwnd();
    if (!peer->GetForm().PeerKeyDown(static_cast<ui::Key>(msg.wParam), CurrentShift())) return true;
    // The form's handlers may have closed the form or destroyed the control.
    if (!IsWindow(msg.hwnd) || !IsWindow(formWindow) || FormPeerOfWindow(msg.hwnd) != peer) return true;
    return msg.message == WM_KEYDOWN && DialogKey(msg, formWindow);
}

bool KeyRouter::DialogKey(const MSG& msg, HWND formWindow) {
    WPARAM key = msg.wParam;
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
    ui::ShiftState shift = CurrentShift();
    if (shift & (ui::kCtrl | ui::kAlt)) return false;
    HWND focus = GetFocus();
    if (focus) {
        MSG copy = msg;
        auto code =
            static_cast<UINT>(SendMessageW(focus, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&copy)));
        if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
        if (key == VK_TAB && (code & DLGC_WANTTAB)) return false;
    }
    FormPeer* peer = FormPeerOfWindow(formWindow);
    if (!peer) return false;
    ui::Form& form = peer->GetForm();
    ui::Widget* focused = FocusedWidget(focus);

    if (key == VK_TAB) {
        std::vector<ui::Widget*> order = TabOrder(form);
        std::erase_if(order, [](ui::Widget* w) { return !Usable(*w); });
        if (order.empty()) return true;
        int n = static_cast<int>(order.size()), at = -1;
        for (int i = 0; i < n; ++i) {
            if (order[i] == focused) at = i;
        }
        int next =
            at < 0 ? ((shift & ui::kShift) ? n - 1 : 0) : (at + ((shift & ui::kShift) ? n - 1 : 1)) % n;
        FocusControl(*order[next]);
        return true;
    }

    std::vector<ui::Widget*> all;
    CollectAll(form, all);
    ui::Widget* target = nullptr;
    if (key == VK_RETURN) {
        // A focused button takes Enter itself; otherwise the default button does.
        if (focused && IsButton(*focused)) {
            target = focused;
        } else {
            for (ui::Widget* w : all) {
                if (IsButton(*w) && static_cast<ui::Button*>(w)->Default() && Usable(*w)) {
                    target = w;
                    break;
                }
            }
        }
    } else {
        for (ui::Widget* w : all) {
            if (IsButton(*w) && static_cast<ui::Button*>(w)->ModalResult() == kModalCancel && Usable(*w)) {
                target = w;
                break;
            }
        }
        if (!target && peer->Modal()) {
            form.SetModalResult(kModalCancel);
            return true;
        }
    }
    if (!target) return false;
    target->PeerClicked();
    return true;
}

bool KeyRouter::Mnemonic(const MSG& msg) {
    FormPeer* peer = FormPeerOfWindow(msg.hwnd);
    if (!peer) return false;
    auto ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(msg.wParam)));
    std::vector<ui::Widget*> all;
    CollectAll(peer->GetForm(), all);
    for (ui::Widget* w : all) {
        switch (w->kind()) {
            case ui::Kind::Button:
            case ui::Kind::BitBtn:
            case ui::Kind::CheckBox:
            case ui::Kind::RadioButton:
                break;
            default:
                continue;
        }
        if (Accelerator(w->Caption()) != ch || !Usable(*w)) continue;
        if (w->kind() != ui::Kind::Button && w->kind() != ui::Kind::BitBtn) w->SetFocus();
        w->PeerClicked();
        return true;
    }
    return false;
}

}  // namespace win32
