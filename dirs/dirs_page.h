#pragma once
// The "Empty Directories:" group of the notebook: the list field and its buttons, and the
// confirmation box of the "Tasks:" page.
#include <string>
#include <vector>
#include "dirs/dir_list.h"
#include "dirs/dirs_view.h"

namespace dirs {

ListServices ServicesOf(DirsView& view);

// Brings the field into its regular form (ends, length, entries), shows the confirmation
// status and returns the list. Called when the field loses the focus, after loading, before
// every use and by the add buttons.
std::vector<std::string> NormalizeDirList(DirsView& view);

// "Empty" and "Confirmation" / "NO CONFIRM!" in the second status bar.
void ShowConfirmStatus(DirsView& view, bool confirm);
// Stores whether directories are emptied without confirmation.
void WriteEmptyConfirm(DirsView& view, bool noConfirm);
bool ReadEmptyConfirm(DirsView& view);
// Sets "Confirm &for empty Directories" without its question.
void SetConfirmBox(DirsView& view, bool checked);

void CheckBox16Click(DirsView& view);
// "... add TMP Dir.": the system's temporary folder joins the list.
void SpeedButton3Click(DirsView& view);
// "now...": empties at once, or says why there is nothing to do.
void SpeedButton4Click(DirsView& view);

// Wires the group's controls; once, before the settings load.
void BindDirsPage(DirsView view);

}  // namespace dirs
