#pragma once
// The autostart value "Ravelin" in the Run section of the current user's Windows key: present
// exactly while "&Always start in System Tray" is on.
#include <string>
#include <string_view>
#include "ports/platform.h"

namespace settings {

// The command Windows runs at logon: the executable's full path, in double quotes when it
// holds a blank (unquoted, "C:\Program Files\..." would let Windows start "C:\Program.exe").
std::string AutostartCommand(std::string_view executablePath);
// The program an autostart command names, whether its path is quoted or not.
std::string AutostartProgramPath(std::string_view command);

// False after the registry error box when the value could not be written.
bool SetAutostart(port::Platform& os);
void ClearAutostart(port::Platform& os);
// The program the stored value starts, or empty when there is no value.
std::string ReadAutostart(port::Platform& os);

}  // namespace settings
