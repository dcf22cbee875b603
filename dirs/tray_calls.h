#pragma once
// What the emptying dialog asks of the tray icon and of the ask dialog. The ask dialog arrives
// with its own window; until then closing it leaves everything as it is.
#include "dirs/dirs_view.h"

namespace dirs {

// The tray icon stops (false) or resumes (true) reacting while the dialog is up.
void SetTrayIconActive(DirsView& view, bool active);
// Closes the ask dialog when it is still open after the emptying.
void CloseAskDialogIfOpen(DirsView& view);

}  // namespace dirs
