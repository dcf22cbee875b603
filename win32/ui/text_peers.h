#pragma once
// Labels, edits and spin edits.
#include <windows.h>

#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"

namespace win32 {

class LabelPeer final : public Win32Peer {
  public:
    LabelPeer(Win32Backend& backend, ui::Label& label) : Win32Peer(backend, label), label_(label) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    HBRUSH OnCtlColor(UINT msg, HDC dc) override;
    bool InheritsColor() const override { return true; }

  private:
    DWORD AlignmentStyle() const;

    ui::Label& label_;
};

class EditPeer : public Win32Peer {
  public:
    EditPeer(Win32Backend& backend, ui::Edit& edit) : Win32Peer(backend, edit), edit_(edit) {}
    bool Realize() override;

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    // maxLength and readOnly are plain fields of the model: copied whenever the edit changes.
    void ApplyOptions();
    void ApplySelection();

    ui::Edit& edit_;
};

// An edit with an up-down control at its right; the arrows ask the model for the next value.
class SpinEditPeer final : public EditPeer {
  public:
    SpinEditPeer(Win32Backend& backend, ui::SpinEdit& edit) : EditPeer(backend, edit), spin_(edit) {}
    ~SpinEditPeer() override;

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

  private:
    ui::SpinEdit& spin_;
    OwnedWindow arrows_;
};

}  // namespace win32
