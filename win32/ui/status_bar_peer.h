#pragma once
// A status bar with the model's panels; owner-drawn panels get the panel's own colours. Without
// panels it is one simple panel showing the caption.
#include <windows.h>

#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"

namespace win32 {

class StatusBarPeer final : public Win32Peer {
  public:
    StatusBarPeer(Win32Backend& backend, ui::StatusBar& bar) : Win32Peer(backend, bar), bar_(bar) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void DpiChanged() override {
        Apply(ui::Change::Bounds);
        ApplyPanels();
    }
    void Apply(ui::Change what) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;

  private:
    void ApplyPanels();
    // The simple panel of an italic bar is drawn in a slanted copy of the control font.
    void ApplyFont();

    ui::StatusBar& bar_;
    OwnedFont italicFont_;
};

}  // namespace win32
