// "&Default" and the first step of every start: each setting control at its default.
#include "app/form1.h"
#include "settings/settings_store.h"

namespace settings {
namespace {

void SetBox(ui::CheckBox& box, bool checked) {
    box.SetChecked(checked);
}

void SetBox(ui::CheckBox& box, bool checked, bool enabled) {
    box.SetChecked(checked);
    box.SetEnabled(enabled);
}

}  // namespace

void SetDefaultSettings(app::TForm1& form) {
    const app::OsKind kind = form.program.osKind;
    const bool win9x = app::IsWin9x(kind);

    SetBox(form.CheckBox1, true);
    SetBox(form.CheckBox3, true);
    // The timer first: the boxes that depend on it follow it when it changes.
    SetBox(form.CheckBox4, false);
    SetBox(form.CheckBox12, false, false);
    SetBox(form.CheckBox2, false, false);
    SetBox(form.CheckBox24, false, false);
    SetBox(form.CheckBox25, true, false);
    form.RadioButton2.SetChecked(true);
    SetBox(form.CheckBox5, false);
    SetBox(form.CheckBox13, false, false);
    SetBox(form.CheckBox6, false);
    SetBox(form.CheckBox10, false);
    SetBox(form.CheckBox11, true);
    SetBox(form.CheckBox14, true);
    SetBox(form.CheckBox16, true);
    SetBox(form.CheckBox18, true);
    SetBox(form.CheckBox19, false);
    for (ui::CheckBox* on : {&form.CheckBox20, &form.CheckBox21, &form.CheckBox22, &form.CheckBox23})
        SetBox(*on, true);
    for (ui::CheckBox* logo : {&form.CheckBox7, &form.CheckBox8, &form.CheckBox9})
        SetBox(*logo, false);
    SetBox(form.CheckBox15, false);
    if (win9x) form.CheckBox15.SetEnabled(false);

    for (ui::Label* label : {&form.Label5, &form.Label6, &form.Label7, &form.Label10})
        label->SetCaption("00");
    for (ui::UpDown* upDown : {&form.UpDown2, &form.UpDown3, &form.UpDown4})
        upDown->SetPosition(0);
    form.UpDown1.SetPosition(-32768);
    form.TrackBar1.SetPosition(1);
    form.TrackBar2.SetPosition(180);
    form.Label12.SetCaption("180");

    form.ComboBox2.SetItemIndex(0);
    form.ComboBox3.SetItemIndex(3);
    form.ComboBox4.SetItemIndex(0);
    // F4 when the keyboard has it.
    form.ComboBox5.SetItemIndex(form.ComboBox5.Items().size() > 3 ? 3 : 0);

    form.Edit1.SetText("");
    form.Edit4.SetText("");
    form.Edit2.SetText("60");
    form.Edit3.SetText("Control Panel");
    form.SpeedButton6.SetDown(true);
    form.SpinEdit3.SetValue(64);
    form.SpinEdit3.SetEnabled(true);
    form.SpinEdit4.SetValue(20);
    form.SpinEdit4.SetEnabled(false);

    if (win9x) {
        form.RadioButton3.SetChecked(true);
        form.RadioButton4.SetEnabled(false);
    } else {
        form.RadioButton4.SetChecked(true);
    }

    for (size_t panel = 0; panel <= 3; ++panel)
        form.StatusBar1.SetPanelText(panel, "");
    form.StatusBar1.SetPanelText(4, win9x ? "LS" : "");
    form.StatusBar1.SetPanelText(5, win9x ? "L1" : "");
    form.StatusBar1.SetPanelText(6, win9x ? "L2" : "");
    form.StatusBar2.SetPanelText(0, "");
    form.StatusBar2.SetPanelText(1, "");
    form.StatusBar2.SetPanelText(5, "D");

    if (kind == app::osNT3) {
        for (ui::Widget* shellOnly :
             std::initializer_list<ui::Widget*>{&form.CheckBox2, &form.CheckBox10, &form.CheckBox11,
                                                &form.TrackBar2, &form.Edit3, &form.CheckBox15}) {
            shellOnly->SetEnabled(false);
        }
    }
}

}  // namespace settings
