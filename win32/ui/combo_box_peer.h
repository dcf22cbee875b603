#pragma once
// A drop-down list: entries, selection and background colour from the model.
#include <windows.h>

#include "ui/controls.h"
#include "win32/ui/peer.h"

namespace win32 {

class ComboBoxPeer final : public Win32Peer {
  public:
    ComboBoxPeer(Win32Backend& backend, ui::ComboBox& combo) : Win32Peer(backend, combo), combo_(combo) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    // The window's height includes the dropped list: dropDownCount rows of it.
    int DroppedHeight() const;
    void ApplyItems();
    void ApplySelection();

    ui::ComboBox& combo_;
};

}  // namespace win32
