#pragma once
// The registry: one in-memory tree per root. Key and value names compare without regard to case
// and keep the spelling they were created with; subkeys and values enumerate in creation order.
// DeleteKey refuses a key that has subkeys, as Windows NT does (Windows 95 would delete the
// whole branch). Access can be denied per root and key prefix, for reads, writes or both, as a
// normal user on NT meets HKEY_LOCAL_MACHINE.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "ports/registry_port.h"
#include "sim/errors.h"

namespace sim {

// One call of the program, for tests that assert what was (not) touched.
struct RegCall {
    enum Kind {
        KeyExists,
        CreateKey,
        QueryValue,
        SetValue,
        DeleteValue,
        DeleteKey,
        EnumSubKeys,
        EnumValueNames
    };
    Kind kind;
    port::RegRoot root;
    std::string key;
    std::string name;  // value name where there is one
    long result = 0;
    bool IsWrite() const {
        return kind == CreateKey || kind == SetValue || kind == DeleteValue || kind == DeleteKey;
    }
};

class SimRegistry : public port::RegistryPort {
  public:
    SimRegistry();

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

    // Access rules: calls on the prefix key or below it fail with ERROR_ACCESS_DENIED. An empty
    // prefix covers the whole root.
    void DenyAccess(port::RegRoot root, const std::string& keyPrefix, bool reads, bool writes);
    void DenyWrites(port::RegRoot root, const std::string& keyPrefix = {}) {
        DenyAccess(root, keyPrefix, false, true);
    }
    void DenyReads(port::RegRoot root, const std::string& keyPrefix = {}) {
        DenyAccess(root, keyPrefix, true, false);
    }
    void ClearAccessRules() { rules_.clear(); }

    // Test helpers. They ignore the access rules and record nothing.
    void AddKey(port::RegRoot root, const std::string& key);
    void SetRaw(port::RegRoot root, const std::string& key, const std::string& name, port::RegValue value);
    void SetDword(port::RegRoot root, const std::string& key, const std::string& name, std::uint32_t value);
    // REG_SZ with its terminating NUL, as RegSetValueExA stores a string of strlen + 1 bytes.
    void SetString(port::RegRoot root, const std::string& key, const std::string& name,
                   const std::string& value);
    void SetBinary(port::RegRoot root, const std::string& key, const std::string& name,
                   std::vector<std::uint8_t> bytes);
    void RemoveKeyTree(port::RegRoot root, const std::string& key);

    std::optional<port::RegValue> Raw(port::RegRoot root, const std::string& key,
                                      const std::string& name) const;
    // The value when it is a REG_DWORD of four bytes.
    std::optional<std::uint32_t> Dword(port::RegRoot root, const std::string& key,
                                       const std::string& name) const;
    // The text of a REG_SZ or REG_EXPAND_SZ up to its first NUL.
    std::optional<std::string> String(port::RegRoot root, const std::string& key,
                                      const std::string& name) const;
    bool HasKey(port::RegRoot root, const std::string& key) const;
    bool HasValue(port::RegRoot root, const std::string& key, const std::string& name) const;
    std::vector<std::string> SubKeyNames(port::RegRoot root, const std::string& key) const;
    std::vector<std::string> ValueNames(port::RegRoot root, const std::string& key) const;
    // The whole tree as indented text, for failure messages.
    std::string DumpTree() const;

    std::vector<RegCall> calls;
    int WriteCalls() const;

  private:
    struct Key {
        std::string name;
        std::vector<std::unique_ptr<Key>> subkeys;
        std::vector<std::pair<std::string, port::RegValue>> values;
        Key* Sub(const std::string& name) const;
        port::RegValue* Value(const std::string& name);
        const port::RegValue* Value(const std::string& name) const;
    };
    struct Rule {
        port::RegRoot root;
        std::vector<std::string> prefix;  // upper case
        bool reads, writes;
    };

    // Splits a key path; false for a path Windows refuses (leading or doubled backslash).
    static bool Split(const std::string& key, std::vector<std::string>& parts);
    bool Denied(port::RegRoot root, const std::vector<std::string>& parts, bool write) const;
    Key* Find(port::RegRoot root, const std::vector<std::string>& parts) const;
    Key* FindPath(port::RegRoot root, const std::string& key) const;
    Key& Create(port::RegRoot root, const std::vector<std::string>& parts);
    // Parses and checks access; 0 when the call may go on.
    long Check(port::RegRoot root, const std::string& key, bool write, std::vector<std::string>& parts) const;
    long Record(RegCall::Kind kind, port::RegRoot root, const std::string& key, const std::string& name,
                long result);
    static void Dump(const Key& key, int depth, std::string& out);

    std::map<port::RegRoot, std::unique_ptr<Key>> roots_;
    std::vector<Rule> rules_;
};

}  // namespace sim
