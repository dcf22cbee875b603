#pragma once
// The one-time notices of the settings migration.
#include <string>
#include <string_view>

namespace settings {

std::string AntivirusNotice();
std::string IniNotice(std::string_view userName, std::string_view windowsDirectory);
std::string AnimationNotice();

}  // namespace settings
