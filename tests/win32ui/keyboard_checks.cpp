// Real keys through the system queue: the form sees them first, then dialog navigation, then the
// focused control.
#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::Hwnd;
using harness::Press;

void Keyboard(Context& c) {
    demo::MainForm& d = c.main;
    demo::Events& e = d.events;
    HWND form = Hwnd(d.form);
    SetForegroundWindow(form);
    harness::Pump(100);
    Record(GetForegroundWindow() == form, "the demo form is in the foreground");

    d.edit.SetText("hello");
    d.edit.SetFocus();
    SendMessageW(Hwnd(d.edit), EM_SETSEL, 5, 5);
    e.Clear();

    // Key preview: the form's handler runs before the edit sees the key, and may swallow it.
    Press('Q');
    Equal(e.Count("Form.OnKeyDown 81"), 1, "Form.OnKeyDown sees Q");
    Equal(d.edit.Text(), std::string("hello"), "the key the form swallowed never reaches the edit");
    Press('W');
    int keyAt = e.IndexOf("Form.OnKeyDown 87"), changeAt = e.IndexOf("Edit1.OnChange");
    Record(keyAt >= 0 && changeAt > keyAt, "Form.OnKeyDown runs before the edit changes",
           "key at " + std::to_string(keyAt) + ", change at " + std::to_string(changeAt));
    Equal(d.edit.Text(), std::string("hellow"), "a key the form lets through reaches the edit");

    // A shortcut of the form's menu runs the item before the key handler, which never sees it.
    e.Clear();
    Press('K', {VK_CONTROL});
    Equal(e.Count("Open1.OnClick"), 1, "Ctrl+K runs the menu item once");
    Equal(e.Count("Form.OnKeyDown 75"), 0, "the form's key handler does not see the shortcut");
    Equal(d.edit.Text(), std::string("hellow"), "the shortcut does not reach the edit");

    // Tab and Shift+Tab move along the tab order.
    Press(VK_TAB);
    Record(d.form.ActiveControl() == &d.spin && GetFocus() == Hwnd(d.spin),
           "Tab moves from Edit1 to SpinEdit1");
    Press(VK_TAB, {VK_SHIFT});
    Record(d.form.ActiveControl() == &d.edit && GetFocus() == Hwnd(d.edit), "Shift+Tab moves back to Edit1");

    // Enter presses the default button, or the focused button.
    e.Clear();
    Press(VK_RETURN);
    Equal(e.Count("Button1.OnClick"), 1, "Enter in an edit presses the default button");
    d.plainButton.SetFocus();
    Press(VK_RETURN);
    Equal(e.Count("Button2.OnClick"), 1, "Enter on a focused button presses it");
    Equal(e.Count("Button1.OnClick"), 1, "and not the default button");

    // Alt + the underlined letter.
    e.Clear();
    d.edit.SetFocus();
    Press('P', {VK_MENU});
    Equal(e.Count("Button2.OnClick"), 1, "Alt+P presses \"&Plain\"");
}

}  // namespace checks
