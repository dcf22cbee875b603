#include "win32/ui/combo_box_peer.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/text.h"
#include "win32/ui/backend.h"

namespace win32 {

namespace {

constexpr int kPictureSize = PictureList::kSize;

}  // namespace

ComboBoxPeer::ComboBoxPeer(Win32Backend& backend, ui::ComboBox& combo)
    : Win32Peer(backend, combo), combo_(combo), pictures_(backend.Instance()) {}

HWND ComboBoxPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    DWORD style = ChildStyle() | WS_VSCROLL | (combo_.dropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    if (combo_.HasPictures()) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    HWND hwnd = CreateWindowExW(
        0, L"COMBOBOX", nullptr, style, r.left, r.top, r.right - r.left, r.bottom - r.top, placement.parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(), nullptr);
    if (hwnd) ApplyRowHeight(hwnd);
    return hwnd;
}

void ComboBoxPeer::ApplyRowHeight(HWND hwnd) {
    if (!combo_.HasPictures()) return;
    // Rows as high as a picture with a pixel above and below, and as the text at the window's DPI;
    // the parent is not asked.
    const int row = std::max(kPictureSize, ToPixels(kPictureSize)) + 2;
    SendMessageW(hwnd, CB_SETITEMHEIGHT, 0, row);
    SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row);
}

bool ComboBoxPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < static_cast<int>(combo_.Items().size())) {
        pictures_.Draw(combo_.Picture(index), dc, r.left + 2, r.top + (r.bottom - r.top - kPictureSize) / 2);
        DrawRowText(dc, combo_.Items()[index], RECT{r.left + kPictureSize + 6, r.top, r.right, r.bottom},
                    !IsWindowEnabled(Hwnd()) ? COLOR_GRAYTEXT
                    : selected               ? COLOR_HIGHLIGHTTEXT
                                             : COLOR_WINDOWTEXT);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return true;
}

int ComboBoxPeer::DroppedHeight() const {
    auto row = static_cast<int>(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, 0, 0));
    if (row <= 0) row = 13;
    int rows = combo_.dropDownCount > 0 ? combo_.dropDownCount : 8;
    return ToPixels(combo_.Height()) + row * rows + 2;
}

void ComboBoxPeer::Apply(ui::Change what) {
    HWND hwnd = Hwnd();
    switch (what) {
        case ui::Change::Bounds: {
            RECT r = Place().bounds;
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, DroppedHeight(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(hwnd, CB_SETMINVISIBLE, combo_.dropDownCount, 0);
            break;
        }
        case ui::Change::Items:
            ApplyItems();
            break;
        case ui::Change::State:
            ApplySelection();
            break;
        case ui::Change::Caption:
            break;  // a drop-down list shows its selected entry
        default:
            Win32Peer::Apply(what);
            break;
    }
}

void ComboBoxPeer::ApplyItems() {
    HWND hwnd = Hwnd();
    auto guard = Write();
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo_.Items())
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    ApplySelection();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ComboBoxPeer::ApplySelection() {
    HWND hwnd = Hwnd();
    auto current = static_cast<int>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
    if (current == combo_.ItemIndex()) return;
    auto guard = Write();
    SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
}

bool ComboBoxPeer::OnCommand(WORD code, WORD, LRESULT& result) {
    if (code != CBN_SELCHANGE || writing_) return false;
    result = 0;
    combo_.PeerSelected(static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0)));
    return true;
}

bool ComboBoxPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM, LRESULT& result) {
    // The dropped list asks the combo box for its colours before the combo box asks its parent.
    if (msg != WM_CTLCOLORLISTBOX && msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORSTATIC) return false;
    HBRUSH brush = OnCtlColor(msg, reinterpret_cast<HDC>(wparam));
    if (!brush) return false;
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

}  // namespace win32
