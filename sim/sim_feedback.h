#pragma once
// Beeps, window flashes and help calls, each recorded with the virtual time it happened.
#include <cstdint>
#include <string>
#include <vector>
#include "ports/feedback_port.h"

namespace sim {

class SimLoop;

struct Beep {
    std::uint32_t type = 0;
    std::uint64_t atMs = 0;
};

struct Flash {
    port::WindowId window = 0;
    bool invert = false;
    std::uint64_t atMs = 0;
};

struct HelpCall {
    std::string helpFile;
    std::uint32_t command = 0;
    std::uint32_t context = 0;
    std::string keyword;
};

class SimFeedback : public port::FeedbackPort {
  public:
    explicit SimFeedback(const SimLoop& loop) : loop_(loop) {}

    void MessageBeep(std::uint32_t type) override;
    void FlashWindow(port::WindowId window, bool invert) override;
    bool WinHelp(const std::string& helpFile, std::uint32_t command, std::uint32_t context,
                 const std::string& keyword) override;

    bool helpResult = true;
    std::vector<Beep> beeps;
    std::vector<Flash> flashes;
    std::vector<HelpCall> helpCalls;

  private:
    const SimLoop& loop_;
};

}  // namespace sim
