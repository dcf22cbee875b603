#include "log/log_page.h"

#include "app/form1.h"
#include "log/log_actions.h"
#include "log/log_writer.h"

namespace eventlog {
namespace {

// One assignment, so that the field's change handler sees the final text only once.
void CleanField(ui::SpinEdit& field, bool fillMinimum) {
    std::string text = CleanSizeText(field.Text());
    if (fillMinimum && (text.empty() || text == "0")) text = std::to_string(field.minValue);
    if (text != field.Text()) field.SetText(text);
}

}  // namespace

std::string CleanSizeText(std::string_view text) {
    int value = 0;
    if (text.empty() || !ParseSizeText(text, value) || value == 0) return {};
    for (char c : text) {
        if (c < '0' || c > '9') return "0";
    }
    return std::string(text);
}

void CheckBox20Click(app::TForm1& form) {
    const bool on = form.CheckBox20.Checked();
    form.SpinEdit3.SetEnabled(on);
    form.RadioButton3.SetEnabled(on);
    // Windows 95/98 have no event log to write to.
    form.RadioButton4.SetEnabled(on && app::IsNT(form.program.osKind));
}

bool SpinEdit3Click(app::TForm1& form) {
    CleanField(form.SpinEdit3, false);
    const bool select = form.SpinEdit3.Enabled() && !form.SpinEdit3.Text().empty();
    if (select) form.SpinEdit3.SelectAll();
    return select;
}

void SpinEdit3Change(app::TForm1& form) {
    CleanField(form.SpinEdit3, true);
}

void SpinEdit3Exit(app::TForm1& form) {
    CleanField(form.SpinEdit3, true);
}

void UpdateShowLogButton(app::TForm1& form) {
    form.SpeedButton9.SetEnabled(LogFileExists(form.program));
}

void UpdateLogFileMenus(app::TForm1& form) {
    const bool exists = LogFileExists(form.program);
    form.LogFile1.enabled = exists;
    // The locked tray menu keeps the entry off until the notebook closes.
    if (!form.TrayMenuLocked) form.LogFile2.enabled = exists;
}

void BindLogPage(app::TForm1& form) {
    app::TForm1* f = &form;
    form.CheckBox20.OnClick = [f] { CheckBox20Click(*f); };
    form.SpinEdit3.OnClick = [f] { SpinEdit3Click(*f); };
    form.SpinEdit3.OnChange = [f] { SpinEdit3Change(*f); };
    form.SpinEdit3.OnExit = [f] { SpinEdit3Exit(*f); };
    // A stored choice of the event log cannot stand where there is none.
    form.RadioButton4.OnClick = [f] {
        if (!app::IsNT(f->program.osKind)) f->RadioButton3.SetChecked(true);
    };
    form.ShowLog1.OnClick = [f] { ShowLog(*f); };
    form.SpeedButton9.OnClick = [f] { ShowLog(*f); };
    form.EraseLog1.OnClick = [f] { EraseLog(*f); };
    CheckBox20Click(form);
}

}  // namespace eventlog
