#include "win32/ui/image_peer.h"

#include "win32/ui/backend.h"
#include "win32/ui/button_peers.h"

namespace win32 {

HWND ImagePeer::CreateNative(const Placement& placement) {
    const RECT& r = placement.bounds;
    // SS_NOTIFY: the picture answers the mouse itself, so that its hint shows.
    DWORD style = (ChildStyle() & ~WS_TABSTOP) | SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY;
    return CreateWindowExW(0, L"STATIC", nullptr, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           placement.parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)),
                           backend_.Instance(), nullptr);
}

void ImagePeer::ApplyPicture() {
    OwnedBitmap next(LoadPicture(backend_.Instance(), image_.Picture()));
    SendMessageW(Hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(next.Get()));
    // The control draws the new bitmap from now on; the old one may go.
    bitmap_ = std::move(next);
    // STM_SETIMAGE fits the window to the bitmap; the model's bounds stay.
    Win32Peer::Apply(ui::Change::Bounds);
}

void ImagePeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::State:
            ApplyPicture();
            break;
        case ui::Change::Caption:
            break;
        default:
            Win32Peer::Apply(what);
            break;
    }
}

}  // namespace win32
