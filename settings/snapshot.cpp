#include "settings/snapshot.h"

#include "app/form1.h"
#include "devices/drives.h"

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

// Copies each control's value into the field of the same place, and back.
template <typename Control, typename Value, size_t N, typename Get>
void Take(const std::array<Control*, N>& controls, std::array<Value, N>& values, Get get) {
    for (size_t i = 0; i < N; ++i)
        values[i] = get(*controls[i]);
}

template <typename Control, typename Value, size_t N, typename Set>
void Put(const std::array<Control*, N>& controls, const std::array<Value, N>& values, Set set) {
    for (size_t i = 0; i < N; ++i)
        set(*controls[i], values[i]);
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
    Take(CheckBoxes(form), s.checkBoxes, [](ui::CheckBox& c) { return c.Checked(); });
    Take(RadioButtons(form), s.radioButtons, [](ui::RadioButton& r) { return r.Checked(); });
    Take(SpinEdits(form), s.spinEdits, [](ui::SpinEdit& e) { return e.Text(); });
    Take(Labels(form), s.labels, [](ui::Label& l) { return l.Caption(); });
    Take(UpDowns(form), s.upDowns, [](ui::UpDown& u) { return u.Position(); });
    Take(Edits(form), s.edits, [](ui::Edit& e) { return e.Text(); });
    Take(ComboBoxes(form), s.comboBoxes, [](ui::ComboBox& c) { return c.ItemIndex(); });
    Take(TrackBars(form), s.trackBars, [](ui::TrackBar& t) { return t.Position(); });
    s.trackBar1Range = {form.TrackBar1.Min(), form.TrackBar1.Max()};
    s.statusBarsLocked = form.SpeedButton6.Down();
    for (size_t i = 0; i < s.statusPanels.size(); ++i)
        s.statusPanels[i] = form.StatusBar1.PanelText(i);
    s.top = form.Top();
    s.left = form.Left();
    s.enabled.clear();
    for (ui::Widget* control : Controls(form))
        s.enabled.push_back(control->Enabled());
    s.deviceRecords = form.program.DeviceTable.Records();
}

void RestoreSettingsSnapshot(app::TForm1& form) {
    const SettingsSnapshot& s = form.snapshot;
    if (!s.taken) return;
    // Texts first: the check boxes' handlers look at them (an empty command asks for one).
    Put(Edits(form), s.edits, [](ui::Edit& e, const std::string& text) { e.SetText(text); });
    Put(SpinEdits(form), s.spinEdits, [](ui::SpinEdit& e, const std::string& text) { e.SetText(text); });
    Put(Labels(form), s.labels, [](ui::Label& l, const std::string& text) { l.SetCaption(text); });
    // Check boxes and radio buttons run their handlers as they change, as a user's clicks would.
    Put(CheckBoxes(form), s.checkBoxes, [](ui::CheckBox& c, bool on) { c.SetChecked(on); });
    Put(RadioButtons(form), s.radioButtons, [](ui::RadioButton& r, bool on) {
        if (on) r.SetChecked(true);
    });
    Put(UpDowns(form), s.upDowns, [](ui::UpDown& u, int position) { u.SetPosition(position); });
    Put(ComboBoxes(form), s.comboBoxes, [](ui::ComboBox& c, int index) { c.SetItemIndex(index); });
    form.TrackBar1.SetRange(s.trackBar1Range[0], s.trackBar1Range[1]);
    Put(TrackBars(form), s.trackBars, [](ui::TrackBar& t, int position) { t.SetPosition(position); });
    form.SpeedButton6.SetDown(s.statusBarsLocked);
    for (size_t i = 0; i < s.statusPanels.size(); ++i)
        form.StatusBar1.SetPanelText(i, s.statusPanels[i]);
    form.SetBounds(s.left, s.top, form.Width(), form.Height());
    std::vector<ui::Widget*> controls = Controls(form);
    for (size_t i = 0; i < controls.size() && i < s.enabled.size(); ++i)
        controls[i]->SetEnabled(s.enabled[i]);
    // Last: the delay field and "&Eject, if insert" above write into the selected record.
    devices::RestoreDeviceRecords(form, s.deviceRecords);
    form.ApplyAutostart();
}

}  // namespace settings
