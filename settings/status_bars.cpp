// The repaint keeps the stored status-bar visibility current.
#include "app/form1.h"
#include "settings/settings_store.h"
#include "settings/user_values.h"

namespace settings {

void StoreStatusBarVisibility(app::TForm1& form) {
    port::Platform& os = form.os();
    struct Bar {
        const char* name;
        const ui::StatusBar& bar;
    };
    for (Bar b : {Bar{"StatusBar1", form.StatusBar1}, Bar{"StatusBar2", form.StatusBar2}}) {
        const bool shown = b.bar.Visible();
        // Repaints come often; the registry is only touched when the state changed.
        if (ReadUserInt(os, "Objects", b.name, -1) == (shown ? 1 : 0)) continue;
        if (!WriteUserBool(os, "Objects", b.name, shown)) return;
    }
}

}  // namespace settings
