#pragma once
// A top-level window of the program.
#include <functional>
#include <string>
#include <vector>
#include "ui/keys.h"
#include "ui/menu.h"
#include "ui/widget.h"

namespace ui {

enum class BorderStyle { Single, Sizeable, Dialog, ToolWindow };
enum class WindowState { Normal, Minimized };
enum class CloseAction { None, Hide, Free };

class Form : public Widget {
  public:
    // className: the window class name ("TForm1").
    explicit Form(std::string className);
    const std::string& ClassName() const { return Name(); }

    // Creates the native window and controls; before it the form exists in the model only.
    void Realize(Backend& backend);
    // As Realize, but the native window and controls are made when the form is first shown or
    // run modally: a dialog that is never opened costs no windows at start-up.
    void RealizeOnFirstShow(Backend& backend);
    // The native window and controls RealizeOnFirstShow put off, made now (once).
    void CreateDeferredPeers();
    bool Realized() const { return backend_ != nullptr; }
    Backend* GetBackend() const { return backend_; }

    int ClientWidth() const override { return clientWidth_; }
    int ClientHeight() const override { return clientHeight_; }
    void SetClientSize(int width, int height);
    void SetBounds(int left, int top, int width, int height) override;
    // Border and caption sizes (from the backend once realized).
    Extent NonClient() const { return nonClient_; }

    BorderStyle borderStyle = BorderStyle::Single;
    bool minimizeBox = true;
    bool maximizeBox = false;
    // The caption's "?" button that puts the mouse into context-help mode (no minimise box then).
    bool helpButton = false;
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // The window's icon (caption, task switcher); kClassIcon shows the program's own icon, which
    // the window class carries. The form does not own the icon.
    static constexpr port::IconId kClassIcon = 0;
    port::IconId Icon() const { return icon_; }
    void SetIcon(port::IconId icon);

    WindowState State() const { return state_; }
    void SetState(WindowState state);
    bool Active() const { return active_; }

    Widget* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Widget* control);

    void SetVisible(bool visible) override;
    // Close as the close box does: OnClose decides whether the form hides or goes.
    void Close();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    int ShowModal();
    // The form whose modal run is innermost now, or null.
    static Form* TopModal();

    // Menus whose shortcuts this form handles before its key handler sees the key.
    void AddShortCutMenu(MenuItem* menu) { shortCutMenus_.push_back(menu); }
    PopupMenu* contextMenu = nullptr;

    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void()> OnPaint;
    std::function<void(CloseAction&)> OnClose;
    // After a close with CloseAction::Free; the program ends there for its main window.
    std::function<void()> OnRelease;
    std::function<void(Key& key, ShiftState shift)> OnKeyDown;
    // The user minimised or restored the window (the system does it, not the program).
    std::function<void(WindowState state)> OnStateChange;
    // Windows ends the session while the form is open.
    std::function<void()> OnEndSession;

    // Entry points for the peer.
    // A key went down in the form or one of its controls; false when the key was consumed.
    bool PeerKeyDown(Key key, ShiftState shift);
    // F1 or a click in context-help mode over a control: the help topic of the control or of the
    // nearest container that has one.
    std::function<void(int helpContext)> OnHelp;
    void PeerHelp(Widget* control);
    void PeerActivated(bool active);
    void PeerPainted() {
        if (OnPaint) OnPaint();
    }
    void PeerCloseRequested() { Close(); }
    void PeerEndSession() {
        if (OnEndSession) OnEndSession();
    }
    void PeerStateChanged(WindowState state);

  private:
    Backend* backend_ = nullptr;
    bool peersDeferred_ = false;
    Extent nonClient_{6, 25};
    int clientWidth_ = 0, clientHeight_ = 0;
    bool keyPreview_ = false;
    WindowState state_ = WindowState::Normal;
    port::IconId icon_ = kClassIcon;
    bool active_ = false;
    Widget* activeControl_ = nullptr;
    int modalResult_ = 0;
    std::vector<MenuItem*> shortCutMenus_;
};

}  // namespace ui
