#pragma once
#include "win32/ports/win_api.h"

#include <string>
#include <vector>

#include "ports/registry_port.h"

namespace win32 {

// String values (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are UTF-8 bytes on the port side and UTF-16
// in the registry. The conversion keeps the stored shape: a terminating NUL travels only when it
// was stored (or is given), so a REG_SZ written without one is read back without one.
class Win32Registry final : public port::RegistryPort {
  public:
    long KeyExists(port::RegRoot root, const std::string& key) override;
    long CreateKey(port::RegRoot root, const std::string& key) override;
    long QueryValue(port::RegRoot root, const std::string& key, const std::string& name,
                    port::RegValue& out) override;
    long SetValue(port::RegRoot root, const std::string& key, const std::string& name,
                  const port::RegValue& value) override;
    long DeleteValue(port::RegRoot root, const std::string& key, const std::string& name) override;
    long DeleteKey(port::RegRoot root, const std::string& key) override;
    long EnumSubKeys(port::RegRoot root, const std::string& key, std::vector<std::string>& names) override;
    long EnumValueNames(port::RegRoot root, const std::string& key, std::vector<std::string>& names) override;
};

}  // namespace win32
