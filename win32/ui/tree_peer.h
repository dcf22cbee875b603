#pragma once
// The directory outline: a tree view whose items mirror the model's nodes, filled as nodes first
// open, with the shell's closed and open folder pictures.
#include <windows.h>

#include <commctrl.h>

#include <vector>
#include "ui/controls.h"
#include "win32/ui/peer.h"

namespace win32 {

class TreeViewPeer final : public Win32Peer {
  public:
    TreeViewPeer(Win32Backend& backend, ui::TreeView& tree) : Win32Peer(backend, tree), tree_(tree) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    // Native items for the nodes that have none yet; all anew when the model was cleared.
    void SyncItems();
    void SyncState();

    ui::TreeView& tree_;
    std::vector<HTREEITEM> items_;   // by node id - 1
    std::vector<signed char> plus_;  // the child flag each item shows
    int closedPicture_ = 0, openPicture_ = 0;
};

}  // namespace win32
