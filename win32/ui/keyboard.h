#pragma once
// Keys as a VCL form handles them: a key pressed anywhere in a form reaches the form first (menu
// shortcuts, key preview); what the form lets through is dialog navigation (Tab, Enter for the
// default button, Esc for the cancel button, Alt+mnemonic) or goes to the focused control.
#include <windows.h>

#include <vector>
#include "ui/form.h"
#include "ui/keys.h"

namespace win32 {

class FormPeer;

// The form's controls that Tab visits, in tab order.
std::vector<ui::Widget*> TabOrder(ui::Form& form);

// The modifier keys held while the current message was generated.
ui::ShiftState CurrentShift();

class KeyRouter {
  public:
    // True when the message was consumed and must not be dispatched.
    bool PreTranslate(MSG& msg);

  private:
    bool KeyDown(MSG& msg);
    bool DialogKey(const MSG& msg, HWND formWindow);
    bool Mnemonic(const MSG& msg);
};

// The form peer of the top-level window that holds hwnd, or null.
FormPeer* FormPeerOfWindow(HWND hwnd);

}  // namespace win32
