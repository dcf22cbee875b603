#include "dirs/empty_dirs.h"

#include <algorithm>

#include "app/dirs_view.h"
#include "app/program_state.h"
#include "dirs/dirs_page.h"
#include "dirs/empty_dialog.h"
#include "dirs/tray_calls.h"
#include "lib/messages.h"
#include "settings/keys.h"
#include "settings/registry_access.h"
#include "tray/tray_window.h"

namespace dirs {

EmptyOutcome EmptyDirectoriesNow(DirsView& view, Origin origin) {
    port::Platform& os = view.program.os;
    if (view.DeviceOperationRunning && (view.CheckBox19.Checked() || view.CheckBox18.Checked())) {
        lib::ShowInformation(
            os.dialogs,
            "The \"Empty Directories\" function/window is not available,\rwhile a device is in "
            "use!\r\rPlease close the eject/retract dialog/s first and wait\rfor some seconds, "
            "until the last device is loaded.");
        return EmptyOutcome::Busy;
    }
    std::vector<std::string> list = NormalizeDirList(view);
    if (view.Edit4.Text().empty()) return EmptyOutcome::NoList;
    if (std::none_of(list.begin(), list.end(),
                     [&](const std::string& d) { return IsDirNonEmpty(os.files, d); }))
        return EmptyOutcome::AllEmpty;

    TForm6 dialog(view, std::move(list), view.ComboBox2.ItemIndex(), origin);
    dialog.Realize(os.ui);
    view.AskOrEmptyDialogVisible = true;
    dialog.ShowModal();
    view.AskOrEmptyDialogVisible = false;
    settings::WriteInteger(os, port::RegRoot::CurrentUser, settings::kUserBase, "DirEmptyWindow", "Top",
                           dialog.Top());
    settings::WriteInteger(os, port::RegRoot::CurrentUser, settings::kUserBase, "DirEmptyWindow", "Left",
                           dialog.Left());
    CloseAskDialogIfOpen(view);
    return EmptyOutcome::Shown;
}

void EmptyDirectoriesNow(app::ProgramState& program) {
    if (!program.form) return;
    DirsView view = app::MakeDirsView(*program.form);
    EmptyDirectoriesNow(view, Origin::Shutdown);
}

void SetTrayIconActive(DirsView& view, bool active) {
    if (view.program.form) tray::SetTrayIconActive(*view.program.form, active);
}

void CloseAskDialogIfOpen(DirsView&) {}

}  // namespace dirs
