#include "settings/snapshot.h"

#include "app/form1.h"
#include "settings/autostart.h"

namespace settings {
namespace {

std::array<ui::CheckBox*, 27> CheckBoxes(app::TForm1& f) {
    return {&f.CheckBox1,  &f.CheckBox2,  &f.CheckBox3,  &f.CheckBox4,  &f.CheckBox5,  &f.CheckBox6,
            &f.CheckBox7,  &f.CheckBox8,  &f.CheckBox9,  &f.CheckBox10, &f.CheckBox11, &f.CheckBox12,
            &f.CheckBox13, &f.CheckBox14, &f.CheckBox15, &f.CheckBox16, &f.CheckBox17, &f.CheckBox18,
            &f.CheckBox19, &f.CheckBox20, &f.CheckBox21, &f.CheckBox22, &f.CheckBox23, &f.CheckBox24,
            &f.CheckBox25, &f.CheckBox26, &f.CheckBox27};
}

std::array<ui::RadioButton*, 4> RadioButtons(app::TForm1& f) {
    return {&f.RadioButton1, &f.RadioButton2, &f.RadioButton3, &f.RadioButton4};
}

std::array<ui::SpinEdit*, 3> SpinEdits(app::TForm1& f) {
    return {&f.SpinEdit2, &f.SpinEdit3, &f.SpinEdit4};
}

std::array<ui::Label*, 5> Labels(app::TForm1& f) {
    return {&f.Label5, &f.Label6, &f.Label7, &f.Label10, &f.Label12};
}

std::array<ui::UpDown*, 4> UpDowns(app::TForm1& f) {
    return {&f.UpDown1, &f.UpDown2, &f.UpDown3, &f.UpDown4};
}

std::array<ui::Edit*, 4> Edits(app::TForm1& f) {
    return {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4};
}

std::array<ui::ComboBox*, 4> ComboBoxes(app::TForm1& f) {
    return {&f.ComboBox2, &f.ComboBox3, &f.ComboBox4, &f.ComboBox5};
}

std::array<ui::TrackBar*, 2> TrackBars(app::TForm1& f) {
    return {&f.TrackBar1, &f.TrackBar2};
}

// Every control of the snapshot, in the order of its fields.
std::vector<ui::Widget*> Controls(app::TForm1& f) {
    std::vector<ui::Widget*> all;
    auto add = [&all](const auto& group) { all.insert(all.end(), group.begin(), group.end()); };
    add(CheckBoxes(f));
    add(RadioButtons(f));
    add(SpinEdits(f));
    add(Labels(f));
    add(UpDowns(f));
    add(Edits(f));
    add(ComboBoxes(f));
    add(TrackBars(f));
    return all;
}

}  // namespace

void SnapshotSettings(app::TForm1& form) {
    SettingsSnapshot& s = form.snapshot;
    s.taken = true;
    auto checkBoxes = CheckBoxes(form);
    for (size_t i = 0; i < checkBoxes.size(); ++i)
        s.checkBoxes[i] = checkBoxes[i]->Checked();
    auto radioButtons = RadioButtons(form);
    for (size_t i = 0; i < radioButtons.size(); ++i)
        s.radioButtons[i] = radioButtons[i]->Checked();
    auto spinEdits = SpinEdits(form);
    for (size_t i = 0; i < spinEdits.size(); ++i)
        s.spinEdits[i] = spinEdits[i]->Text();
    auto labels = Labels(form);
    for (size_t i = 0; i < labels.size(); ++i)
        s.labels[i] = labels[i]->Caption();
    auto upDowns = UpDowns(form);
    for (size_t i = 0; i < upDowns.size(); ++i)
        s.upDowns[i] = upDowns[i]->Position();
    auto edits = Edits(form);
    for (size_t i = 0; i < edits.size(); ++i)
        s.edits[i] = edits[i]->Text();
    auto comboBoxes = ComboBoxes(form);
    for (size_t i = 0; i < comboBoxes.size(); ++i)
        s.comboBoxes[i] = comboBoxes[i]->ItemIndex();
    auto trackBars = TrackBars(form);
    for (size_t i = 0; i < trackBars.size(); ++i)
        s.trackBars[i] = trackBars[i]->Position();
    s.trackBar1Range = {form.TrackBar1.Min(), form.TrackBar1.Max()};
    s.statusBarsLocked = form.SpeedButton6.Down();
    for (size_t i = 0; i < s.statusPanels.size(); ++i)
        s.statusPanels[i] = form.StatusBar1.PanelText(i);
    s.top = form.Top();
    s.left = form.Left();
    s.enabled.clear();
    for (ui::Widget* control : Controls(form))
        s.enabled.push_back(control->Enabled());
}

void RestoreSettingsSnapshot(app::TForm1& form) {
    const SettingsSnapshot& s = form.snapshot;
    if (!s.taken) return;
    // Texts first: the check boxes' handlers look at them (an empty command asks for one).
    auto edits = Edits(form);
    for (size_t i = 0; i < edits.size(); ++i)
        edits[i]->SetText(s.edits[i]);
    auto spinEdits = SpinEdits(form);
    for (size_t i = 0; i < spinEdits.size(); ++i)
        spinEdits[i]->SetText(s.spinEdits[i]);
    auto labels = Labels(form);
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->SetCaption(s.labels[i]);
    // Check boxes and radio buttons run their handlers as they change, as a user's clicks would.
    auto checkBoxes = CheckBoxes(form);
    for (size_t i = 0; i < checkBoxes.size(); ++i)
        checkBoxes[i]->SetChecked(s.checkBoxes[i]);
    auto radioButtons = RadioButtons(form);
    for (size_t i = 0; i < radioButtons.size(); ++i) {
        if (s.radioButtons[i]) radioButtons[i]->SetChecked(true);
    }
    auto upDowns = UpDowns(form);
    for (size_t i = 0; i < upDowns.size(); ++i)
        upDowns[i]->SetPosition(s.upDowns[i]);
    auto comboBoxes = ComboBoxes(form);
    for (size_t i = 0; i < comboBoxes.size(); ++i)
        comboBoxes[i]->SetItemIndex(s.comboBoxes[i]);
    form.TrackBar1.SetRange(s.trackBar1Range[0], s.trackBar1Range[1]);
    auto trackBars = TrackBars(form);
    for (size_t i = 0; i < trackBars.size(); ++i)
        trackBars[i]->SetPosition(s.trackBars[i]);
    form.SpeedButton6.SetDown(s.statusBarsLocked);
    for (size_t i = 0; i < s.statusPanels.size(); ++i)
        form.StatusBar1.SetPanelText(i, s.statusPanels[i]);
    form.SetBounds(s.left, s.top, form.Width(), form.Height());
    std::vector<ui::Widget*> controls = Controls(form);
    for (size_t i = 0; i < controls.size() && i < s.enabled.size(); ++i)
        controls[i]->SetEnabled(s.enabled[i]);

    if (form.CheckBox10.Checked()) {
        SetAutostart(form.os());
    } else {
        ClearAutostart(form.os());
    }
}

}  // namespace settings
