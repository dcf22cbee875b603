#pragma once
// Moving the settings between the registry and the main window's controls.
namespace app {
class TForm1;
struct ProgramState;
}  // namespace app

namespace settings {

// Carries settings of older versions over, once, before anything else reads them.
void MigrateOldSettings(app::ProgramState& program);
void SetDefaultSettings(app::TForm1& form);
void LoadSettings(app::TForm1& form);
void SaveSettings(app::TForm1& form);

}  // namespace settings
