#pragma once
// Push buttons (plain or with pictures), flat speed buttons, check boxes and radio buttons. The
// model decides every state: the native buttons never check or toggle themselves.
#include <windows.h>

#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"

namespace win32 {

class ButtonPeer final : public Win32Peer {
  public:
    ButtonPeer(Win32Backend& backend, ui::Button& button) : Win32Peer(backend, button), button_(button) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;

  private:
    bool HasPicture() const { return pictures_[0].IsValid(); }
    void ApplyDefault();

    ui::Button& button_;
    // Normal, disabled, pressed: a picture button draws itself and shows no caption.
    OwnedBitmap pictures_[3];
};

// A flat toggle that never takes the focus, as a VCL speed button.
class SpeedButtonPeer final : public Win32Peer {
  public:
    SpeedButtonPeer(Win32Backend& backend, ui::SpeedButton& button)
        : Win32Peer(backend, button), button_(button) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool InheritsColor() const override { return true; }

  private:
    bool Inside(LPARAM lparam) const;

    ui::SpeedButton& button_;
    bool pressed_ = false;
};

// Check boxes and radio buttons.
class CheckPeer final : public Win32Peer {
  public:
    CheckPeer(Win32Backend& backend, ui::Widget& widget) : Win32Peer(backend, widget) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnCommand(WORD code, WORD id, LRESULT& result) override;
    bool InheritsColor() const override { return true; }

  private:
    bool Checked() const;
};

// Loads a bitmap of the program's resources in the user's button colours; null when there is none.
HBITMAP LoadPicture(HINSTANCE instance, int id);

}  // namespace win32
