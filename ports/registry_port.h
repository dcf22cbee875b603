#pragma once
// The registry, addressed by root and key path. Results are Win32 error codes (0 = success).
#include <cstdint>
#include <string>
#include <vector>

namespace port {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7
};

// A value exactly as stored: its type and its raw bytes (a REG_SZ need not end in NUL).
struct RegValue {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
};

class RegistryPort {
  public:
    virtual ~RegistryPort() = default;
    virtual long KeyExists(RegRoot root, const std::string& key) = 0;  // 0 when the key opens for reading
    virtual long CreateKey(RegRoot root, const std::string& key) = 0;
    virtual long QueryValue(RegRoot root, const std::string& key, const std::string& name, RegValue& out) = 0;
    // Creates the key when it is missing (RegCreateKeyExA then RegSetValueExA).
    virtual long SetValue(RegRoot root, const std::string& key, const std::string& name,
                          const RegValue& value) = 0;
    virtual long DeleteValue(RegRoot root, const std::string& key, const std::string& name) = 0;
    virtual long DeleteKey(RegRoot root, const std::string& key) = 0;  // a key without subkeys
    virtual long EnumSubKeys(RegRoot root, const std::string& key, std::vector<std::string>& names) = 0;
    virtual long EnumValueNames(RegRoot root, const std::string& key, std::vector<std::string>& names) = 0;
};

}  // namespace port
