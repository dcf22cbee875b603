#pragma once
// Single per-user values, for the parts of the program that read or write a setting at its
// point of use (log size, viewers, dialog positions and options, hotkeys, the power-off way).
// They live in a section of the per-user key and follow the plain form of the registry layer.
#include <string>
#include <string_view>
#include "ports/platform.h"

namespace settings {

bool ReadUserBool(port::Platform& os, std::string_view section, std::string_view name, bool def);
int ReadUserInt(port::Platform& os, std::string_view section, std::string_view name, int def);
std::string ReadUserString(port::Platform& os, std::string_view section, std::string_view name,
                           std::string_view def);
// False after the registry error box when Windows refused the write.
bool WriteUserBool(port::Platform& os, std::string_view section, std::string_view name, bool value);
bool WriteUserInt(port::Platform& os, std::string_view section, std::string_view name, int value);
bool WriteUserString(port::Platform& os, std::string_view section, std::string_view name,
                     std::string_view value);
bool DeleteUserValue(port::Platform& os, std::string_view section, std::string_view name);

// The way that powered this machine off through APM: 0 none learned yet, 1 to 3 a way, 99
// invalid (Guards\PowerResult).
int ReadPowerResult(port::Platform& os);
bool WritePowerResult(port::Platform& os, int way);

}  // namespace settings
