// The check list, the picture and the edit's selection and click, on a form of their own.
#include <windows.h>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"
#include "win32/res/resource.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::Hwnd;

namespace {

struct ListForm {
    ListForm() {
        form.SetCaption("Lists and pictures");
        form.SetClientSize(260, 160);
        form.SetLeft(460);
        form.SetTop(30);
        list.SetBounds(8, 8, 120, 68);
        list.SetItems({"CD - E:", "CD - F:", "RM - A:"});
        led.SetBounds(140, 10, 15, 15);
        led.SetPicture(IDB_LED_RED);
        edit.SetBounds(8, 90, 160, 21);
        edit.SetText("hello world");
        spin.SetBounds(8, 120, 50, 21);
        spin.SetValue(20);
        list.OnClickCheck = [this] { events.Add("CheckListBox1.OnClickCheck"); };
        list.OnClick = [this] { events.Add("CheckListBox1.OnClick"); };
        list.OnDblClick = [this] { events.Add("CheckListBox1.OnDblClick"); };
        edit.OnClick = [this] { events.Add("Edit3.OnClick"); };
        spin.OnClick = [this] { events.Add("SpinEdit3.OnClick"); };
    }
    ui::Form form{"TUiLists"};
    ui::CheckListBox list{&form, "CheckListBox1"};
    ui::Image led{&form, "Image1"};
    ui::Edit edit{&form, "Edit3"};
    ui::SpinEdit spin{&form, "SpinEdit3"};
    demo::Events events;
};

LRESULT Send(const ui::Widget& w, UINT msg, WPARAM wparam = 0, LPARAM lparam = 0) {
    return SendMessageW(Hwnd(w), msg, wparam, lparam);
}

// The middle of row `row`, in the check box (left) or on the text.
void ClickRow(const ui::CheckListBox& list, int row, bool onBox) {
    RECT item{};
    Send(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    harness::Click(Hwnd(list), onBox ? item.left + 7 : item.left + 60, (item.top + item.bottom) / 2);
    harness::Pump(20);
}

std::pair<DWORD, DWORD> Selection(const ui::Widget& edit) {
    DWORD start = 0, end = 0;
    Send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

}  // namespace

void ListsAndPictures(Context& c) {
    ListForm f;
    f.form.Realize(c.backend);
    f.form.Show();
    harness::Pump(150);
    demo::Events& e = f.events;
    using ui::CheckState;

    // Check list: the rows, their height and the owner drawing.
    HWND list = Hwnd(f.list);
    Record(list != nullptr, "CheckListBox1 has a window");
    Equal(harness::ClassOf(list), std::string("ListBox"), "CheckListBox1 is a list box");
    Equal(Send(f.list, LB_GETCOUNT), LRESULT(3), "CheckListBox1 rows");
    Equal(Send(f.list, LB_GETITEMHEIGHT, 0), LRESULT(16), "rows of 16 pixels");
    Record((GetWindowLongW(list, GWL_STYLE) & LBS_OWNERDRAWFIXED) != 0, "the rows are owner-drawn");

    // States set by the program raise nothing.
    f.list.SetState(2, CheckState::Checked);
    f.list.SetItemIndex(2);
    Equal(Send(f.list, LB_GETCURSEL), LRESULT(2), "the selection set by the model reaches the list");
    Equal(e.Count("CheckListBox1.OnClickCheck") + e.Count("CheckListBox1.OnClick"), 0,
          "states and selections set by the model raise nothing");

    // A press on a row's box selects the row and turns its check: unchecked, grayed, checked.
    ClickRow(f.list, 1, true);
    Equal(f.list.ItemIndex(), 1, "the pressed row is selected");
    Equal(e.Count("CheckListBox1.OnClick"), 1, "selecting a row runs OnClick");
    Record(f.list.State(1) == CheckState::Grayed, "unchecked turns grayed");
    Equal(e.Count("CheckListBox1.OnClickCheck"), 1, "the turn runs OnClickCheck once");
    ClickRow(f.list, 1, true);
    Record(f.list.State(1) == CheckState::Checked, "grayed turns checked");
    ClickRow(f.list, 1, true);
    Record(f.list.State(1) == CheckState::Unchecked, "checked turns unchecked");
    Equal(e.Count("CheckListBox1.OnClickCheck"), 3, "each turn runs OnClickCheck");

    // A press on the text only selects.
    ClickRow(f.list, 0, false);
    Equal(f.list.ItemIndex(), 0, "the row pressed on its text is selected");
    Record(f.list.State(0) == CheckState::Unchecked, "a press on the text leaves the check");
    Equal(e.Count("CheckListBox1.OnClickCheck"), 3, "and raises no OnClickCheck");

    // The space bar turns the selected row, as in VCL.
    Send(f.list, WM_CHAR, VK_SPACE, 1);
    Record(f.list.State(0) == CheckState::Grayed, "space turns the selected row");
    Equal(e.Count("CheckListBox1.OnClickCheck"), 4, "space runs OnClickCheck");

    // A double click.
    Send(f.list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 8));
    Send(f.list, WM_LBUTTONUP, 0, MAKELPARAM(60, 8));
    harness::Pump(20);
    Equal(e.Count("CheckListBox1.OnDblClick"), 1, "a double click runs OnDblClick");

    // Rows added and cleared.
    f.list.AddItem("Tape 0");
    Equal(Send(f.list, LB_GETCOUNT), LRESULT(4), "a row added");
    Record(f.list.State(3) == CheckState::Unchecked, "a new row is unchecked");
    f.list.Clear();
    Equal(Send(f.list, LB_GETCOUNT), LRESULT(0), "the rows cleared");
    f.list.SetItems({"CD - E:"});

    // The picture: shown, hidden and exchanged in place.
    HWND led = Hwnd(f.led);
    Record(led != nullptr && IsWindowVisible(led), "Image1 is shown");
    auto red = Send(f.led, STM_GETIMAGE, IMAGE_BITMAP);
    Record(red != 0, "Image1 holds the red LED");
    Record(harness::RelativeBounds(led) == ui::Rect{140, 10, 15, 15}, "Image1 stays 15 x 15 at its place");
    f.led.SetPicture(IDB_LED_GREEN);
    harness::Pump(20);
    auto green = Send(f.led, STM_GETIMAGE, IMAGE_BITMAP);
    Record(green != 0 && green != red, "Image1 changes to the green LED");
    Record(harness::RelativeBounds(led) == ui::Rect{140, 10, 15, 15}, "the new picture keeps the place");
    COLORREF middle = harness::Pixel(led, 7, 8);
    Record(GetGValue(middle) > 120 && GetRValue(middle) < 120, "the green LED is green on screen");
    f.led.SetVisible(false);
    harness::Pump(20);
    Record(!IsWindowVisible(led), "Image1 hidden");
    f.led.SetVisible(true);
    harness::Pump(20);
    Record(IsWindowVisible(led), "Image1 shown again");

    // Edit: the program's selection reaches the field.
    f.edit.SelectAll();
    Record(Selection(f.edit) == std::make_pair(DWORD(0), DWORD(11)), "SelectAll selects the whole text");
    f.edit.SetSelStart(5);
    Record(Selection(f.edit) == std::make_pair(DWORD(5), DWORD(5)), "SetSelStart puts the caret at 5");
    f.edit.SetSelStart(99);
    Record(Selection(f.edit) == std::make_pair(DWORD(11), DWORD(11)), "SetSelStart beyond the text: the end");
    f.spin.SelectAll();
    Record(Selection(f.spin) == std::make_pair(DWORD(0), DWORD(2)), "SelectAll in a spin edit");

    // A click into the field is the edit's OnClick; typing is not.
    e.Clear();
    harness::Click(Hwnd(f.edit), 10, 8);
    harness::Pump(20);
    Equal(e.Count("Edit3.OnClick"), 1, "a click into Edit3 runs OnClick once");
    Send(f.edit, WM_CHAR, 'x', 1);
    Equal(e.Count("Edit3.OnClick"), 1, "typing runs no OnClick");
    harness::Click(Hwnd(f.spin), 5, 8);
    harness::Pump(20);
    Equal(e.Count("SpinEdit3.OnClick"), 1, "a click into the spin edit runs its OnClick");
    f.edit.Click();
    Equal(e.Count("Edit3.OnClick"), 1, "Click by the program raises nothing, as before");

    f.form.Hide();
    harness::Pump(50);
}

}  // namespace checks
