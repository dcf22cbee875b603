#include "settings/user_values.h"

#include "settings/keys.h"
#include "settings/registry_access.h"

namespace settings {

bool ReadUserBool(port::Platform& os, std::string_view section, std::string_view name, bool def) {
    return ReadBool(os.registry, RegRoot::CurrentUser, kUserBase, section, name, def);
}

int ReadUserInt(port::Platform& os, std::string_view section, std::string_view name, int def) {
    return ReadInteger(os.registry, RegRoot::CurrentUser, kUserBase, section, name, def);
}

std::string ReadUserString(port::Platform& os, std::string_view section, std::string_view name,
                           std::string_view def) {
    return ReadString(os.registry, RegRoot::CurrentUser, kUserBase, section, name, def);
}

bool WriteUserBool(port::Platform& os, std::string_view section, std::string_view name, bool value) {
    return WriteBool(os, RegRoot::CurrentUser, kUserBase, section, name, value);
}

bool WriteUserInt(port::Platform& os, std::string_view section, std::string_view name, int value) {
    return WriteInteger(os, RegRoot::CurrentUser, kUserBase, section, name, value);
}

bool WriteUserString(port::Platform& os, std::string_view section, std::string_view name,
                     std::string_view value) {
    return WriteString(os, RegRoot::CurrentUser, kUserBase, section, name, value);
}

bool DeleteUserValue(port::Platform& os, std::string_view section, std::string_view name) {
    return DeleteValue(os.registry, RegRoot::CurrentUser, JoinKey(kUserBase, section), name);
}

int ReadPowerResult(port::Platform& os) {
    return ReadUserInt(os, "Guards", "PowerResult", 0);
}

bool WritePowerResult(port::Platform& os, int way) {
    return WriteUserInt(os, "Guards", "PowerResult", way);
}

}  // namespace settings
