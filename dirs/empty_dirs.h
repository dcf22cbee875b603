#pragma once
// Emptying the listed directories: the task before shutdown, from the ask dialog and "now...".
namespace app {
struct ProgramState;
}

namespace dirs {

struct DirsView;

// Why the dialog did or did not come up.
enum class EmptyOutcome {
    NoList,    // the field is empty
    AllEmpty,  // no listed directory has content
    Shown,     // the dialog ran
    Busy,      // a device operation keeps the dialog away
};

// Where the dialog grows from when windows are animated.
enum class Origin { Shutdown, NowButton };

EmptyOutcome EmptyDirectoriesNow(DirsView& view, Origin origin);
// The engine's task; nothing when there is no main window.
void EmptyDirectoriesNow(app::ProgramState& program);

}  // namespace dirs
