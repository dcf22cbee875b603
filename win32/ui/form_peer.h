#pragma once
// The window of a form: its own class named after the form class, owned by the application
// window so that it gets no taskbar button of its own.
#include <windows.h>

#include <memory>
#include "ui/form.h"
#include "win32/ui/hints.h"
#include "win32/ui/peer.h"

namespace win32 {

class FormPeer final : public Win32Peer {
  public:
    FormPeer(Win32Backend& backend, ui::Form& form);
    ~FormPeer() override;

    ui::Form& GetForm() const { return form_; }
    FormHints& Hints() { return *hints_; }
    // While shown modally the close box cancels instead of closing.
    void SetModal(bool modal) { modal_ = modal; }
    bool Modal() const { return modal_; }
    // The button id Enter would press (DM_GETDEFID), 0 when none.
    UINT DefaultId() const { return defaultId_; }
    void Focus() override;
    LayoutScale Scale() const override { return scale_; }

  protected:
    HWND CreateNative(const Placement& placement) override;
    bool OwnClass() const override { return true; }
    void Apply(ui::Change what) override;
    bool OnMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    bool IsMain() const;
    void ApplyFrame();
    void ApplyState();
    void ApplyIcon();
    void ReportBounds();
    // The window's size for the model's: its client area scaled to the window's DPI.
    SIZE NativeSize() const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnActivate(bool active, bool minimized);
    void RestoreFocus();
    // The menu for a right click in this window or one of its controls; null when none.
    ui::PopupMenu* ContextMenuFor(HWND clicked) const;
    void ShowContextMenu(ui::PopupMenu& menu, LPARAM lparam);

    ui::Form& form_;
    std::unique_ptr<FormHints> hints_;
    HWND savedFocus_ = nullptr;
    UINT defaultId_ = 0;
    bool modal_ = false;
    int dpi_ = kDesignDpi;
    LayoutScale scale_;
    bool painting_ = false;  // a box shown while painting runs a modal loop that paints again
};

// Window styles of a form's border settings.
DWORD FormStyle(const ui::Form& form);
DWORD FormExStyle(const ui::Form& form);

}  // namespace win32
