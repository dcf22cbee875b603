#include "win32/ui/status_bar_peer.h"

#include <commctrl.h>

#include <vector>

#include "win32/handles.h"
#include "win32/text.h"
#include "win32/ui/backend.h"

namespace win32 {

namespace {

COLORREF ColorOr(std::uint32_t color, int systemColor) {
    return color == ui::kDefaultColor ? GetSysColor(systemColor) : static_cast<COLORREF>(color);
}

}  // namespace

HWND StatusBarPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    // The model places the bar (it is bottom-aligned there); the control must not move itself.
    return CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, ChildStyle() | CCS_NOPARENTALIGN | CCS_NORESIZE,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(),
                           nullptr);
}

void StatusBarPeer::Apply(ui::Change what) {
    if (what == ui::Change::Style) {
        ApplyFont();
    } else if (what == ui::Change::Items || (what == ui::Change::Caption && bar_.Panels().empty())) {
        ApplyPanels();
    } else if (what != ui::Change::Caption) {
        Win32Peer::Apply(what);
    }
}

void StatusBarPeer::ApplyFont() {
    if (!bar_.italic) return;
    LOGFONTW font{};
    if (!GetObjectW(GuiFont(), sizeof(font), &font)) return;
    font.lfItalic = TRUE;
    italicFont_.Reset(CreateFontIndirectW(&font));
    if (italicFont_) SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(italicFont_.Get()), TRUE);
}

void StatusBarPeer::ApplyPanels() {
    HWND hwnd = Hwnd();
    const auto& panels = bar_.Panels();
    if (panels.empty()) {
        // One part across the whole bar, which tools read like any panel.
        int whole = -1;
        SendMessageW(hwnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
        SendMessageW(hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(bar_.Caption()).c_str()));
        return;
    }
    std::vector<int> edges;
    int right = 0;
    for (const ui::StatusPanel& panel : panels) {
        right += panel.width;
        edges.push_back(ToPixels(right));
    }
    SendMessageW(hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels.size(); ++i) {
        if (panels[i].ownerDraw) {
            // The data of an owner-drawn part is its index; the text comes from the model when drawn.
            const WPARAM bevel = panels[i].bevel == ui::PanelBevel::Raised ? SBT_POPOUT : 0;
            SendMessageW(hwnd, SB_SETTEXTW, i | SBT_OWNERDRAW | bevel, static_cast<LPARAM>(i));
        } else {
            SendMessageW(hwnd, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Widen(panels[i].text).c_str()));
        }
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

bool StatusBarPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
    const auto& panels = bar_.Panels();
    if (item.itemID >= panels.size()) return false;
    const ui::StatusPanel& panel = panels[item.itemID];
    OwnedBrush back(CreateSolidBrush(ColorOr(panel.backColor, COLOR_BTNFACE)));
    FillRect(item.hDC, &item.rcItem, back.Get());
    std::wstring text = Widen(panel.text);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ColorOr(panel.textColor, COLOR_BTNTEXT));
    RECT r = item.rcItem;
    UINT format = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (panel.textLeft >= 0) {
        r.left += panel.textLeft;
        format |= DT_LEFT;
    } else {
        format |= DT_CENTER;
    }
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r, format);
    return true;
}

}  // namespace win32
