#include "settings/ini.h"

#include "lib/text.h"

namespace settings {

std::optional<std::string> IniValue(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string line = lib::Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            inSection = close != std::string::npos &&
                        lib::EqualsNoCase(lib::Trim(line.substr(1, close - 1)), section);
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        if (lib::EqualsNoCase(lib::Trim(line.substr(0, equals)), key))
            return lib::Trim(line.substr(equals + 1));
    }
    return std::nullopt;
}

}  // namespace settings
