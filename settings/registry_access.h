#pragma once
// The registry layer of the settings: reads that never fail and writes that say which value
// they could not write.
//
// Plain form: booleans and integers are REG_DWORD (any non-zero reads as true), strings REG_SZ.
// String form: numbers are decimal text in a REG_SZ ("0x" reads as hexadecimal), and key paths
// may begin with a root name ("HKEY_LOCAL_MACHINE\...", HKEY_CURRENT_USER when there is none).
//
// A read yields the caller's default for a missing key, a missing value or a value of another
// type, and never reports an error. A write creates its key when needed; when Windows refuses
// it, the error box names the value and the write returns false, so that a caller writing a
// series of values can stop there.
#include <string>
#include <string_view>
#include "ports/platform.h"

namespace settings {

using port::RegRoot;

// "base\section", or base alone for an empty section.
std::string JoinKey(std::string_view base, std::string_view section);
std::string RootName(RegRoot root);

// The text of a string value up to its first NUL and never beyond the stored bytes: Windows
// does not promise that a REG_SZ ends in a NUL, and it may be longer than any buffer.
std::string StringData(const port::RegValue& value);

// Plain form.
bool ReadBool(port::RegistryPort& reg, RegRoot root, std::string_view base, std::string_view section,
              std::string_view name, bool def);
int ReadInteger(port::RegistryPort& reg, RegRoot root, std::string_view base, std::string_view section,
                std::string_view name, int def);
std::string ReadString(port::RegistryPort& reg, RegRoot root, std::string_view base, std::string_view section,
                       std::string_view name, std::string_view def);
bool WriteBool(port::Platform& os, RegRoot root, std::string_view base, std::string_view section,
               std::string_view name, bool value);
bool WriteInteger(port::Platform& os, RegRoot root, std::string_view base, std::string_view section,
                  std::string_view name, int value);
bool WriteString(port::Platform& os, RegRoot root, std::string_view base, std::string_view section,
                 std::string_view name, std::string_view value);

// String form. Text that is no number reads as the default.
struct RootedKey {
    RegRoot root = RegRoot::CurrentUser;
    std::string key;
};
RootedKey SplitRootedPath(std::string_view path);
// Decimal, or hexadecimal after "0x"; blanks around the number are allowed.
bool ParseNumberText(std::string_view text, int& value);
int ReadNumberText(port::RegistryPort& reg, std::string_view path, std::string_view section,
                   std::string_view name, int def);
std::string ReadText(port::RegistryPort& reg, std::string_view path, std::string_view section,
                     std::string_view name, std::string_view def);
bool WriteNumberText(port::Platform& os, std::string_view path, std::string_view section,
                     std::string_view name, int value);
bool WriteText(port::Platform& os, std::string_view path, std::string_view section, std::string_view name,
               std::string_view value);

// Deleting reports nothing: a value or key that is not there is as good as deleted.
bool DeleteValue(port::RegistryPort& reg, RegRoot root, std::string_view key, std::string_view name);
// Removes a key with all its subkeys (Windows NT refuses to delete a key that still has some).
bool DeleteKeyTree(port::RegistryPort& reg, RegRoot root, std::string_view key);
bool KeyExists(port::RegistryPort& reg, RegRoot root, std::string_view key);
bool ValueExists(port::RegistryPort& reg, RegRoot root, std::string_view key, std::string_view name);

}  // namespace settings
