#pragma once
// Reading one value of an INI file's text, as the settings file of older versions was kept.
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// The value of key in [section]; names compare without regard to case. nullopt when the
// section or the key is missing.
std::optional<std::string> IniValue(std::string_view text, std::string_view section, std::string_view key);

}  // namespace settings
