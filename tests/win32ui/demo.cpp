#include "tests/win32ui/demo.h"

#include <algorithm>

#include "win32/res/resource.h"

namespace demo {

int Events::Count(const std::string& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

int Events::IndexOf(const std::string& entry) const {
    auto it = std::find(log.begin(), log.end(), entry);
    return it == log.end() ? -1 : static_cast<int>(it - log.begin());
}

MainForm::MainForm() {
    form.SetCaption("Widget demo");
    form.SetClientSize(400, 330);
    form.SetLeft(40);
    form.SetTop(30);
    form.SetKeyPreview(true);
    form.AddShortCutMenu(&menu);
    form.contextMenu = &menu;

    toolBar.SetBounds(0, 0, 300, 36);
    const int pictures[] = {IDB_SETTINGS, IDB_TRAY, IDB_INFO};
    const char* hints[] = {"Settings...", "Move to the System-Tray", "Information...\rSecond line"};
    ui::BitBtn* buttons[] = {&bitBtn1, &bitBtn2, &bitBtn3};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->picture[0] = pictures[i];
        buttons[i]->SetHint(hints[i]);
    }

    label.SetBounds(8, 44, 150, 17);
    label.SetCaption("Status line");
    label.alignment = ui::TextAlign::Center;
    label.SetColor(ui::kLime);
    label.SetHint("Line one\rLine two");

    speedButton.SetBounds(330, 44, 60, 20);
    speedButton.SetCaption("Lock");
    speedButton.flat = true;
    speedButton.groupIndex = 1;
    speedButton.allowAllUp = true;

    pictureButton.SetBounds(8, 64, 190, 35);
    pictureButton.SetCaption("&Go");
    pictureButton.picture[0] = IDB_MAIN_NORMAL;
    pictureButton.picture[1] = IDB_MAIN_DISABLED;
    pictureButton.picture[2] = IDB_MAIN_PRESSED;
    pictureButton.SetDefault(true);

    plainButton.SetBounds(210, 64, 80, 25);
    plainButton.SetCaption("&Plain");

    combo.SetBounds(8, 104, 190, 21);
    combo.SetItems({"Alpha", "Beta", "Gamma", "Delta"});
    combo.SetItemIndex(1);
    combo.SetColor(ui::kAqua);
    combo.dropDownCount = 11;

    check.SetBounds(210, 96, 120, 17);
    check.SetCaption("&Check me");

    group.SetBounds(210, 116, 180, 56);
    group.SetCaption("Group");
    radio1.SetBounds(8, 16, 80, 17);
    radio1.SetCaption("One");
    radio2.SetBounds(8, 34, 80, 17);
    radio2.SetCaption("Two");

    edit.SetBounds(8, 132, 100, 21);
    edit.SetText("hello");
    edit.maxLength = 20;
    edit.SetHint("Edit hint");

    spin.SetBounds(120, 132, 60, 21);
    spin.minValue = 1;
    spin.maxValue = 99;
    spin.SetValue(5);

    edit2.SetBounds(300, 180, 50, 21);
    upDown.SetBounds(350, 180, 16, 21);
    upDown.SetRange(0, 10);
    upDown.associate = &edit2;
    upDown.SetPosition(3);

    progress.SetBounds(8, 160, 190, 16);
    progress.SetRange(0, 50);
    progress.SetPosition(20);

    track.SetBounds(8, 180, 190, 30);
    track.SetRange(0, 10);
    track.SetPosition(4);

    panel.SetBounds(8, 215, 190, 40);
    panel.SetCaption("Panel");

    pages.SetBounds(210, 210, 180, 90);
    sheet1.SetCaption("First");
    sheet2.SetCaption("Second");
    pages.SetActivePageIndex(0);
    sheetCheck.SetBounds(8, 8, 100, 17);
    sheetCheck.SetCaption("On page two");

    status.SetPanelWidths({44, 72, 28});
    status.SetPanelText(0, "Timer");
    status.SetPanelText(1, "00:01:00");
    status.SetPanelText(2, "+");
    status.SetPanelOwnerDraw(2, true);
    status.SetPanelColors(2, ui::Rgb(255, 255, 255), ui::Rgb(255, 0, 0));

    hiddenItem.visible = false;
    separator.caption = "-";
    checkedItem.checked = true;
    greyItem.enabled = false;
    radioItem.radioItem = true;
    radioItem.checked = true;
    openItem.isDefault = true;

    auto log = [this](std::string entry) { return [this, entry] { events.Add(entry); }; };
    bitBtn1.OnClick = log("BitBtn1.OnClick");
    pictureButton.OnClick = log("Button1.OnClick");
    plainButton.OnClick = log("Button2.OnClick");
    check.OnClick = log("CheckBox1.OnClick");
    radio1.OnClick = log("RadioButton1.OnClick");
    radio2.OnClick = log("RadioButton2.OnClick");
    speedButton.OnClick = log("SpeedButton1.OnClick");
    combo.OnChange = log("ComboBox1.OnChange");
    edit.OnChange = log("Edit1.OnChange");
    edit.OnEnter = log("Edit1.OnEnter");
    edit2.OnChange = log("Edit2.OnChange");
    track.OnChange = log("TrackBar1.OnChange");
    pages.OnChange = log("PageControl1.OnChange");
    upDown.OnClick = [this](bool up) { events.Add(up ? "UpDown1.OnClick up" : "UpDown1.OnClick down"); };
    openItem.OnClick = log("Open1.OnClick");
    exitItem.OnClick = log("Exit1.OnClick");
    menu.OnPopup = log("PopupMenu1.OnPopup");
    status.OnMouseMove = [this](int x, int y) {
        events.Add("StatusBar1.OnMouseMove " + std::to_string(x) + "," + std::to_string(y));
    };
    speedButton.OnMouseMove = [this](int x, int y) {
        events.Add("SpeedButton1.OnMouseMove " + std::to_string(x) + "," + std::to_string(y));
    };
    form.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) {
        events.Add("Form.OnKeyDown " + std::to_string(key));
        if (key == swallowKey) key = 0;
    };
    form.OnClose = [this](ui::CloseAction& action) {
        events.Add("Form.OnClose");
        action = ui::CloseAction::None;  // the checks keep the form
    };
    form.OnActivate = log("Form.OnActivate");
    form.OnPaint = log("Form.OnPaint");
}

ModalForm::ModalForm() {
    form.SetCaption("Modal");
    form.borderStyle = ui::BorderStyle::Dialog;
    form.SetClientSize(220, 90);
    form.SetLeft(120);
    form.SetTop(120);
    edit.SetBounds(10, 10, 200, 21);
    ok.SetBounds(30, 50, 75, 25);
    ok.SetCaption("OK");
    ok.SetModalResult(1);
    ok.SetDefault(true);
    cancel.SetBounds(115, 50, 75, 25);
    cancel.SetCaption("Cancel");
    cancel.SetModalResult(2);
}

}  // namespace demo
