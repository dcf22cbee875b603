#include "settings/registry_access.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include "lib/messages.h"
#include "lib/registry_values.h"
#include "lib/text.h"

namespace settings {
namespace {

constexpr long kOk = 0;

std::string Str(std::string_view s) {
    return std::string(s);
}

bool Query(port::RegistryPort& reg, RegRoot root, const std::string& key, std::string_view name,
           port::RegValue& out) {
    return reg.QueryValue(root, key, Str(name), out) == kOk;
}

bool DwordOf(const port::RegValue& value, std::uint32_t& out) {
    if (value.type != port::kRegDword || value.data.size() != 4) return false;
    out = value.data[0] | value.data[1] << 8 | value.data[2] << 16 | std::uint32_t(value.data[3]) << 24;
    return true;
}

bool IsString(const port::RegValue& value) {
    return value.type == port::kRegSz || value.type == port::kRegExpandSz;
}

std::string ErrorText(long code) {
    std::string text = "Error code: " + std::to_string(code);
    if (code == port::kErrAccessDenied) text += " (access denied)";
    return text;
}

bool Write(port::Platform& os, RegRoot root, const std::string& key, std::string_view name,
           const port::RegValue& value) {
    const long result = os.registry.SetValue(root, key, Str(name), value);
    if (result == kOk) return true;
    lib::ShowError(os.dialogs, "Registry ERROR!\r\rCould not write the value [ " + Str(name) +
                                   " ]\rinto the key [ " + RootName(root) + "\\" + key + " ].\r\r" +
                                   ErrorText(result));
    return false;
}

constexpr struct {
    std::string_view name;
    RegRoot root;
} kRootNames[] = {
    {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},     {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},   {"HKEY_USERS", RegRoot::Users},
    {"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig}, {"HKEY_DYN_DATA", RegRoot::DynData},
};

}  // namespace

std::string JoinKey(std::string_view base, std::string_view section) {
    if (section.empty()) return Str(base);
    return Str(base) + "\\" + Str(section);
}

std::string RootName(RegRoot root) {
    for (const auto& entry : kRootNames) {
        if (entry.root == root) return Str(entry.name);
    }
    return {};
}

std::string StringData(const port::RegValue& value) {
    const auto* bytes = reinterpret_cast<const char*>(value.data.data());
    const void* nul = value.data.empty() ? nullptr : std::memchr(bytes, 0, value.data.size());
    const size_t length = nul ? static_cast<const char*>(nul) - bytes : value.data.size();
    return std::string(bytes, length);
}

bool ReadBool(port::RegistryPort& reg, RegRoot root, std::string_view base, std::string_view section,
              std::string_view name, bool def) {
    port::RegValue value;
    std::uint32_t v = 0;
    if (!Query(reg, root, JoinKey(base, section), name, value) || !DwordOf(value, v)) return def;
    return v != 0;
}

int ReadInteger(port::RegistryPort& reg, RegRoot root, std::string_view base, std::string_view section,
                std::string_view name, int def) {
    port::RegValue value;
    std::uint32_t v = 0;
    if (!Query(reg, root, JoinKey(base, section), name, value) || !DwordOf(value, v)) return def;
    return static_cast<std::int32_t>(v);
}

std::string ReadString(port::RegistryPort& reg, RegRoot root, std::string_view base, std::string_view section,
                       std::string_view name, std::string_view def) {
    port::RegValue value;
    if (!Query(reg, root, JoinKey(base, section), name, value) || !IsString(value)) return Str(def);
    return StringData(value);
}

bool WriteBool(port::Platform& os, RegRoot root, std::string_view base, std::string_view section,
               std::string_view name, bool value) {
    return Write(os, root, JoinKey(base, section), name, lib::DwordValue(value ? 1 : 0));
}

bool WriteInteger(port::Platform& os, RegRoot root, std::string_view base, std::string_view section,
                  std::string_view name, int value) {
    return Write(os, root, JoinKey(base, section), name, lib::DwordValue(static_cast<std::uint32_t>(value)));
}

bool WriteString(port::Platform& os, RegRoot root, std::string_view base, std::string_view section,
                 std::string_view name, std::string_view value) {
    return Write(os, root, JoinKey(base, section), name, lib::StringValue(value));
}

RootedKey SplitRootedPath(std::string_view path) {
    for (const auto& entry : kRootNames) {
        if (path.size() < entry.name.size() ||
            !lib::EqualsNoCase(path.substr(0, entry.name.size()), entry.name))
            continue;
        std::string_view rest = path.substr(entry.name.size());
        if (rest.empty()) return {entry.root, {}};
        if (rest.front() == '\\') return {entry.root, Str(rest.substr(1))};
    }
    return {RegRoot::CurrentUser, Str(path)};
}

bool ParseNumberText(std::string_view text, int& value) {
    const std::string trimmed = lib::Trim(text);
    std::string_view s = trimmed;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty() || s.front() == '-' || s.front() == '+') return false;
    std::int64_t magnitude = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    // Hexadecimal text names the bits of a DWORD, so 0xFFFFFFFF is -1.
    if (base == 16 && magnitude <= 0xFFFFFFFFll && !negative) {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) return false;
    value = static_cast<int>(signedValue);
    return true;
}

int ReadNumberText(port::RegistryPort& reg, std::string_view path, std::string_view section,
                   std::string_view name, int def) {
    const RootedKey key = SplitRootedPath(path);
    port::RegValue value;
    if (!Query(reg, key.root, JoinKey(key.key, section), name, value) || !IsString(value)) return def;
    int number = 0;
    return ParseNumberText(StringData(value), number) ? number : def;
}

std::string ReadText(port::RegistryPort& reg, std::string_view path, std::string_view section,
                     std::string_view name, std::string_view def) {
    const RootedKey key = SplitRootedPath(path);
    return ReadString(reg, key.root, key.key, section, name, def);
}

bool WriteNumberText(port::Platform& os, std::string_view path, std::string_view section,
                     std::string_view name, int value) {
    return WriteText(os, path, section, name, std::to_string(value));
}

bool WriteText(port::Platform& os, std::string_view path, std::string_view section, std::string_view name,
               std::string_view value) {
    const RootedKey key = SplitRootedPath(path);
    return WriteString(os, key.root, key.key, section, name, value);
}

bool DeleteValue(port::RegistryPort& reg, RegRoot root, std::string_view key, std::string_view name) {
    return reg.DeleteValue(root, Str(key), Str(name)) == kOk;
}

bool DeleteKeyTree(port::RegistryPort& reg, RegRoot root, std::string_view key) {
    std::vector<std::string> subkeys;
    if (reg.EnumSubKeys(root, Str(key), subkeys) == kOk) {
        for (const std::string& sub : subkeys)
            DeleteKeyTree(reg, root, JoinKey(key, sub));
    }
    return reg.DeleteKey(root, Str(key)) == kOk;
}

bool KeyExists(port::RegistryPort& reg, RegRoot root, std::string_view key) {
    return reg.KeyExists(root, Str(key)) == kOk;
}

bool ValueExists(port::RegistryPort& reg, RegRoot root, std::string_view key, std::string_view name) {
    port::RegValue value;
    return Query(reg, root, Str(key), name, value);
}

}  // namespace settings
