#include "settings/version.h"

#include <charconv>
#include "lib/text.h"

namespace settings {
namespace {

int Digits(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

StoredVersion ParseVersion(std::string_view text) {
    StoredVersion version;
    version.text = std::string(text);
    if (text.size() < 3 || text.size() > 6) return version;
    const size_t dot = text.find('.');
    version.major = Digits(text.substr(0, dot));
    const std::string_view after = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (text.size() == 3) {
        version.minor = Digits(after.substr(0, 1)) * 10;
    } else if (text.size() == 4 && IsDigit(text[3])) {
        version.minor = Digits(after.substr(0, 2));
    } else {
        version.minor = Digits(after.substr(0, 1));
    }
    const std::string upper = lib::AsciiUpper(text);
    if (upper.find_first_of("PB") != std::string::npos) version.minor = 9999;
    return version;
}

Migration ChooseMigration(const StoredVersion& version) {
    if (version.text.size() < 3 || version.text.size() > 6) return Migration::None;
    const std::string upper = lib::AsciiUpper(version.text);
    const bool preRelease = upper.find_first_of("PB") != std::string::npos;
    const bool version2 = version.major == 1 || version.major == 2;
    if (version2 && (version.minor < 50 || preRelease)) return Migration::FromEarlyVersion2;
    if (version2 && version.minor < 55) return Migration::FromLateVersion2;
    if ((version.major == 3 && version.minor < 2) || upper.find("0P") != std::string::npos ||
        upper.find("1B") != std::string::npos || upper.find("0B") != std::string::npos) {
        return Migration::FromVersion30;
    }
    return Migration::None;
}

}  // namespace settings
