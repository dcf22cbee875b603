#include "win32/ui/container_peers.h"

#include "win32/text.h"
#include "win32/ui/backend.h"
#include "win32/ui/page_control_peer.h"

namespace win32 {

namespace {

PageControlPeer* PageControlOf(const ui::Widget& sheet) {
    return sheet.Parent() ? dynamic_cast<PageControlPeer*>(Win32Peer::Of(*sheet.Parent())) : nullptr;
}

}  // namespace

const wchar_t* PanelPeer::ClassName() const {
    return L"TPanel";
}

HWND PanelPeer::CreateNative(const Placement& placement) {
    RegisterOwnClass(backend_.Instance(), ClassName(), CS_HREDRAW | CS_VREDRAW, nullptr, nullptr);
    return CreateOwnWindow(WS_EX_CONTROLPARENT, ClassName(), Widen(widget_.Caption()).c_str(), ChildStyle(),
                           placement.bounds, placement.parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(),
                           this);
}

void PanelPeer::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(), &ps);
    RECT r;
    GetClientRect(Hwnd(), &r);
    if (Decorated()) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (Decorated() && !widget_.Caption().empty()) {
        std::wstring text = Widen(widget_.Caption());
        HGDIOBJ oldFont = SelectObject(dc, GuiFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(widget_.Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    EndPaint(Hwnd(), &ps);
}

bool PanelPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(Hwnd(), &r);
            FillRect(reinterpret_cast<HDC>(wparam), &r, BackgroundBrush());
            result = 1;
            return true;
        }
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_SETTEXT:
            result = CallDefault(msg, wparam, lparam);
            InvalidateRect(Hwnd(), nullptr, TRUE);
            return true;
        default:
            return false;
    }
}

const wchar_t* TabSheetPeer::ClassName() const {
    return L"TTabSheet";
}

TabSheetPeer::~TabSheetPeer() {
    if (PageControlPeer* pages = PageControlOf(widget_)) pages->SheetGone(*this);
}

void TabSheetPeer::Apply(ui::Change what) {
    switch (what) {
        case ui::Change::Bounds:
            Fit();
            break;
        case ui::Change::Caption:
            Win32Peer::Apply(what);
            if (PageControlPeer* pages = PageControlOf(widget_)) pages->RebuildTabs();
            break;
        default:
            Win32Peer::Apply(what);
            break;
    }
}

void TabSheetPeer::Fit() {
    PageControlPeer* pages = PageControlOf(widget_);
    if (!pages || !Hwnd()) return;
    RECT r = pages->DisplayArea();
    SetWindowPos(Hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ui::Rect fitted{FromPixels(r.left), FromPixels(r.top), FromPixels(r.right) - FromPixels(r.left),
                    FromPixels(r.bottom) - FromPixels(r.top)};
    if (widget_.Bounds() != fitted) widget_.PeerMoved(fitted.left, fitted.top, fitted.width, fitted.height);
}

HWND GroupBoxPeer::CreateNative(const Placement& placement) {
    return CreateWindowExW(
        WS_EX_CONTROLPARENT, L"BUTTON", Widen(widget_.Caption()).c_str(), ChildStyle() | BS_GROUPBOX,
        placement.bounds.left, placement.bounds.top, placement.bounds.right - placement.bounds.left,
        placement.bounds.bottom - placement.bounds.top, placement.parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), backend_.Instance(), nullptr);
}

bool GroupBoxPeer::OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (msg != WM_ERASEBKGND) return false;
    // The button class leaves a group box's inside unpainted; its children sit on it.
    RECT r;
    GetClientRect(Hwnd(), &r);
    FillRect(reinterpret_cast<HDC>(wparam), &r, BackgroundBrush());
    result = 1;
    return true;
}

}  // namespace win32
