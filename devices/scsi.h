#pragma once
// Door commands and the medium test through device I/O control on "\\.\" + target (Windows NT).
// Worker threads call them: their error boxes are shown on the main thread, and the caller
// waits until the box is closed. Every handle opened is closed before they return.
#include <string>

namespace app {
struct ProgramState;
}

namespace devices {

// Opens the door; a tape gets a second try before its box.
bool EjectSCSI(app::ProgramState& program, const std::string& target);
// Closes the door.
bool LoadSCSI(app::ProgramState& program, const std::string& target);
// A medium is in and the device ready; a device that does not open answers false, silently.
bool MediaPresentSCSI(app::ProgramState& program, const std::string& target);

}  // namespace devices
