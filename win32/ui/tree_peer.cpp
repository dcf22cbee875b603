#include "win32/ui/tree_peer.h"

#include <shellapi.h>

#include "win32/on_demand.h"
#include "win32/text.h"
#include "win32/ui/backend.h"

namespace win32 {

HWND TreeViewPeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    DWORD style = ChildStyle() | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    HWND hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr, style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, placement.parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)),
                                backend_.Instance(), nullptr);
    // The system's small icons: shared with the shell, never destroyed here.
    SHFILEINFOW info{};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES;
    auto list = reinterpret_cast<HIMAGELIST>(
        on_demand::SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags));
    closedPicture_ = info.iIcon;
    on_demand::SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                              flags | SHGFI_OPENICON);
    openPicture_ = info.iIcon;
    if (hwnd && list) SendMessageW(hwnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    return hwnd;
}

void TreeViewPeer::SyncItems() {
    HWND hwnd = Hwnd();
    auto guard = Write();
    if (static_cast<int>(items_.size()) > tree_.Count()) {
        SendMessageW(hwnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        items_.clear();
        plus_.clear();
    }
    for (int id = static_cast<int>(items_.size()) + 1; id <= tree_.Count(); ++id) {
        const ui::TreeView::Node& node = tree_.At(id);
        std::wstring text = Widen(node.text);
        TVINSERTSTRUCTW insert{};
        insert.hParent = node.parent ? items_[static_cast<size_t>(node.parent - 1)] : TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = text.data();
        insert.item.lParam = id;
        insert.item.cChildren = 1;
        insert.item.iImage = closedPicture_;
        insert.item.iSelectedImage = openPicture_;
        items_.push_back(reinterpret_cast<HTREEITEM>(
            SendMessageW(hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert))));
        plus_.push_back(1);
    }
    // A node read without subdirectories loses its plus sign.
    for (int id = 1; id <= tree_.Count(); ++id) {
        const ui::TreeView::Node& node = tree_.At(id);
        const signed char plus = !node.populated || !node.children.empty();
        if (plus_[static_cast<size_t>(id - 1)] == plus) continue;
        plus_[static_cast<size_t>(id - 1)] = plus;
        TVITEMW item{};
        item.mask = TVIF_CHILDREN | TVIF_HANDLE;
        item.hItem = items_[static_cast<size_t>(id - 1)];
        item.cChildren = plus;
        SendMessageW(hwnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void TreeViewPeer::SyncState() {
    SyncItems();
    HWND hwnd = Hwnd();
    auto guard = Write();
    for (int id = 1; id <= tree_.Count(); ++id) {
        if (tree_.At(id).expanded)
            SendMessageW(hwnd, TVM_EXPAND, TVE_EXPAND,
                         reinterpret_cast<LPARAM>(items_[static_cast<size_t>(id - 1)]));
    }
    const int selected = tree_.Selected();
    if (tree_.Valid(selected)) {
        SendMessageW(hwnd, TVM_SELECTITEM, TVGN_CARET,
                     reinterpret_cast<LPARAM>(items_[static_cast<size_t>(selected - 1)]));
    }
}

void TreeViewPeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::Items:
            SyncItems();
            break;
        case ui::Change::State:
            SyncState();
            break;
        case ui::Change::Caption:
            break;
        default:
            Win32Peer::Apply(what);
            break;
    }
}

bool TreeViewPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (writing_) return false;
    switch (header.code) {
        case TVN_ITEMEXPANDINGW: {
            const auto& tv = reinterpret_cast<const NMTREEVIEWW&>(header);
            if (tv.action & TVE_EXPAND) tree_.PeerExpanding(static_cast<int>(tv.itemNew.lParam));
            result = FALSE;
            return true;
        }
        case TVN_ITEMEXPANDEDW: {
            const auto& tv = reinterpret_cast<const NMTREEVIEWW&>(header);
            tree_.PeerExpanded(static_cast<int>(tv.itemNew.lParam), (tv.action & TVE_EXPAND) != 0);
            result = 0;
            return true;
        }
        case TVN_SELCHANGEDW: {
            const auto& tv = reinterpret_cast<const NMTREEVIEWW&>(header);
            tree_.PeerSelected(static_cast<int>(tv.itemNew.lParam));
            result = 0;
            return true;
        }
        case NM_DBLCLK:
            tree_.PeerDoubleClicked();
            result = 0;
            return false;
        default:
            return false;
    }
}

}  // namespace win32
