#pragma once
// The settings version stored under ID\Version, and which migration it asks for.
#include <string>
#include <string_view>

namespace settings {

struct StoredVersion {
    std::string text;
    int major = 0;  // 0: no version, or not one this program can read
    int minor = 0;  // "3.3" is 30 and "3.31" is 31; 9999 for a pre-release or beta
};

StoredVersion ParseVersion(std::string_view text);

enum class Migration {
    None,
    // Versions 1.x and 2.x before 2.50, and their pre-releases and betas.
    FromEarlyVersion2,
    // 2.50 to 2.54, which kept the tray animation speed 80 in RVLN.INI.
    FromLateVersion2,
    // 3.0x, whose shutdown hotkey lived outside the HotKeys section.
    FromVersion30,
};

Migration ChooseMigration(const StoredVersion& version);

}  // namespace settings
