// The user's input reaches the model with VCL's event rules; what the model sets raises only what
// VCL raises.
#include <windows.h>
#include <commctrl.h>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::Hwnd;
using harness::TextOf;

namespace {

LRESULT Send(const ui::Widget& w, UINT msg, WPARAM wparam = 0, LPARAM lparam = 0) {
    return SendMessageW(Hwnd(w), msg, wparam, lparam);
}

// Presses the upper or lower half of an up-down control.
void ClickArrow(HWND arrows, bool up) {
    RECT r;
    GetClientRect(arrows, &r);
    int y = up ? r.bottom / 4 : r.bottom * 3 / 4;
    harness::Click(arrows, r.right / 2, y);
    harness::Pump(30);
}

}  // namespace

void Input(Context& c) {
    demo::MainForm& d = c.main;
    demo::Events& e = d.events;

    // Check box: one click, one OnClick; the native state follows the model.
    e.Clear();
    bool before = d.check.Checked();
    Send(d.check, BM_CLICK);
    Equal(e.Count("CheckBox1.OnClick"), 1, "BM_CLICK on CheckBox1 runs OnClick once");
    Equal(d.check.Checked(), !before, "the click flips the model");
    Equal(Send(d.check, BM_GETCHECK), LRESULT(d.check.Checked() ? BST_CHECKED : BST_UNCHECKED),
          "the native check follows");
    d.check.SetChecked(!d.check.Checked());
    Equal(e.Count("CheckBox1.OnClick"), 2, "checking by code clicks as the user does, once");

    // Radio buttons.
    e.Clear();
    Send(d.radio2, BM_CLICK);
    Record(d.radio2.Checked() && !d.radio1.Checked(),
           "BM_CLICK on RadioButton2 checks it and unchecks the other");
    Equal(e.Count("RadioButton2.OnClick"), 1, "RadioButton2 OnClick once");
    Record(Send(d.radio2, BM_GETCHECK) == BST_CHECKED && Send(d.radio1, BM_GETCHECK) == BST_UNCHECKED,
           "native radio states follow");
    d.radio1.SetChecked(true);

    // Combo box: a real selection raises OnChange, a selection by code nothing.
    e.Clear();
    d.combo.SetItemIndex(1);
    SetFocus(Hwnd(d.combo));
    Send(d.combo, WM_KEYDOWN, VK_DOWN, 0);
    harness::Pump(30);
    Equal(e.Count("ComboBox1.OnChange"), 1, "CBN_SELCHANGE after a real selection runs OnChange once");
    Equal(d.combo.ItemIndex(), 2, "the model has the user's selection");
    d.combo.SetItemIndex(0);
    Equal(e.Count("ComboBox1.OnChange"), 1, "a selection by code raises nothing");
    Equal(Send(d.combo, CB_GETCURSEL), LRESULT(0), "and reaches the native list");

    // Edit: typing raises OnChange; so does text set by code, but only once.
    e.Clear();
    SetFocus(Hwnd(d.edit));
    Equal(e.Count("Edit1.OnEnter"), 1, "focusing Edit1 runs OnEnter");
    Record(d.form.ActiveControl() == &d.edit, "the focused edit is the form's active control");
    Send(d.edit, EM_SETSEL, 5, 5);
    Send(d.edit, WM_CHAR, 'x', 1);
    Equal(d.edit.Text(), std::string("hellox"), "typing reaches the model");
    Equal(e.Count("Edit1.OnChange"), 1, "typing raises OnChange once");
    d.edit.SetText("hello");
    Equal(e.Count("Edit1.OnChange"), 2, "text set by code raises OnChange once");
    Equal(TextOf(Hwnd(d.edit)), std::string("hello"), "and reaches the native edit");

    // Spin edit and up-down: the arrows ask the model.
    HWND spinArrows = nullptr;
    for (HWND h = GetWindow(GetParent(Hwnd(d.spin)), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (reinterpret_cast<HWND>(SendMessageW(h, UDM_GETBUDDY, 0, 0)) == Hwnd(d.spin) &&
            h != Hwnd(d.upDown))
            spinArrows = h;
    }
    Record(spinArrows != nullptr, "SpinEdit1 arrows found");
    if (spinArrows) {
        ClickArrow(spinArrows, true);
        Equal(d.spin.Value(), 6, "the up arrow increments the spin edit");
        Equal(TextOf(Hwnd(d.spin)), std::string("6"), "the new value shows");
        ClickArrow(spinArrows, false);
        Equal(d.spin.Value(), 5, "the down arrow decrements it");
    }
    e.Clear();
    ClickArrow(Hwnd(d.upDown), true);
    Equal(d.upDown.Position(), 4, "UpDown1 up arrow moves the model");
    Equal(e.Count("UpDown1.OnClick up"), 1, "UpDown1 OnClick once");
    Equal(TextOf(Hwnd(d.edit2)), std::string("4"), "the associate shows the position");
    Equal(Send(d.upDown, UDM_GETPOS32), LRESULT(4), "the native position follows the model");

    // Track bar: the user's move raises OnChange, the model's does not.
    e.Clear();
    d.track.SetPosition(4);
    SetFocus(Hwnd(d.track));
    Send(d.track, WM_KEYDOWN, VK_RIGHT, 0);
    Send(d.track, WM_KEYUP, VK_RIGHT, 0);
    Equal(d.track.Position(), 5, "a move by the user reaches the model");
    Equal(e.Count("TrackBar1.OnChange"), 1, "and raises OnChange once");
    d.track.SetPosition(2);
    Equal(e.Count("TrackBar1.OnChange"), 1, "a move by code raises nothing");
    Equal(Send(d.track, TBM_GETPOS), LRESULT(2), "and reaches the native bar");

    // Page control: the user's tab change raises OnChange.
    e.Clear();
    RECT tab{};
    SendMessageW(Hwnd(d.pages), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    harness::Click(Hwnd(d.pages), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    Equal(d.pages.ActivePageIndex(), 1, "clicking the second tab activates it in the model");
    Equal(e.Count("PageControl1.OnChange"), 1, "and raises OnChange once");
    Record(IsWindowVisible(Hwnd(d.sheet2)) && !IsWindowVisible(Hwnd(d.sheet1)), "the second sheet shows");
    d.pages.SetActivePageIndex(0);
    Equal(e.Count("PageControl1.OnChange"), 1, "a page change by code raises nothing");
    Equal(SendMessageW(Hwnd(d.pages), TCM_GETCURSEL, 0, 0), LRESULT(0), "and reaches the tabs");

    // Speed button: a toggle that never takes the focus.
    e.Clear();
    HWND focusBefore = GetFocus();
    Send(d.speedButton, BM_CLICK);
    Equal(e.Count("SpeedButton1.OnClick"), 1, "SpeedButton1 OnClick once");
    Record(d.speedButton.Down(), "SpeedButton1 toggled down");
    Equal(Send(d.speedButton, BM_GETCHECK), LRESULT(BST_CHECKED), "the native button shows it down");
    Record(GetFocus() == focusBefore, "SpeedButton1 left the focus where it was");
    Send(d.speedButton, BM_CLICK);
    Record(!d.speedButton.Down(), "a second click releases it");

    // Mouse moves.
    e.Clear();
    Send(d.status, WM_MOUSEMOVE, 0, MAKELPARAM(5, 7));
    Send(d.speedButton, WM_MOUSEMOVE, 0, MAKELPARAM(3, 9));
    Equal(e.Count("StatusBar1.OnMouseMove 5,7"), 1, "mouse move over StatusBar1 in client coordinates");
    Equal(e.Count("SpeedButton1.OnMouseMove 3,9"), 1, "mouse move over SpeedButton1");

    // Buttons and the tool bar.
    e.Clear();
    Send(d.plainButton, BM_CLICK);
    Equal(e.Count("Button2.OnClick"), 1, "BM_CLICK on Button2 runs OnClick once");
    Send(d.pictureButton, BM_CLICK);
    Equal(e.Count("Button1.OnClick"), 1, "BM_CLICK on the picture button runs OnClick once");
    RECT button{};
    HWND bar = Hwnd(d.toolBar);
    SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    harness::Click(bar, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
    harness::Pump(30);
    Equal(e.Count("BitBtn1.OnClick"), 1, "clicking the first tool bar button runs BitBtn1's OnClick");
}

}  // namespace checks
