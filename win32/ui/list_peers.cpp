#include "win32/ui/list_peers.h"

#include <windowsx.h>

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/button_peers.h"
#include "ui/pictures.h"

namespace win32 {

CheckListBoxPeer::CheckListBoxPeer(Win32Backend& backend, ui::CheckListBox& list)
    : Win32Peer(backend, list), list_(list), pictures_(backend.Instance()) {}

HWND CheckListBoxPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    DWORD style =
        ChildStyle() | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(),
                           nullptr);
}

void CheckListBoxPeer::ApplyItems() {
    HWND hwnd = Hwnd();
    auto guard = Write();
    // The item height is asked of the parent while the list is made; the model's wins.
    SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, ToPixels(list_.itemHeight));
    if (shown_ != list_.Items()) {
        SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
        for (const std::string& item : list_.Items())
            SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
        shown_ = list_.Items();
        SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void CheckListBoxPeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::Items:
            ApplyItems();
            break;
        case ui::Change::State: {
            auto guard = Write();
            SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
            break;
        }
        case ui::Change::Caption:
            break;
        default:
            Win32Peer::Apply(what);
            break;
    }
}

bool CheckListBoxPeer::OnCommand(WORD code, WORD, LRESULT& result) {
    if (writing_) return false;
    switch (code) {
        case LBN_SELCHANGE:
            result = 0;
            list_.PeerSelected(static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0)));
            return true;
        case LBN_DBLCLK:
            result = 0;
            list_.PeerDoubleClicked();
            return true;
        default:
            return false;
    }
}

int CheckListBoxPeer::RowAt(int x, int y) const {
    LRESULT hit = SendMessageW(Hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    if (HIWORD(hit) != 0) return -1;
    int row = LOWORD(hit);
    return row < list_.Count() ? row : -1;
}

bool CheckListBoxPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_LBUTTONDOWN: {
            // The list selects the row first (and says so); a press on the box then flips it.
            result = CallDefault(msg, wparam, lparam);
            int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
            int row = RowAt(x, y);
            RECT item{};
            if (row >= 0 && list_.Enabled() &&
                SendMessageW(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(&item)) != LB_ERR &&
                x - item.left < ToPixels(kCheckAreaWidth)) {
                list_.PeerToggle(row);
            }
            return true;
        }
        case WM_CHAR:
            if (wparam != VK_SPACE) return false;
            if (list_.ItemIndex() >= 0) list_.PeerToggle(list_.ItemIndex());
            result = 0;
            return true;
        default:
            return false;
    }
}

bool CheckListBoxPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= list_.Count()) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
        return true;
    }
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    bool enabled = list_.Enabled();
    HBRUSH back = selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : ColorBrush();
    FillRect(dc, &r, back ? back : GetSysColorBrush(COLOR_WINDOW));

    RECT box{r.left + 2, r.top + (r.bottom - r.top - 13) / 2, r.left + 15, 0};
    box.bottom = box.top + 13;
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    switch (list_.State(index)) {
        case ui::CheckState::Checked:
            state |= DFCS_CHECKED;
            break;
        case ui::CheckState::Grayed:
            // A gray hook: the device can be ejected but not retracted.
            state = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
            break;
        default:
            break;
    }
    if (!enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    // A row with a picture: the picture after the box, the text 18 pixels on and a pixel lower.
    int textLeft = r.left + ToPixels(kCheckAreaWidth) + 2;
    if (const int picture = list_.Picture(index)) {
        const int left = r.left + ToPixels(kCheckAreaWidth) + 1;
        pictures_.Draw(picture, dc, left, r.top + (r.bottom - r.top - PictureList::kSize) / 2);
        textLeft = left + ToPixels(18);
    }
    DrawRowText(dc, list_.Items()[index], RECT{textLeft, r.top + 1, r.right, r.bottom},
                !enabled   ? COLOR_GRAYTEXT
                : selected ? COLOR_HIGHLIGHTTEXT
                           : COLOR_WINDOWTEXT);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return true;
}

ListBoxPeer::ListBoxPeer(Win32Backend& backend, ui::ListBox& list) : Win32Peer(backend, list), list_(list) {
    pictures_[0].Reset(LoadPicture(backend_.Instance(), ui::kPictureFolderFull));
    pictures_[1].Reset(LoadPicture(backend_.Instance(), ui::kPictureFolderEmpty));
}

HWND ListBoxPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    DWORD style = ChildStyle() | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                  LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT;
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(),
                           nullptr);
}

void ListBoxPeer::ApplyItems() {
    HWND hwnd = Hwnd();
    auto guard = Write();
    SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, ToPixels(list_.itemHeight));
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list_.Items())
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    for (int i = 0; i < list_.Count(); ++i)
        SendMessageW(hwnd, LB_SETSEL, list_.Selected(i), i);
    SendMessageW(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

void ListBoxPeer::ApplySelection() {
    HWND hwnd = Hwnd();
    auto guard = Write();
    for (int i = 0; i < list_.Count(); ++i) {
        const bool shown = SendMessageW(hwnd, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
        if (shown != list_.Selected(i)) SendMessageW(hwnd, LB_SETSEL, list_.Selected(i), i);
    }
    SendMessageW(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
}

void ListBoxPeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::Items:
            ApplyItems();
            break;
        case ui::Change::State:
            ApplySelection();
            break;
        case ui::Change::Caption:
            break;
        default:
            Win32Peer::Apply(what);
            break;
    }
}

bool ListBoxPeer::OnCommand(WORD code, WORD, LRESULT& result) {
    if (writing_ || code != LBN_SELCHANGE) return false;
    result = 0;
    HWND hwnd = Hwnd();
    // The native list has toggled the clicked row; the model learns each difference.
    for (int i = 0; i < list_.Count(); ++i) {
        const bool shown = SendMessageW(hwnd, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
        if (shown != list_.Selected(i)) list_.PeerToggled(i, shown);
    }
    list_.PeerScrolled(static_cast<int>(SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0)));
    return true;
}

bool ListBoxPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= list_.Count()) {
        FillRect(dc, &r, ColorBrush() ? ColorBrush() : GetSysColorBrush(COLOR_WINDOW));
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
        return true;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HBRUSH back = selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : ColorBrush();
    FillRect(dc, &r, back ? back : GetSysColorBrush(COLOR_WINDOW));
    HBITMAP picture = pictures_[list_.Picture(index) == 0 ? 0 : 1].Get();
    if (picture) {
        BITMAP info{};
        GetObjectW(picture, sizeof info, &info);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture);
        const int top = r.top + (r.bottom - r.top - info.bmHeight) / 2;
        BitBlt(dc, r.left + 2, top, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    DrawRowText(dc, list_.Items()[index], RECT{r.left + 20, r.top, r.right, r.bottom},
                selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return true;
}

}  // namespace win32
