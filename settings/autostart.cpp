#include "settings/autostart.h"

#include "lib/paths.h"
#include "lib/text.h"
#include "settings/keys.h"
#include "settings/registry_access.h"

namespace settings {

std::string AutostartCommand(std::string_view executablePath) {
    return lib::QuoteIfBlank(executablePath);
}

std::string AutostartProgramPath(std::string_view command) {
    const std::string text = lib::Trim(command);
    if (text.empty() || text.front() != '"') return text;
    const size_t close = text.find('"', 1);
    return text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
}

bool SetAutostart(port::Platform& os) {
    return WriteString(os, RegRoot::CurrentUser, kWindowsKey, kRunSection, kAutostartValue,
                       AutostartCommand(os.system.ExecutablePath()));
}

void ClearAutostart(port::Platform& os) {
    DeleteValue(os.registry, RegRoot::CurrentUser, JoinKey(kWindowsKey, kRunSection), kAutostartValue);
}

std::string ReadAutostart(port::Platform& os) {
    return AutostartProgramPath(
        ReadString(os.registry, RegRoot::CurrentUser, kWindowsKey, kRunSection, kAutostartValue, ""));
}

}  // namespace settings
