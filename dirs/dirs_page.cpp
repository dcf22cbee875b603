#include "dirs/dirs_page.h"

#include "app/program_state.h"
#include "dirs/dir_chooser.h"
#include "dirs/empty_dirs.h"
#include "lib/messages.h"
#include "settings/keys.h"
#include "settings/registry_access.h"

namespace dirs {
namespace {

// Set while the program itself moves the confirmation box, so that its question stays away.
bool settingConfirmBox = false;

}  // namespace

ListServices ServicesOf(DirsView& view) {
    port::Platform& os = view.program.os;
    return ListServices{os.files, os.dialogs, os.system};
}

void ShowConfirmStatus(DirsView& view, bool confirm) {
    view.StatusBar2.SetPanelText(0, "Empty");
    view.StatusBar2.SetPanelText(1, confirm ? "Confirmation" : "NO CONFIRM!");
}

void WriteEmptyConfirm(DirsView& view, bool noConfirm) {
    settings::WriteBool(view.program.os, port::RegRoot::CurrentUser, settings::kUserBase, "Controls",
                        "EmptyConfirm", noConfirm);
}

bool ReadEmptyConfirm(DirsView& view) {
    return settings::ReadBool(view.program.os.registry, port::RegRoot::CurrentUser, settings::kUserBase,
                              "Controls", "EmptyConfirm", false);
}

void SetConfirmBox(DirsView& view, bool checked) {
    settingConfirmBox = true;
    view.CheckBox16.SetChecked(checked);
    settingConfirmBox = false;
}

std::vector<std::string> NormalizeDirList(DirsView& view) {
    ListServices os = ServicesOf(view);
    std::string text = view.Edit4.Text();
    std::vector<std::string> list = NormalizeDirText(os, text);
    view.Edit4.SetText(text);
    if (text.empty()) {
        view.CheckBox16.SetEnabled(false);
        view.StatusBar2.SetPanelText(0, "");
        view.StatusBar2.SetPanelText(1, "");
    } else {
        view.CheckBox16.SetEnabled(true);
        const bool noConfirm = ReadEmptyConfirm(view);
        SetConfirmBox(view, !noConfirm);
        ShowConfirmStatus(view, !noConfirm);
    }
    if (view.Edit4.Enabled() && view.GroupEmptyDirs.Showing())
        view.Edit4.SetSelStart(static_cast<int>(view.Edit4.Text().size()));
    return list;
}

void CheckBox16Click(DirsView& view) {
    if (view.CheckBox16.Checked()) {
        ShowConfirmStatus(view, true);
        if (!view.LoadingSettings && !settingConfirmBox) WriteEmptyConfirm(view, false);
        return;
    }
    const bool byUser = !settingConfirmBox && !view.LoadingSettings && view.GroupTasks.Showing();
    if (byUser &&
        !lib::Confirm(
            view.program.os.dialogs,
            "C A U T I O N !!!:\r\rUNchecking this checkbox means, that  A L L  directories "
            "specified in the\r\"Empty Directories\" list on \"Watchdogs\" page 2/3, will be "
            "emptied\rW I T H O U T  confirmation during shutdown! (Please consult the online-\rhelp "
            "for more information! = Press > F1 < after this dialog ...)\r\rARE YOU SURE, THAT YOU "
            "WANT TO UNCHECK THIS CHECKBOX?")) {
        SetConfirmBox(view, true);
        return;
    }
    ShowConfirmStatus(view, false);
    if (!view.LoadingSettings && !settingConfirmBox) WriteEmptyConfirm(view, true);
}

void SpeedButton3Click(DirsView& view) {
    NormalizeDirList(view);
    std::string temp = view.program.os.system.GetTempPath();
    if (temp.size() > 255) temp.resize(255);
    if (!temp.empty() && temp.back() == '\\') temp.pop_back();
    view.Edit4.SetText(view.Edit4.Text() + temp + ";");
    NormalizeDirList(view);
}

void SpeedButton4Click(DirsView& view) {
    switch (EmptyDirectoriesNow(view, Origin::NowButton)) {
        case EmptyOutcome::NoList:
            lib::ShowError(
                view.program.os.dialogs,
                "ERROR: There are no directories to empty!\rPlease specify one or more directories "
                "in the\rappropriate field on \"Watchdogs\" page 2.");
            break;
        case EmptyOutcome::AllEmpty:
            lib::ShowInformation(
                view.program.os.dialogs,
                "All Directories are currently empty!\rPlease copy a file/folder into one and "
                "try again.");
            break;
        default:
            break;
    }
}

void BindDirsPage(DirsView view) {
    view.CheckBox16.OnClick = [view]() mutable { CheckBox16Click(view); };
    view.SpeedButton7.OnClick = [view]() mutable { SpeedButton7Click(view); };
    view.SpeedButton3.OnClick = [view]() mutable { SpeedButton3Click(view); };
    view.SpeedButton4.OnClick = [view]() mutable { SpeedButton4Click(view); };
    // The field's exit already switches the window's key preview back on: both run.
    std::function<void()> previous = view.Edit4.OnExit;
    view.Edit4.OnExit = [view, previous]() mutable {
        if (previous) previous();
        NormalizeDirList(view);
    };
}

}  // namespace dirs
