#include "sim/sim_registry.h"

#include <cstdio>
#include "ports/types.h"
#include "lib/text.h"

namespace sim {

namespace {

constexpr long kOk = 0;
constexpr long kNotFound = port::kErrFileNotFound;
constexpr long kDenied = port::kErrAccessDenied;

const char* RootName(port::RegRoot root) {
    switch (root) {
        case port::RegRoot::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case port::RegRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
        case port::RegRoot::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case port::RegRoot::Users:
            return "HKEY_USERS";
        case port::RegRoot::CurrentConfig:
            return "HKEY_CURRENT_CONFIG";
        case port::RegRoot::DynData:
            return "HKEY_DYN_DATA";
    }
    return "?";
}

std::string Describe(const port::RegValue& value) {
    char buf[16];
    std::string out;
    if (value.type == port::kRegDword && value.data.size() == 4) {
        std::uint32_t v = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                          static_cast<std::uint32_t>(value.data[3]) << 24;
        std::snprintf(buf, sizeof buf, "0x%08X", v);
        return std::string("REG_DWORD ") + buf;
    }
    if (value.type == port::kRegSz || value.type == port::kRegExpandSz) {
        out = value.type == port::kRegSz ? "REG_SZ \"" : "REG_EXPAND_SZ \"";
        for (std::uint8_t c : value.data) {
            if (c == 0) {
                out += "\\0";
            } else {
                out += static_cast<char>(c);
            }
        }
        return out + "\"";
    }
    std::snprintf(buf, sizeof buf, "type %u", static_cast<unsigned>(value.type));
    out = buf;
    for (std::uint8_t c : value.data) {
        std::snprintf(buf, sizeof buf, " %02X", c);
        out += buf;
    }
    return out;
}

}  // namespace

SimRegistry::Key* SimRegistry::Key::Sub(const std::string& subName) const {
    for (const auto& sub : subkeys) {
        if (lib::EqualsNoCase(sub->name, subName)) return sub.get();
    }
    return nullptr;
}

port::RegValue* SimRegistry::Key::Value(const std::string& valueName) {
    for (auto& [n, v] : values) {
        if (lib::EqualsNoCase(n, valueName)) return &v;
    }
    return nullptr;
}

const port::RegValue* SimRegistry::Key::Value(const std::string& valueName) const {
    return const_cast<Key*>(this)->Value(valueName);
}

SimRegistry::SimRegistry() {
    for (port::RegRoot root :
         {port::RegRoot::ClassesRoot, port::RegRoot::CurrentUser, port::RegRoot::LocalMachine,
          port::RegRoot::Users, port::RegRoot::CurrentConfig, port::RegRoot::DynData}) {
        roots_[root] = std::make_unique<Key>();
        roots_[root]->name = RootName(root);
    }
    AddKey(port::RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion");
    AddKey(port::RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    AddKey(port::RegRoot::LocalMachine, "System\\CurrentControlSet\\Control");
}

bool SimRegistry::Split(const std::string& key, std::vector<std::string>& parts) {
    parts.clear();
    if (key.empty()) return true;
    if (key[0] == '\\') return false;
    std::string part;
    for (size_t i = 0; i < key.size(); ++i) {
        if (key[i] != '\\') {
            part += key[i];
            continue;
        }
        if (part.empty()) return false;
        parts.push_back(part);
        part.clear();
    }
    // A single trailing backslash is tolerated.
    if (!part.empty()) parts.push_back(part);
    return true;
}

bool SimRegistry::Denied(port::RegRoot root, const std::vector<std::string>& parts, bool write) const {
    for (const Rule& rule : rules_) {
        if (rule.root != root || !(write ? rule.writes : rule.reads)) continue;
        if (rule.prefix.size() > parts.size()) continue;
        bool match = true;
        for (size_t i = 0; i < rule.prefix.size() && match; ++i)
            match = lib::AsciiUpper(parts[i]) == rule.prefix[i];
        if (match) return true;
    }
    return false;
}

SimRegistry::Key* SimRegistry::Find(port::RegRoot root, const std::vector<std::string>& parts) const {
    Key* key = roots_.at(root).get();
    for (const std::string& part : parts) {
        key = key->Sub(part);
        if (!key) return nullptr;
    }
    return key;
}

SimRegistry::Key* SimRegistry::FindPath(port::RegRoot root, const std::string& key) const {
    std::vector<std::string> parts;
    return Split(key, parts) ? Find(root, parts) : nullptr;
}

SimRegistry::Key& SimRegistry::Create(port::RegRoot root, const std::vector<std::string>& parts) {
    Key* key = roots_.at(root).get();
    for (const std::string& part : parts) {
        Key* sub = key->Sub(part);
        if (!sub) {
            key->subkeys.push_back(std::make_unique<Key>());
            sub = key->subkeys.back().get();
            sub->name = part;
        }
        key = sub;
    }
    return *key;
}

long SimRegistry::Check(port::RegRoot root, const std::string& key, bool write,
                        std::vector<std::string>& parts) const {
    if (!Split(key, parts)) return kErrBadPathname;
    return Denied(root, parts, write) ? kDenied : kOk;
}

long SimRegistry::Record(RegCall::Kind kind, port::RegRoot root, const std::string& key,
                         const std::string& name, long result) {
    calls.push_back(RegCall{kind, root, key, name, result});
    return result;
}

long SimRegistry::KeyExists(port::RegRoot root, const std::string& key) {
    std::vector<std::string> parts;
    long result = Check(root, key, false, parts);
    if (result == kOk && !Find(root, parts)) result = kNotFound;
    return Record(RegCall::KeyExists, root, key, {}, result);
}

long SimRegistry::CreateKey(port::RegRoot root, const std::string& key) {
    std::vector<std::string> parts;
    long result = Check(root, key, true, parts);
    if (result == kOk) Create(root, parts);
    return Record(RegCall::CreateKey, root, key, {}, result);
}

long SimRegistry::QueryValue(port::RegRoot root, const std::string& key, const std::string& name,
                             port::RegValue& out) {
    std::vector<std::string> parts;
    long result = Check(root, key, false, parts);
    if (result == kOk) {
        const Key* k = Find(root, parts);
        const port::RegValue* v = k ? k->Value(name) : nullptr;
        if (v) {
            out = *v;
        } else {
            result = kNotFound;
        }
    }
    return Record(RegCall::QueryValue, root, key, name, result);
}

long SimRegistry::SetValue(port::RegRoot root, const std::string& key, const std::string& name,
                           const port::RegValue& value) {
    std::vector<std::string> parts;
    long result = Check(root, key, true, parts);
    if (result == kOk) {
        Key& k = Create(root, parts);
        if (port::RegValue* v = k.Value(name)) {
            *v = value;
        } else {
            k.values.emplace_back(name, value);
        }
    }
    return Record(RegCall::SetValue, root, key, name, result);
}

long SimRegistry::DeleteValue(port::RegRoot root, const std::string& key, const std::string& name) {
    std::vector<std::string> parts;
    long result = Check(root, key, true, parts);
    if (result == kOk) {
        result = kNotFound;
        if (Key* k = Find(root, parts)) {
            for (auto it = k->values.begin(); it != k->values.end(); ++it) {
                if (lib::EqualsNoCase(it->first, name)) {
                    k->values.erase(it);
                    result = kOk;
                    break;
                }
            }
        }
    }
    return Record(RegCall::DeleteValue, root, key, name, result);
}

long SimRegistry::DeleteKey(port::RegRoot root, const std::string& key) {
    std::vector<std::string> parts;
    long result = Check(root, key, true, parts);
    if (result == kOk && parts.empty()) result = kDenied;
    if (result == kOk) {
        Key* k = Find(root, parts);
        if (!k) {
            result = kNotFound;
        } else if (!k->subkeys.empty()) {
            result = kDenied;
        } else {
            parts.pop_back();
            auto& siblings = Find(root, parts)->subkeys;
            for (auto it = siblings.begin(); it != siblings.end(); ++it) {
                if (it->get() == k) {
                    siblings.erase(it);
                    break;
                }
            }
        }
    }
    return Record(RegCall::DeleteKey, root, key, {}, result);
}

long SimRegistry::EnumSubKeys(port::RegRoot root, const std::string& key, std::vector<std::string>& names) {
    std::vector<std::string> parts;
    long result = Check(root, key, false, parts);
    if (result == kOk) {
        if (const Key* k = Find(root, parts)) {
            names.clear();
            for (const auto& sub : k->subkeys)
                names.push_back(sub->name);
        } else {
            result = kNotFound;
        }
    }
    return Record(RegCall::EnumSubKeys, root, key, {}, result);
}

long SimRegistry::EnumValueNames(port::RegRoot root, const std::string& key,
                                 std::vector<std::string>& names) {
    std::vector<std::string> parts;
    long result = Check(root, key, false, parts);
    if (result == kOk) {
        if (const Key* k = Find(root, parts)) {
            names.clear();
            for (const auto& [n, v] : k->values)
                names.push_back(n);
        } else {
            result = kNotFound;
        }
    }
    return Record(RegCall::EnumValueNames, root, key, {}, result);
}

void SimRegistry::DenyAccess(port::RegRoot root, const std::string& keyPrefix, bool reads, bool writes) {
    std::vector<std::string> parts;
    Split(keyPrefix, parts);
    for (std::string& part : parts)
        part = lib::AsciiUpper(part);
    rules_.push_back(Rule{root, std::move(parts), reads, writes});
}

void SimRegistry::AddKey(port::RegRoot root, const std::string& key) {
    std::vector<std::string> parts;
    if (Split(key, parts)) Create(root, parts);
}

void SimRegistry::SetRaw(port::RegRoot root, const std::string& key, const std::string& name,
                         port::RegValue value) {
    std::vector<std::string> parts;
    if (!Split(key, parts)) return;
    Key& k = Create(root, parts);
    if (port::RegValue* v = k.Value(name)) {
        *v = std::move(value);
    } else {
        k.values.emplace_back(name, std::move(value));
    }
}

void SimRegistry::SetDword(port::RegRoot root, const std::string& key, const std::string& name,
                           std::uint32_t value) {
    SetRaw(root, key, name,
           port::RegValue{port::kRegDword,
                          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}});
}

void SimRegistry::SetString(port::RegRoot root, const std::string& key, const std::string& name,
                            const std::string& value) {
    port::RegValue v{port::kRegSz, std::vector<std::uint8_t>(value.begin(), value.end())};
    v.data.push_back(0);
    SetRaw(root, key, name, std::move(v));
}

void SimRegistry::SetBinary(port::RegRoot root, const std::string& key, const std::string& name,
                            std::vector<std::uint8_t> bytes) {
    SetRaw(root, key, name, port::RegValue{port::kRegBinary, std::move(bytes)});
}

void SimRegistry::RemoveKeyTree(port::RegRoot root, const std::string& key) {
    std::vector<std::string> parts;
    if (!Split(key, parts) || parts.empty()) return;
    Key* k = Find(root, parts);
    if (!k) return;
    parts.pop_back();
    auto& siblings = Find(root, parts)->subkeys;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
        if (it->get() == k) {
            siblings.erase(it);
            return;
        }
    }
}

std::optional<port::RegValue> SimRegistry::Raw(port::RegRoot root, const std::string& key,
                                               const std::string& name) const {
    const Key* k = FindPath(root, key);
    const port::RegValue* v = k ? k->Value(name) : nullptr;
    if (!v) return std::nullopt;
    return *v;
}

std::optional<std::uint32_t> SimRegistry::Dword(port::RegRoot root, const std::string& key,
                                                const std::string& name) const {
    auto v = Raw(root, key, name);
    if (!v || v->type != port::kRegDword || v->data.size() != 4) return std::nullopt;
    return v->data[0] | v->data[1] << 8 | v->data[2] << 16 | static_cast<std::uint32_t>(v->data[3]) << 24;
}

std::optional<std::string> SimRegistry::String(port::RegRoot root, const std::string& key,
                                               const std::string& name) const {
    auto v = Raw(root, key, name);
    if (!v || (v->type != port::kRegSz && v->type != port::kRegExpandSz)) return std::nullopt;
    std::string text(v->data.begin(), v->data.end());
    return text.substr(0, text.find('\0'));
}

bool SimRegistry::HasKey(port::RegRoot root, const std::string& key) const {
    return FindPath(root, key) != nullptr;
}

bool SimRegistry::HasValue(port::RegRoot root, const std::string& key, const std::string& name) const {
    return Raw(root, key, name).has_value();
}

std::vector<std::string> SimRegistry::SubKeyNames(port::RegRoot root, const std::string& key) const {
    std::vector<std::string> names;
    if (const Key* k = FindPath(root, key)) {
        for (const auto& sub : k->subkeys)
            names.push_back(sub->name);
    }
    return names;
}

std::vector<std::string> SimRegistry::ValueNames(port::RegRoot root, const std::string& key) const {
    std::vector<std::string> names;
    if (const Key* k = FindPath(root, key)) {
        for (const auto& [n, v] : k->values)
            names.push_back(n);
    }
    return names;
}

void SimRegistry::Dump(const Key& key, int depth, std::string& out) {
    out += std::string(depth * 2, ' ') + key.name + "\n";
    for (const auto& [n, v] : key.values) {
        out += std::string(depth * 2 + 2, ' ') + "\"" + n + "\" = " + Describe(v) + "\n";
    }
    for (const auto& sub : key.subkeys)
        Dump(*sub, depth + 1, out);
}

std::string SimRegistry::DumpTree() const {
    std::string out;
    for (const auto& [root, key] : roots_) {
        if (!key->subkeys.empty() || !key->values.empty()) Dump(*key, 0, out);
    }
    return out;
}

int SimRegistry::WriteCalls() const {
    int n = 0;
    for (const RegCall& c : calls)
        n += c.IsWrite();
    return n;
}

}  // namespace sim
