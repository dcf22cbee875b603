#pragma once
// Sounds, window flashing and the help system.
#include <cstdint>
#include <string>
#include "ports/types.h"

namespace port {

enum : std::uint32_t {
    kMbBeepOk = 0,
    kMbBeepHand = 0x10,
    kMbBeepQuestion = 0x20,
    kMbBeepExclamation = 0x30,
    kMbBeepAsterisk = 0x40,
    kMbBeepSimple = 0xFFFFFFFFu
};
enum : std::uint32_t {
    kHelpContext = 1,
    kHelpQuit = 2,
    kHelpIndex = 3,
    kHelpKey = 0x101,
    kHelpContextPopup = 8
};

class FeedbackPort {
  public:
    virtual ~FeedbackPort() = default;
    virtual void MessageBeep(std::uint32_t type) = 0;
    virtual void FlashWindow(WindowId window, bool invert) = 0;
    // WinHelpA: data is a context number, or the keyword for kHelpKey.
    virtual bool WinHelp(const std::string& helpFile, std::uint32_t command, std::uint32_t context,
                         const std::string& keyword) = 0;
};

}  // namespace port
