#pragma once
// The check list: an owner-drawn list box whose rows carry a three-state check box. The model
// decides every check; the native list only reports the clicks.
#include <windows.h>

#include <string>
#include <vector>
#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"
#include "win32/ui/picture_list.h"

namespace win32 {

class CheckListBoxPeer final : public Win32Peer {
  public:
    CheckListBoxPeer(Win32Backend& backend, ui::CheckListBox& list);

  protected:
    HWND CreateNative(const Placement& placement) override;
    void DpiChanged() override {
        Apply(ui::Change::Bounds);
        ApplyItems();
    }
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    void ApplyItems();
    // The row under a point of the client area, or -1.
    int RowAt(int x, int y) const;

    ui::CheckListBox& list_;
    PictureList pictures_;
    // The rows as the native list holds them, so that a changed check only repaints.
    std::vector<std::string> shown_;
};

// The multi-selection list of pictures and texts: a click toggles a row's selection, the model
// keeps which rows are selected and the peer mirrors it.
class ListBoxPeer final : public Win32Peer {
  public:
    ListBoxPeer(Win32Backend& backend, ui::ListBox& list);

  protected:
    HWND CreateNative(const Placement& placement) override;
    void DpiChanged() override {
        Apply(ui::Change::Bounds);
        ApplyItems();
    }
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;

  private:
    void ApplyItems();
    void ApplySelection();

    ui::ListBox& list_;
    OwnedBitmap pictures_[2];
};

// The width of a row's check box area, where a click changes the check.
constexpr int kCheckAreaWidth = 16;

}  // namespace win32
