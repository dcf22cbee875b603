#pragma once
// The ask dialog as the engine uses it: show it, keep its options, run its tasks.
namespace app {
struct ProgramState;
}

namespace shutdown {

struct AskOutcome {
    bool confirmed = false;
    int code = -1;     // the chosen method code; -1 when none
    int logCode = -1;  // the chosen entry's position in the method list
    // "&Settings..." left the dialog while the main window was away: the notebook opens once
    // the dialog is gone.
    bool openSettings = false;
};

// Shows the dialog modally; not confirmed when there is none.
AskOutcome ShowAskDialog(app::ProgramState& program);
// After OK: "AskWindow" and the state of each enabled task box.
void StoreAskOptions(app::ProgramState& program);
// After OK: the tasks ticked in the dialog, in order. A cancelled warning of the application
// abandons the request: the ask result becomes 2 and nothing else runs.
void RunAskTasks(app::ProgramState& program);
// After "&Settings..." from an away main window: the window comes back in the notebook view.
void OpenSettingsAfterAsk(app::ProgramState& program);

}  // namespace shutdown
