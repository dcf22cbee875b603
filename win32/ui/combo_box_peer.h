#pragma once
// A drop-down list: entries, selection and background colour from the model.
#include <windows.h>

#include <commctrl.h>

#include <utility>
#include <vector>

#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"

namespace win32 {

class ComboBoxPeer final : public Win32Peer {
  public:
    ComboBoxPeer(Win32Backend& backend, ui::ComboBox& combo) : Win32Peer(backend, combo), combo_(combo) {}

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
    // The image list index of a picture resource, loaded on first use; -1 when there is none.
    int PictureIndex(int picture);
    // The window's height includes the dropped list: dropDownCount rows of it.
    int DroppedHeight() const;
    void ApplyItems();
    void ApplyRowHeight(HWND hwnd);
    void ApplySelection();

    ui::ComboBox& combo_;
    OwnedImageList images_;
    std::vector<std::pair<int, int>> loaded_;  // picture resource id, image list index
};

}  // namespace win32
