// A user's change of the status bars is stored at once. Never from painting: a refused write
// shows a box, and the box's modal loop paints the window again.
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
        // Only what changed is written; one refusal is one box for the whole change.
        if (ReadUserInt(os, "Objects", b.name, -1) == (shown ? 1 : 0)) continue;
        if (!WriteUserBool(os, "Objects", b.name, shown)) return;
    }
}

}  // namespace settings
