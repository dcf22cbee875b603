#include "win32/ui/page_control_peer.h"

#include <commctrl.h>

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/container_peers.h"

namespace win32 {

HWND PageControlPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    return CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, nullptr, ChildStyle() | WS_CLIPCHILDREN,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(),
                           nullptr);
}

RECT PageControlPeer::DisplayArea() const {
    RECT r{0, 0, 0, 0};
    if (!Hwnd()) return r;
    GetClientRect(Hwnd(), &r);
    SendMessageW(Hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

void PageControlPeer::RebuildTabs() {
    HWND hwnd = Hwnd();
    if (!hwnd) return;
    auto guard = Write();
    SendMessageW(hwnd, TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (ui::TabSheet* sheet : pages_.Pages()) {
        if (sheet == leaving_) continue;
        std::wstring caption = Widen(sheet->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
    FitSheets();
}

void PageControlPeer::SheetGone(TabSheetPeer& sheet) {
    leaving_ = &sheet.GetWidget();
    RebuildTabs();
    leaving_ = nullptr;
}

void PageControlPeer::FitSheets() {
    for (ui::TabSheet* sheet : pages_.Pages()) {
        auto* peer = dynamic_cast<TabSheetPeer*>(Of(*sheet));
        if (peer && sheet != leaving_) peer->Fit();
    }
}

void PageControlPeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::Items:
            RebuildTabs();
            break;
        case ui::Change::State: {
            auto guard = Write();
            SendMessageW(Hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
            break;
        }
        case ui::Change::Bounds:
            Win32Peer::Apply(what);
            FitSheets();
            break;
        case ui::Change::Caption:
            break;
        default:
            Win32Peer::Apply(what);
            break;
    }
}

bool PageControlPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) return false;
    result = 0;
    if (!writing_) pages_.PeerSelected(static_cast<int>(SendMessageW(Hwnd(), TCM_GETCURSEL, 0, 0)));
    return true;
}

}  // namespace win32
