#pragma once
// The ask dialog: offers the methods and tasks each time the ASK entry runs.
#include <cstdint>

namespace app {
struct ProgramState;
}

namespace shutdown {

struct AskOutcome {
    bool confirmed = false;
    std::uint8_t chosenCode = 0;
    bool openSettings = false;  // "&Settings..." left the dialog
};

AskOutcome ShowAskDialog(app::ProgramState& program);

}  // namespace shutdown
