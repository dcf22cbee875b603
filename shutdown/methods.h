#pragma once
// Method codes: 0 to 8 are the ExitWindowsEx flags and their sums, 20 and above the program's own.
#include <cstdint>

namespace shutdown {

constexpr std::uint8_t EWX_LOGOFF = 0;
constexpr std::uint8_t EWX_SHUTDOWN = 1;
constexpr std::uint8_t EWX_REBOOT = 2;
constexpr std::uint8_t EWX_FORCE = 4;
constexpr std::uint8_t EWX_POWEROFF = 8;

constexpr std::uint8_t METHOD_LOGOFF = 0;
constexpr std::uint8_t METHOD_SHUTDOWN = 1;
constexpr std::uint8_t METHOD_REBOOT = 2;
constexpr std::uint8_t METHOD_FORCE_LOGOFF = 4;
constexpr std::uint8_t METHOD_FORCE_SHUTDOWN = 5;
constexpr std::uint8_t METHOD_FORCE_REBOOT = 6;
constexpr std::uint8_t METHOD_POWEROFF = 8;
constexpr std::uint8_t METHOD_TEST = 20;
constexpr std::uint8_t METHOD_MSDOS = 21;
constexpr std::uint8_t METHOD_ASK = 22;
constexpr std::uint8_t METHOD_NT_CONSOLE = 23;
constexpr std::uint8_t METHOD_RESTART_WINDOWS = 24;
constexpr std::uint8_t METHOD_NONE = 255;

// Trigger kinds of the engine state.
constexpr int TRIGGER_NONE = -1;
constexpr int TRIGGER_WINDOW = 0;
constexpr int TRIGGER_ASK = 1;
constexpr int TRIGGER_COMMAND_LINE = 2;

inline bool IsForceMethod(std::uint8_t code) {
    return code >= 4 && code <= 6;
}

}  // namespace shutdown
