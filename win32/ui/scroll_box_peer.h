#pragma once
// A scroll box of the program's own class "TScrollBox": a sunken container with a vertical scroll
// bar that moves its child windows when the content reaches below its client area.
#include <windows.h>

#include "ui/scroll_box.h"
#include "win32/ui/container_peers.h"

namespace win32 {

class ScrollBoxPeer final : public PanelPeer {
  public:
    ScrollBoxPeer(Win32Backend& backend, ui::ScrollBox& box) : PanelPeer(backend, box), box_(box) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    const wchar_t* ClassName() const override;
    bool Decorated() const override { return false; }

  private:
    // The scroll bar's range and page follow the content and the client height.
    void UpdateBar();
    // Moves the children so that position is at the top, and tells the model when the user did it.
    void ScrollTo(int position, bool byUser);

    ui::ScrollBox& box_;
    int shown_ = 0;  // the position the child windows are at
};

}  // namespace win32
