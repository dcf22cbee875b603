#include "sim/sim_feedback.h"

#include "sim/sim_loop.h"

namespace sim {

void SimFeedback::MessageBeep(std::uint32_t type) {
    beeps.push_back(Beep{type, loop_.NowMs()});
}

void SimFeedback::FlashWindow(port::WindowId window, bool invert) {
    flashes.push_back(Flash{window, invert, loop_.NowMs()});
}

bool SimFeedback::WinHelp(const std::string& helpFile, std::uint32_t command, std::uint32_t context,
                          const std::string& keyword) {
    helpCalls.push_back(HelpCall{helpFile, command, context, keyword});
    return helpResult;
}

}  // namespace sim
