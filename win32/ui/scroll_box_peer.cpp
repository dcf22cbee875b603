#include "win32/ui/scroll_box_peer.h"

#include <algorithm>

#include "win32/text.h"
#include "win32/ui/backend.h"

namespace win32 {

namespace {

constexpr int kLine = 8;  // pixels an arrow of the bar scrolls

}  // namespace

const wchar_t* ScrollBoxPeer::ClassName() const {
    return L"TScrollBox";
}

HWND ScrollBoxPeer::CreateNative(const Placement& placement) {
    RegisterOwnClass(backend_.Instance(), ClassName(), CS_HREDRAW | CS_VREDRAW, nullptr, nullptr);
    return CreateOwnWindow(WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, ClassName(), L"",
                           ChildStyle() | WS_VSCROLL, placement.bounds, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(),
                           this);
}

void ScrollBoxPeer::UpdateBar() {
    RECT client;
    GetClientRect(Hwnd(), &client);
    int bottom = 0;
    for (const ui::Widget* child : box_.Children()) {
        if (child->Visible()) bottom = std::max(bottom, ToPixels(child->Top() + child->Height()));
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = bottom + ToPixels(ui::ScrollBox::kMargin) - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    info.nPos = shown_;
    SetScrollInfo(Hwnd(), SB_VERT, &info, TRUE);
}

void ScrollBoxPeer::ScrollTo(int position, bool byUser) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    int bottom = 0;
    for (const ui::Widget* child : box_.Children()) {
        if (child->Visible()) bottom = std::max(bottom, ToPixels(child->Top() + child->Height()));
    }
    position =
        std::clamp(position, 0,
                   std::max(0, bottom + ToPixels(ui::ScrollBox::kMargin) - static_cast<int>(client.bottom)));
    if (position != shown_) {
        ScrollWindowEx(Hwnd(), 0, shown_ - position, nullptr, nullptr, nullptr, nullptr,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
        shown_ = position;
    }
    UpdateBar();
    if (byUser) box_.PeerScrolled(FromPixels(position));
}

void ScrollBoxPeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::State:
            ScrollTo(ToPixels(box_.VertPosition()), false);
            break;
        case ui::Change::Bounds:
            PanelPeer::Apply(what);
            ScrollTo(ToPixels(box_.VertPosition()), false);
            break;
        default:
            PanelPeer::Apply(what);
            break;
    }
}

bool ScrollBoxPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_VSCROLL: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_ALL;
            GetScrollInfo(Hwnd(), SB_VERT, &info);
            int position = shown_;
            switch (LOWORD(wparam)) {
                case SB_LINEUP:
                    position -= kLine;
                    break;
                case SB_LINEDOWN:
                    position += kLine;
                    break;
                case SB_PAGEUP:
                    position -= static_cast<int>(info.nPage);
                    break;
                case SB_PAGEDOWN:
                    position += static_cast<int>(info.nPage);
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    position = info.nTrackPos;
                    break;
                case SB_TOP:
                    position = 0;
                    break;
                case SB_BOTTOM:
                    position = info.nMax;
                    break;
                default:
                    break;
            }
            ScrollTo(position, true);
            result = 0;
            return true;
        }
        case WM_MOUSEWHEEL: {
            const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
            ScrollTo(shown_ - delta / WHEEL_DELTA * 3 * kLine, true);
            result = 0;
            return true;
        }
        case WM_SIZE:
            UpdateBar();
            return false;
        default:
            return PanelPeer::OnMessage(msg, wparam, lparam, result);
    }
}

}  // namespace win32
