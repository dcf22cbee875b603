#pragma once
// A picture of the program's resources in a static control, centred and never resized by it.
#include <windows.h>

#include "ui/controls.h"
#include "win32/handles.h"
#include "win32/ui/peer.h"

namespace win32 {

class ImagePeer final : public Win32Peer {
  public:
    ImagePeer(Win32Backend& backend, ui::Image& image) : Win32Peer(backend, image), image_(image) {}

  protected:
    HWND CreateNative(const Placement& placement) override;
    void Apply(ui::Change what) override;
    bool InheritsColor() const override { return true; }

  private:
    void ApplyPicture();

    ui::Image& image_;
    OwnedBitmap bitmap_;
};

}  // namespace win32
