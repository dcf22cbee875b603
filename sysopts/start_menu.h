#pragma once
// Copies of the Control Panel in the root of the Start menu: folders named after the user's
// choice with the Control Panel's class id as extension, which Explorer shows as the Control
// Panel itself.
#include <string>
#include <string_view>
#include "app/os_kind.h"
#include "ports/platform.h"

namespace sysopts {

inline constexpr std::string_view kControlPanelSuffix = ".{21EC2020-3AEA-1069-A2DD-08002B30309D}";

// The Start menu folder of the system: on Windows 95/98 the global one, on Windows NT 4 the
// all-users one or, for a private copy, the user's. Its last name follows the system language;
// for languages without a known name it is the first folder whose name begins with "START".
// Empty on Windows NT 3.51 and when there is no such folder to find.
std::string StartMenuFolder(port::Platform& os, app::OsKind kind, bool privateMenu);

// A name that makes one folder inside the Start menu folder and nothing else: no separators,
// drive colons, wildcards, "..", control characters, and not only dots and blanks.
bool IsPlainFolderName(std::string_view name);

// Creates the Control Panel copy named name; false (nothing created) when the folder is not
// there, the name is no plain name, or the creation fails.
bool CreateControlPanelCopy(port::Platform& os, const std::string& startMenu, const std::string& name);

// Removes every copy in the Start menu folder; each one that stays is reported and the rest
// are still removed.
void RemoveControlPanelCopies(port::Platform& os, const std::string& startMenu);

}  // namespace sysopts
