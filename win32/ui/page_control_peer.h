#pragma once
// A page control: a tab control whose tabs are the captions of its tab sheets; the sheets are
// child windows filling its display area.
#include <windows.h>

#include "ui/controls.h"
#include "win32/ui/peer.h"

namespace win32 {

class TabSheetPeer;

class PageControlPeer final : public Win32Peer {
  public:
    PageControlPeer(Win32Backend& backend, ui::PageControl& pages)
        : Win32Peer(backend, pages), pages_(pages) {}

    // The area the sheets fill, in the tab control's client coordinates.
    RECT DisplayArea() const;
    // The tabs follow the sheets (a sheet came, went or was renamed).
    void RebuildTabs();
    void SheetGone(TabSheetPeer& sheet);

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    void FitSheets();

    ui::PageControl& pages_;
    const ui::Widget* leaving_ = nullptr;
};

}  // namespace win32
