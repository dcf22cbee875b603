#include "settings/settings_store.h"

#include "app/form1.h"
#include "app/method_list.h"

namespace settings {

// The registry layout arrives with the settings store. Until then nothing is read or written:
// loading only adapts the method list to the system and selects its default entry.
void MigrateOldSettings(app::ProgramState&) {}
void SetDefaultSettings(app::TForm1&) {}

void LoadSettings(app::TForm1& form) {
    app::RemoveMethodsForOs(form);
    form.ComboBox1.SetItemIndex(app::DefaultMethodIndex(form.program.osKind));
}

void SaveSettings(app::TForm1&) {}

}  // namespace settings
