#pragma once
// What the widget model needs of a windowing system: a peer per widget, modal runs, popup menus,
// and the application window. Win32 peers create the real controls; the simulated machine keeps
// no native state at all.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include "ports/types.h"

namespace ui {

class Widget;
class Form;
class PopupMenu;

// What changed on a widget, so that its peer can copy it to the native control.
enum class Change : std::uint32_t {
    Caption,
    Bounds,
    Visible,
    Enabled,
    State,  // checked, down, position, selection, active page
    Items,  // list entries, status panels, tab captions
    Color,
    Hint,
    Default,    // default-button flag
    Style,      // form border, key preview and the like
    Selection,  // the selected text of an edit
    Icon,       // a form's window icon
};

class Peer {
  public:
    virtual ~Peer() = default;
    virtual void Update(Change what) = 0;
    virtual void Focus() = 0;
    virtual port::WindowId Native() const = 0;
};

struct Extent {
    int width = 0, height = 0;
};

class Backend {
  public:
    virtual ~Backend() = default;
    // Creates the native counterpart of a widget whose parent already has one; may return null.
    virtual std::unique_ptr<Peer> CreatePeer(Widget& widget) = 0;
    // Width and height the border and caption of a form add to its client area.
    virtual Extent NonClientExtent(const Form& form) = 0;
    // Shows the form modally and returns its modal result once it is set (the form is then hidden).
    virtual int RunModal(Form& form) = 0;
    // Shows the menu at screen coordinates and runs the chosen item's click before it returns.
    virtual void Popup(PopupMenu& menu, int x, int y) = 0;
    virtual void SetApplicationTitle(const std::string& title) = 0;
    virtual port::WindowId ApplicationWindow() = 0;
    // Tooltip timing and the program-wide switch (Application.ShowHint).
    virtual void SetHintTiming(int pauseMs, int hidePauseMs) = 0;
    virtual void SetHintsEnabled(bool enabled) = 0;
    virtual void CursorPos(int& x, int& y) = 0;
    // The hourglass over every window of the program while busy (VCL's Screen.Cursor).
    virtual void SetBusyCursor(bool busy) = 0;

    // The application window was minimised or restored, by the user or by the program.
    std::function<void(bool minimized)> onApplicationState;
};

}  // namespace ui
