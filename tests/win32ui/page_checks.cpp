// A page whose native controls wait for its first show: no windows before, then every control
// with the state the model was given meanwhile, in its place among its siblings, made once.
#include <windows.h>
#include <commctrl.h>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"
#include "win32/text.h"
#include "win32/ui/form_peer.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::Hwnd;

namespace {

struct PageForm {
    PageForm() {
        form.SetCaption("Pages");
        form.SetClientSize(260, 200);
        form.SetLeft(460);
        form.SetTop(220);
        // The page lies between two buttons that overlap it: the stacking shows where it went.
        before.SetBounds(4, 4, 60, 24);
        page.SetBounds(20, 14, 230, 180);
        after.SetBounds(200, 170, 56, 24);
        for (ui::Widget* w : {static_cast<ui::Widget*>(&before), static_cast<ui::Widget*>(&after)})
            w->SetCaption(w->Name());
        page.SetPeerOnFirstShow(true);
        page.SetVisible(false);
        box.SetBounds(8, 8, 120, 17);
        edit.SetBounds(8, 30, 100, 21);
        upDown.SetBounds(108, 30, 16, 21);
        upDown.associate = &edit;
        combo.SetBounds(8, 56, 120, 100);
        spin.SetBounds(140, 30, 50, 21);
        track.SetBounds(8, 84, 150, 30);
        label.SetBounds(8, 120, 150, 15);
    }
    ui::Form form{"TUiPages"};
    ui::Button before{&form, "Before1"};
    ui::Panel page{&form, "Page1"};
    ui::CheckBox box{&page, "CheckBox7"};
    ui::Edit edit{&page, "Edit7"};
    ui::UpDown upDown{&page, "UpDown7"};
    ui::ComboBox combo{&page, "ComboBox7"};
    ui::SpinEdit spin{&page, "SpinEdit7"};
    ui::TrackBar track{&page, "TrackBar7"};
    ui::Label label{&page, "Label7"};
    ui::Button after{&form, "After1"};
};

// True when a comes before b in their parent's stacking order (top first).
bool Above(HWND a, HWND b) {
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == b) return true;
    }
    return false;
}

std::string ToolText(HWND tooltip, HWND owner, HWND control) {
    wchar_t buffer[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = buffer;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return win32::Narrow(buffer);
}

}  // namespace

void PagesOnFirstShow(Context& c) {
    PageForm f;
    f.form.Realize(c.backend);
    f.form.Show();
    harness::Pump(100);
    Record(Hwnd(f.before) && Hwnd(f.after), "the form's own controls have windows");
    Record(Above(Hwnd(f.before), Hwnd(f.after)), "controls made with the form stack in the model's order");
    Record(!Hwnd(f.page) && !Hwnd(f.box) && !Hwnd(f.edit), "a page never shown has no windows");

    // State given while the page has no windows; the model reads it back as given.
    f.box.SetCaption("&Waiting");
    f.box.SetChecked(true);
    f.box.SetEnabled(false);
    f.box.SetHint("Box hint");
    f.edit.SetText("hello");
    f.edit.SetSelStart(3);
    f.upDown.SetRange(0, 50);
    f.upDown.SetPosition(7);
    f.combo.SetItems({"one", "two", "three"});
    f.combo.SetItemIndex(1);
    f.spin.SetValue(42);
    f.spin.SetVisible(false);
    f.track.SetRange(0, 20);
    f.track.SetPosition(12);
    f.label.SetCaption("Label text");
    Record(f.box.Checked() && !f.box.Enabled(), "the model keeps the check and the state");
    Equal(f.edit.Text(), std::string("7"), "the up-down wrote its position into the model's edit");
    f.edit.SetText("hello");
    f.edit.SetSelStart(3);

    f.page.Show();
    harness::Pump(100);
    HWND page = Hwnd(f.page), box = Hwnd(f.box), edit = Hwnd(f.edit);
    Record(page && box && edit && Hwnd(f.combo) && Hwnd(f.spin) && Hwnd(f.track) && Hwnd(f.label),
           "the page and its controls have windows once it shows");
    if (!page || !box || !edit) return;
    Equal(harness::TextOf(box), std::string("&Waiting"), "the caption given before");
    Equal(SendMessageW(box, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED), "the check given before");
    Record(!IsWindowEnabled(box), "disabled before, disabled now");
    Record(harness::HasName(box, "CheckBox7"), "the control carries its name for other programs");
    auto* form = dynamic_cast<win32::FormPeer*>(f.form.GetPeer());
    // The tooltip window comes with the first mouse message over a control with a hint.
    SendMessageW(box, WM_MOUSEMOVE, 0, 0);
    HWND tooltip = form ? form->Hints().Tooltip() : nullptr;
    Equal(tooltip ? ToolText(tooltip, Hwnd(f.form), box) : std::string(), std::string("Box hint"),
          "the hint given before");
    Equal(harness::TextOf(edit), std::string("hello"), "the edit's text");
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Record(start == 3 && end == 3, "the caret where the model put it");
    Equal(reinterpret_cast<HWND>(SendMessageW(Hwnd(f.upDown), UDM_GETBUDDY, 0, 0)), edit,
          "the up-down sits on its edit");
    Equal(SendMessageW(Hwnd(f.upDown), UDM_GETPOS32, 0, 0), LRESULT(7), "the up-down's position");
    Equal(SendMessageW(Hwnd(f.combo), CB_GETCOUNT, 0, 0), LRESULT(3), "the list's entries");
    Equal(SendMessageW(Hwnd(f.combo), CB_GETCURSEL, 0, 0), LRESULT(1), "the list's selection");
    Equal(harness::TextOf(Hwnd(f.spin)), std::string("42"), "the spinner's number");
    Record(!IsWindowVisible(Hwnd(f.spin)), "hidden before, hidden now");
    Equal(SendMessageW(Hwnd(f.track), TBM_GETPOS, 0, 0), LRESULT(12), "the track bar's position");
    Equal(SendMessageW(Hwnd(f.track), TBM_GETRANGEMAX, 0, 0), LRESULT(20), "the track bar's range");
    Equal(harness::TextOf(Hwnd(f.label)), std::string("Label text"), "the label's text");
    Record(harness::RelativeBounds(box) == f.box.Bounds(), "the control in its place on the page");
    Record(Above(Hwnd(f.before), page) && Above(page, Hwnd(f.after)),
           "the page stacks between its siblings as if made with the form");

    // Hidden and shown again: the same windows.
    f.page.Hide();
    f.page.Show();
    harness::Pump(50);
    Record(Hwnd(f.page) == page && Hwnd(f.box) == box, "a page's windows are made once");
    f.form.Hide();
}

}  // namespace checks
