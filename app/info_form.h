#pragma once
// The "Information..." window: what the program is, its version, and where it keeps its data.
#include "app/program_state.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {

class TInfoForm : public ui::Form {
  public:
    explicit TInfoForm(ProgramState& program);

    ui::Label LabelTitle;
    ui::Label LabelPurpose;
    ui::Label LabelSettings;
    ui::Label LabelFiles;
    ui::Button ButtonOk;

    static std::string PurposeText();
    static std::string SettingsText();
    static std::string FilesText(const std::string& programDir);
};

}  // namespace app
