#pragma once
// Where the program keeps its settings in the registry.
#include <string_view>

namespace settings {

// Per-user settings; each value lives in a section (subkey) of this key.
inline constexpr std::string_view kUserBase = "Software\\QAV\\Ravelin\\LocalUser";
// The program's own key, which holds the sections LocalUser (Systray) and ID.
inline constexpr std::string_view kProgramKey = "SOFTWARE\\QAV\\Ravelin";
inline constexpr std::string_view kLocalUserSection = "LocalUser";
inline constexpr std::string_view kIdSection = "ID";
// Machine-wide Windows 95/98 start-up options (sections Logos and 98_Features).
inline constexpr std::string_view kGlobalBase = "Software\\QAV\\Ravelin\\GlobalUser";
// The autostart value lives in the Run section of this key.
inline constexpr std::string_view kWindowsKey = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kRunSection = "Run";
inline constexpr std::string_view kAutostartValue = "Ravelin";

// The version whose settings layout is in place once the older ones are carried over.
inline constexpr std::string_view kSettingsVersion = "3.31";

}  // namespace settings
