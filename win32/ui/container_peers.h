#pragma once
// Controls that hold other controls: panels, tab sheets and group boxes.
#include <windows.h>

#include "win32/ui/peer.h"

namespace win32 {

// A panel of the program's own class "TPanel": background, raised bevel and centred caption.
class PanelPeer : public Win32Peer {
  public:
    PanelPeer(Win32Backend& backend, ui::Widget& widget) : Win32Peer(backend, widget) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    bool OwnClass() const override { return true; }
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    HBRUSH OnCtlColor(UINT msg, HDC dc) override { return nullptr; }
    virtual const wchar_t* ClassName() const;
    // A tab sheet shows neither: its caption is its tab's.
    virtual bool Decorated() const { return true; }

  private:
    void Paint();
};

// A page of a page control: a plain panel that always fills the tab control's display area.
class TabSheetPeer final : public PanelPeer {
  public:
    TabSheetPeer(Win32Backend& backend, ui::Widget& widget) : PanelPeer(backend, widget) {}
    ~TabSheetPeer() override;
    // Moves the sheet into the display area and tells the model where it is.
    void Fit();

  protected:
    void Apply(ui::Change what) override;
    const wchar_t* ClassName() const override;
    bool Decorated() const override { return false; }
};

class GroupBoxPeer final : public Win32Peer {
  public:
    GroupBoxPeer(Win32Backend& backend, ui::Widget& widget) : Win32Peer(backend, widget) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

}  // namespace win32
