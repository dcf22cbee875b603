#pragma once
// Moving the settings between the registry and the main window's controls, which hold the
// current values; the notebook's "&Save", "&Default" and "Ca&ncel".
#include "settings/snapshot.h"

namespace app {
class TForm1;
struct ProgramState;
}  // namespace app

namespace settings {

// Carries settings of older versions over, once, before anything else reads them.
void MigrateOldSettings(app::ProgramState& program);
void SetDefaultSettings(app::TForm1& form);
void LoadSettings(app::TForm1& form);
// Writes the settings in a fixed order and stops at the first write Windows refuses.
void SaveSettings(app::TForm1& form);

// The buttons under the notebook.
void TabSheet1_Save(app::TForm1& form);
void TabSheet1_Default(app::TForm1& form);
void TabSheet1_Cancel(app::TForm1& form);

// Which status bars show (Objects\StatusBar1 and StatusBar2), stored when the user changes them.
void StoreStatusBarVisibility(app::TForm1& form);

}  // namespace settings
