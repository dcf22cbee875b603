#include "app/info_form.h"

#include "lib/version.h"

namespace app {

TInfoForm::TInfoForm(ProgramState& program)
    : ui::Form("TInfoForm"),
      LabelTitle(this, "LabelTitle"),
      LabelPurpose(this, "LabelPurpose"),
      LabelSettings(this, "LabelSettings"),
      LabelFiles(this, "LabelFiles"),
      ButtonOk(this, "ButtonOk") {
    SetCaption("Information");
    borderStyle = ui::BorderStyle::Dialog;
    minimizeBox = false;
    SetClientSize(330, 262);
    const int sw = program.os.system.GetSystemMetrics(port::kSmCxScreen);
    const int sh = program.os.system.GetSystemMetrics(port::kSmCyScreen);
    SetBounds((sw - Width()) / 2, (sh - Height()) / 2, Width(), Height());

    LabelTitle.SetBounds(12, 10, 306, 18);
    LabelTitle.alignment = ui::TextAlign::Center;
    LabelTitle.SetCaption(lib::kProgramTitle);
    LabelPurpose.SetBounds(12, 34, 306, 82);
    LabelPurpose.SetCaption(PurposeText());
    LabelSettings.SetBounds(12, 120, 306, 56);
    LabelSettings.SetCaption(SettingsText());
    LabelFiles.SetBounds(12, 180, 306, 40);
    LabelFiles.SetCaption(FilesText(program.ProgramDir()));
    ButtonOk.SetBounds(125, 228, 80, 26);
    ButtonOk.SetCaption("OK");
    ButtonOk.SetDefault(true);
    ButtonOk.SetModalResult(1);
}

std::string TInfoForm::PurposeText() {
    return "Ends the Windows session on request: shut down, reboot, log off, their forced variants, power "
           "off, MS-DOS mode and more - from this window, the tray icon, a hotkey, a countdown or time of "
           "day, or the command line (RVLN /? lists the options).";
}

std::string TInfoForm::SettingsText() {
    return "Settings: HKEY_CURRENT_USER\\Software\\QAV\\Ravelin\\LocalUser\rWindows 95/98 options and "
           "devices: HKEY_LOCAL_MACHINE\\Software\\QAV\\Ravelin";
}

std::string TInfoForm::FilesText(const std::string& programDir) {
    return "Shutdown log: " + programDir + "RVLN.LOG";
}

}  // namespace app
