#pragma once
// The questions asked before a device's door moves.
#include <string>
#include "ports/dialog_port.h"

namespace devices {

// "wants to OPEN its door! - Do you allow that?"; true for Yes.
bool AskOpenDoor(port::DialogPort& dialogs, const std::string& device);

}  // namespace devices
