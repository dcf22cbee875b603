#include "win32/ports/registry.h"

#include <cstring>

#include "win32/handles.h"
#include "win32/text.h"

namespace win32 {

namespace {

HKEY RootKey(port::RegRoot root) {
    switch (root) {
        case port::RegRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case port::RegRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case port::RegRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case port::RegRoot::Users:
            return HKEY_USERS;
        case port::RegRoot::CurrentConfig:
            return HKEY_CURRENT_CONFIG;
        case port::RegRoot::DynData:
            return HKEY_DYN_DATA;
    }
    return HKEY_CURRENT_USER;
}

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

long OpenKey(port::RegRoot root, const std::string& key, REGSAM access, OwnedKey& out) {
    return ::RegOpenKeyExW(RootKey(root), Widen(key).c_str(), 0, access, out.Receive());
}

// Most values fit the first buffer, so one call reads them; a larger value (or one that grew
// meanwhile) is read again at the size the system reports until it fits.
long ReadRaw(HKEY key, const wchar_t* name, DWORD& type, std::vector<std::uint8_t>& data) {
    DWORD size = 256;
    for (;;) {
        data.assign(size, 0);
        DWORD got = size;
        const LONG result = ::RegQueryValueExW(key, name, nullptr, &type, data.data(), &got);
        if (result == ERROR_SUCCESS) {
            data.resize(got);
            return result;
        }
        if (result != ERROR_MORE_DATA) {
            data.clear();
            return result;
        }
        size = got > size ? got : size * 2 + 16;
    }
}

}  // namespace

long Win32Registry::KeyExists(port::RegRoot root, const std::string& key) {
    OwnedKey handle;
    return OpenKey(root, key, KEY_READ, handle);
}

long Win32Registry::CreateKey(port::RegRoot root, const std::string& key) {
    OwnedKey handle;
    return ::RegCreateKeyExW(RootKey(root), Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE, nullptr, handle.Receive(), nullptr);
}

long Win32Registry::QueryValue(port::RegRoot root, const std::string& key, const std::string& name,
                               port::RegValue& out) {
    OwnedKey handle;
    long result = OpenKey(root, key, KEY_QUERY_VALUE, handle);
    if (result != ERROR_SUCCESS) return result;
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> raw;
    result = ReadRaw(handle.Get(), Widen(name).c_str(), type, raw);
    if (result != ERROR_SUCCESS) return result;

    out.type = type;
    if (!IsStringType(type)) {
        out.data = std::move(raw);
        return ERROR_SUCCESS;
    }
    // Whole UTF-16 units only: a stray odd byte cannot form a character and is dropped.
    std::wstring wide(raw.size() / 2, L'\0');
    if (!wide.empty()) memcpy(wide.data(), raw.data(), wide.size() * sizeof(wchar_t));
    std::string utf8 = Narrow(wide);
    out.data.assign(utf8.begin(), utf8.end());
    return ERROR_SUCCESS;
}

long Win32Registry::SetValue(port::RegRoot root, const std::string& key, const std::string& name,
                             const port::RegValue& value) {
    OwnedKey handle;
    long result = ::RegCreateKeyExW(RootKey(root), Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE, nullptr, handle.Receive(), nullptr);
    if (result != ERROR_SUCCESS) return result;
    std::wstring wname = Widen(name);
    if (IsStringType(value.type)) {
        std::wstring wide =
            Widen(std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
        DWORD bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
        // NT stretches the count of a string over a NUL lying right behind it, taking it for a
        // forgotten terminator. A non-NUL guard there keeps the stored length the one given.
        wide.push_back(L'?');
        return ::RegSetValueExW(handle.Get(), wname.c_str(), 0, value.type,
                                reinterpret_cast<const BYTE*>(wide.c_str()), bytes);
    }
    static const BYTE kNothing = 0;
    const BYTE* bytes = value.data.empty() ? &kNothing : value.data.data();
    return ::RegSetValueExW(handle.Get(), wname.c_str(), 0, value.type, bytes,
                            static_cast<DWORD>(value.data.size()));
}

long Win32Registry::DeleteValue(port::RegRoot root, const std::string& key, const std::string& name) {
    OwnedKey handle;
    long result = OpenKey(root, key, KEY_SET_VALUE, handle);
    if (result != ERROR_SUCCESS) return result;
    return ::RegDeleteValueW(handle.Get(), Widen(name).c_str());
}

long Win32Registry::DeleteKey(port::RegRoot root, const std::string& key) {
    return ::RegDeleteKeyW(RootKey(root), Widen(key).c_str());
}

long Win32Registry::EnumSubKeys(port::RegRoot root, const std::string& key, std::vector<std::string>& names) {
    names.clear();
    OwnedKey handle;
    long result = OpenKey(root, key, KEY_ENUMERATE_SUB_KEYS, handle);
    if (result != ERROR_SUCCESS) return result;
    // Key names are at most 255 characters.
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        result = ::RegEnumKeyExW(handle.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (result != ERROR_SUCCESS) return result;
        names.push_back(Narrow(std::wstring_view(name, length)));
    }
}

long Win32Registry::EnumValueNames(port::RegRoot root, const std::string& key,
                                   std::vector<std::string>& names) {
    names.clear();
    OwnedKey handle;
    long result = OpenKey(root, key, KEY_QUERY_VALUE, handle);
    if (result != ERROR_SUCCESS) return result;
    // Value names are at most 16383 characters.
    std::wstring name(16384, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        result =
            ::RegEnumValueW(handle.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (result != ERROR_SUCCESS) return result;
        names.push_back(Narrow(std::wstring_view(name.data(), length)));
    }
}

}  // namespace win32
