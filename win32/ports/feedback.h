#pragma once
#include "win32/ports/win_api.h"

#include <cstdint>
#include <string>

#include "ports/feedback_port.h"
#include "win32/ports/ids.h"

namespace win32 {

class Win32Feedback final : public port::FeedbackPort {
  public:
    // The help window is tied to the application window: it closes with it.
    explicit Win32Feedback(WindowSource applicationWindow)
        : applicationWindow_(std::move(applicationWindow)) {}

    void MessageBeep(std::uint32_t type) override;
    void FlashWindow(port::WindowId window, bool invert) override;
    bool WinHelp(const std::string& helpFile, std::uint32_t command, std::uint32_t context,
                 const std::string& keyword) override;

  private:
    WindowSource applicationWindow_;
};

}  // namespace win32
