#pragma once
// A drop-down list: entries, selection and background colour from the model.
#include <windows.h>

#include "ui/controls.h"
#include "win32/ui/peer.h"
#include "win32/ui/picture_list.h"

namespace win32 {

class ComboBoxPeer final : public Win32Peer {
  public:
    ComboBoxPeer(Win32Backend& backend, ui::ComboBox& combo);

  protected:
    HWND CreateNative(const Placement& placement) override;
    void DpiChanged() override {
        ApplyRowHeight(Hwnd());
        Apply(ui::Change::Bounds);
    }
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    // Entries with pictures are drawn here: picture, then text.
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;

  private:
    // The window's height includes the dropped list: dropDownCount rows of it.
    int DroppedHeight() const;
    void ApplyItems();
    void ApplyRowHeight(HWND hwnd);
    void ApplySelection();

    ui::ComboBox& combo_;
    PictureList pictures_;
};

}  // namespace win32
