#pragma once
// The base of every native peer: it owns the control's window, keeps it bound to its widget, copies
// the model's state to it and routes the window's messages and its children's notifications.
#include <windows.h>

#include <cstdint>
#include <string>
#include "ui/widget.h"
#include "win32/handles.h"
#include "win32/ui/dpi.h"
#include "win32/ui/window.h"

namespace win32 {

class Win32Backend;
class FormPeer;

// Where a control's window goes: the parent window and the bounds in its client area.
struct Placement {
    HWND parent = nullptr;
    RECT bounds{};
    UINT id = 0;
};

class Win32Peer : public ui::Peer, public MessageTarget {
  public:
    Win32Peer(Win32Backend& backend, ui::Widget& widget);
    ~Win32Peer() override;

    // Creates the window and gives it the model's state; false when no window could be made.
    virtual bool Realize();

    void Update(ui::Change what) override;
    void Focus() override;
    port::WindowId Native() const override;

    HWND Hwnd() const { return hwnd_; }
    ui::Widget& GetWidget() const { return widget_; }
    // How the form the control is on scales the model's 96-DPI pixels for its screen.
    virtual LayoutScale Scale() const;
    // Lays the window out again after its form moved to a screen of another DPI.
    virtual void DpiChanged() { Apply(ui::Change::Bounds); }
    // The window the children's windows go into; null when the children have none of their own.
    virtual HWND ContainerWindow() const { return hwnd_; }
    FormPeer* OwnerFormPeer() const;

    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override;

    static Win32Peer* FromWindow(HWND hwnd);
    static Win32Peer* Of(const ui::Widget& widget);

  protected:
    // Makes the window. Windows of an own class get `this` as creation parameter; standard controls
    // are subclassed afterwards.
    virtual HWND CreateNative(const Placement& placement) = 0;
    virtual bool OwnClass() const { return false; }
    // Copies one kind of model state to the window.
    virtual void Apply(ui::Change what);

    // Notifications of the peer's own control, reflected from its parent; true when handled.
    virtual bool OnCommand(WORD code, WORD id, LRESULT& result) { return false; }
    virtual bool OnNotify(NMHDR& header, LRESULT& result) { return false; }
    virtual bool OnDrawItem(DRAWITEMSTRUCT& item) { return false; }
    // The brush for WM_CTLCOLOR*, or null for the default colours.
    virtual HBRUSH OnCtlColor(UINT msg, HDC dc);
    // Controls without a background of their own (labels, check boxes) show their parent's colour.
    virtual bool InheritsColor() const { return false; }
    virtual bool OnScroll(int code) { return false; }
    // The window's own messages before default processing; true when handled.
    virtual bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) { return false; }

    LRESULT CallDefault(UINT msg, WPARAM wparam, LPARAM lparam);
    // WS_CHILD with the visible, enabled and tab-stop state of the widget.
    DWORD ChildStyle() const;
    // Where the widget's bounds put it in the nearest ancestor that has a window, in its pixels.
    Placement Place() const;
    // A length of the model in the window's pixels, and back.
    int ToPixels(int value) const;
    int FromPixels(int value) const;
    // The widget's own colour, or null when it has the system colour.
    HBRUSH ColorBrush();
    // The brush a transparent child of this widget shows.
    HBRUSH BackgroundBrush();
    void SetText(const std::string& text);
    std::string Text() const;
    // Moves the focus to the form when it sits in a window that is hidden or disabled now.
    void ReleaseFocus();
    // The window stands at these bounds in its parent's client area.
    bool AtBounds(const RECT& bounds) const;

    // While set, the notifications the peer's own writes cause are not reported to the model.
    class Writing {
      public:
        explicit Writing(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
        ~Writing() { flag_ = old_; }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

      private:
        bool& flag_;
        bool old_;
    };
    Writing Write() { return Writing(writing_); }

    Win32Backend& backend_;
    ui::Widget& widget_;
    bool writing_ = false;

  private:
    // Puts a window made after its later siblings' back in their stacking order.
    void KeepSiblingOrder(HWND parent);
    bool Reflect(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
    bool Reflected(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
    void Detach();

    HWND hwnd_ = nullptr;
    OwnedWindow window_;
    OwnedBrush brush_;
    std::uint32_t brushColor_ = ui::kDefaultColor;
    std::wstring nameProperty_;
};

// The font of every control (the dialog font of the system).
HFONT GuiFont();

// The text of an owner-drawn row: one line, vertically centred, in the control font and the
// given system colour (COLOR_...), on whatever background the row already has.
void DrawRowText(HDC dc, const std::string& text, RECT rect, int sysColor);

}  // namespace win32
