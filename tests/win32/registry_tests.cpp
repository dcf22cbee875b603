// Registry round trips through Win32Registry, checked against what the raw API sees.
#include "win32/ports/win_api.h"

#include <algorithm>

#include "tests/win32/check.h"
#include "tests/win32/support.h"
#include "win32/ports/registry.h"
#include "win32/text.h"

namespace {

using port::RegRoot;
using port::RegValue;

RegValue Value(std::uint32_t type, std::string_view bytes) {
    RegValue v;
    v.type = type;
    v.data.assign(bytes.begin(), bytes.end());
    return v;
}

std::vector<std::uint8_t> Bytes(std::string_view bytes) {
    return {bytes.begin(), bytes.end()};
}

// What the registry holds, read with the W API directly: type and raw bytes.
bool RawRead(const std::string& key, const std::string& name, DWORD& type, std::vector<std::uint8_t>& data) {
    HKEY handle = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, win32::Widen(key).c_str(), 0, KEY_QUERY_VALUE, &handle))
        return false;
    DWORD size = 0;
    std::wstring wname = win32::Widen(name);
    LONG result = ::RegQueryValueExW(handle, wname.c_str(), nullptr, &type, nullptr, &size);
    data.assign(size, 0);
    if (result == ERROR_SUCCESS && size)
        result = ::RegQueryValueExW(handle, wname.c_str(), nullptr, &type, data.data(), &size);
    ::RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

std::vector<std::uint8_t> Utf16Bytes(std::wstring_view text) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    return {p, p + text.size() * sizeof(wchar_t)};
}

// Writes through the adapter, reads back through the adapter and expects the very same value.
void RoundTrip(win32::Win32Registry& reg, const std::string& key, const std::string& name,
               const RegValue& value) {
    CHECK_EQ(reg.SetValue(RegRoot::CurrentUser, key, name, value), 0L);
    RegValue back;
    back.type = 0xDEAD;
    CHECK_EQ(reg.QueryValue(RegRoot::CurrentUser, key, name, back), 0L);
    CHECK_EQ(back.type, value.type);
    CHECK_EQ(back.data, value.data);
}

}  // namespace

CHECK_GROUP(registry) {
    win32::Win32Registry reg;
    const std::string base = "Software\\RvlnAdapterTests\\" + support::Unique("run");
    const std::string key = base + "\\Values";

    // Missing key and value.
    RegValue none;
    CHECK_EQ(reg.KeyExists(RegRoot::CurrentUser, base), static_cast<long>(ERROR_FILE_NOT_FOUND));
    CHECK_EQ(reg.QueryValue(RegRoot::CurrentUser, key, "Missing", none),
             static_cast<long>(ERROR_FILE_NOT_FOUND));
    CHECK_EQ(reg.DeleteValue(RegRoot::CurrentUser, key, "Missing"), static_cast<long>(ERROR_FILE_NOT_FOUND));
    CHECK_EQ(reg.DeleteKey(RegRoot::CurrentUser, key), static_cast<long>(ERROR_FILE_NOT_FOUND));
    std::vector<std::string> names{"stale"};
    CHECK_EQ(reg.EnumSubKeys(RegRoot::CurrentUser, key, names), static_cast<long>(ERROR_FILE_NOT_FOUND));
    CHECK_EQ(reg.EnumValueNames(RegRoot::CurrentUser, key, names), static_cast<long>(ERROR_FILE_NOT_FOUND));

    // SetValue creates the key (and its missing parents).
    std::string dword("\x2A\x00\x00\x00", 4);
    RoundTrip(reg, key, "Answer", Value(REG_DWORD, dword));
    CHECK_EQ(reg.KeyExists(RegRoot::CurrentUser, key), 0L);
    CHECK_EQ(reg.QueryValue(RegRoot::CurrentUser, key, "Missing", none),
             static_cast<long>(ERROR_FILE_NOT_FOUND));

    // Every value type the program uses, and the odd ones.
    RoundTrip(reg, key, "Binary", Value(REG_BINARY, std::string("\x00\x01\xFE\xFF\x00", 5)));
    // Larger than the first read's buffer, and exactly its size.
    RoundTrip(reg, key, "Long binary", Value(REG_BINARY, std::string(5000, '\x5A')));
    RoundTrip(reg, key, "Buffer-sized binary", Value(REG_BINARY, std::string(256, '\x01')));
    RoundTrip(reg, key, "Long string", Value(REG_SZ, std::string(600, 'a') + std::string(1, '\0')));
    RoundTrip(reg, key, "Empty binary", Value(REG_BINARY, ""));
    RoundTrip(reg, key, "None", Value(REG_NONE, ""));
    RoundTrip(reg, key, "Terminated", Value(REG_SZ, std::string("C:\\RAVELIN\0", 11)));
    RoundTrip(reg, key, "Unterminated", Value(REG_SZ, "abc"));
    RoundTrip(reg, key, "Empty string", Value(REG_SZ, ""));
    RoundTrip(reg, key, "Accents", Value(REG_SZ, std::string("Gr\xC3\xBC\xC3\x9F\x65 \xC2\xA9\0", 11)));
    RoundTrip(reg, key, "Expand", Value(REG_EXPAND_SZ, std::string("%TEMP%\\x\0", 9)));
    RoundTrip(reg, key, "Multi", Value(REG_MULTI_SZ, std::string("one\0two\0\0", 9)));
    RoundTrip(reg, key, "", Value(REG_SZ, std::string("default\0", 8)));

    // The registry itself holds UTF-16 with exactly the NULs given.
    DWORD type = 0;
    std::vector<std::uint8_t> raw;
    CHECK(RawRead(key, "Unterminated", type, raw));
    CHECK_EQ(type, static_cast<DWORD>(REG_SZ));
    CHECK_EQ(raw, Utf16Bytes(L"abc"));
    CHECK(RawRead(key, "Accents", type, raw));
    CHECK_EQ(raw, Utf16Bytes(std::wstring_view(L"Gr\u00FC\u00DFe \u00A9\0", 8)));
    CHECK(RawRead(key, "Answer", type, raw));
    CHECK_EQ(type, static_cast<DWORD>(REG_DWORD));
    CHECK_EQ(raw, Bytes(dword));

    // A string another program wrote without its NUL reads back without one. (The "Q" behind the
    // counted bytes stops the registry from counting a NUL there as the terminator.)
    HKEY handle = nullptr;
    CHECK_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, win32::Widen(key).c_str(), 0, KEY_SET_VALUE, &handle),
             ERROR_SUCCESS);
    ::RegSetValueExW(handle, L"Foreign", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"xyzQ"), 6);
    ::RegCloseKey(handle);
    RegValue foreign;
    CHECK_EQ(reg.QueryValue(RegRoot::CurrentUser, key, "Foreign", foreign), 0L);
    CHECK_EQ(foreign.type, static_cast<std::uint32_t>(REG_SZ));
    CHECK_EQ(foreign.data, Bytes("xyz"));

    // Large values.
    std::string bigBinary(300000, '\0');
    for (size_t i = 0; i < bigBinary.size(); ++i)
        bigBinary[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    RoundTrip(reg, key, "Big binary", Value(REG_BINARY, bigBinary));
    std::string bigText(50000, 'x');
    for (size_t i = 0; i < bigText.size(); ++i)
        bigText[i] = static_cast<char>('A' + i % 26);
    bigText.push_back('\0');
    RoundTrip(reg, key, "Big text", Value(REG_SZ, bigText));

    // A value changes its type when written again.
    RoundTrip(reg, key, "Answer", Value(REG_SZ, std::string("42\0", 3)));

    // Enumeration, in any order.
    const std::string enumKey = base + "\\Enum";
    for (const char* name : {"Alpha", "Beta", "Gr\xC3\xBC\xC3\x9F\x65"})
        CHECK_EQ(reg.SetValue(RegRoot::CurrentUser, enumKey, name, Value(REG_DWORD, dword)), 0L);
    CHECK_EQ(reg.CreateKey(RegRoot::CurrentUser, enumKey + "\\Sub1"), 0L);
    CHECK_EQ(reg.CreateKey(RegRoot::CurrentUser, enumKey + "\\Schl\xC3\xBC\x73sel"), 0L);
    CHECK_EQ(reg.CreateKey(RegRoot::CurrentUser, enumKey + "\\Sub1"), 0L);  // existing: still fine
    CHECK_EQ(reg.EnumValueNames(RegRoot::CurrentUser, enumKey, names), 0L);
    std::sort(names.begin(), names.end());
    CHECK_EQ(names, (std::vector<std::string>{"Alpha", "Beta", "Gr\xC3\xBC\xC3\x9F\x65"}));
    CHECK_EQ(reg.EnumSubKeys(RegRoot::CurrentUser, enumKey, names), 0L);
    std::sort(names.begin(), names.end());
    CHECK_EQ(names, (std::vector<std::string>{"Schl\xC3\xBC\x73sel", "Sub1"}));
    CHECK_EQ(reg.EnumSubKeys(RegRoot::CurrentUser, enumKey + "\\Sub1", names), 0L);
    CHECK(names.empty());

    // Deleting.
    CHECK_EQ(reg.DeleteValue(RegRoot::CurrentUser, enumKey, "Beta"), 0L);
    CHECK_EQ(reg.QueryValue(RegRoot::CurrentUser, enumKey, "Beta", none),
             static_cast<long>(ERROR_FILE_NOT_FOUND));
    CHECK_EQ(reg.EnumValueNames(RegRoot::CurrentUser, enumKey, names), 0L);
    CHECK_EQ(names.size(), 2u);
    CHECK(reg.DeleteKey(RegRoot::CurrentUser, enumKey) != 0);  // still has subkeys
    CHECK_EQ(reg.DeleteKey(RegRoot::CurrentUser, enumKey + "\\Sub1"), 0L);
    CHECK_EQ(reg.DeleteKey(RegRoot::CurrentUser, enumKey + "\\Schl\xC3\xBC\x73sel"), 0L);
    CHECK_EQ(reg.DeleteKey(RegRoot::CurrentUser, enumKey), 0L);
    CHECK_EQ(reg.KeyExists(RegRoot::CurrentUser, enumKey), static_cast<long>(ERROR_FILE_NOT_FOUND));

    // The other roots reach their hives.
    CHECK_EQ(reg.KeyExists(RegRoot::LocalMachine, "Software"), 0L);
    CHECK_EQ(reg.KeyExists(RegRoot::Users, ".Default"), 0L);
    CHECK_EQ(reg.KeyExists(RegRoot::ClassesRoot, "CLSID"), 0L);
    CHECK_EQ(reg.KeyExists(RegRoot::LocalMachine, "Software\\RvlnAdapterTests\\NoSuchKey"),
             static_cast<long>(ERROR_FILE_NOT_FOUND));

    // Clean up: every key of this run goes.
    std::vector<std::string> values;
    CHECK_EQ(reg.EnumValueNames(RegRoot::CurrentUser, key, values), 0L);
    CHECK_EQ(values.size(), 17u);
    for (const std::string& name : values)
        CHECK_EQ(reg.DeleteValue(RegRoot::CurrentUser, key, name), 0L);
    CHECK_EQ(reg.DeleteKey(RegRoot::CurrentUser, key), 0L);
    CHECK_EQ(reg.DeleteKey(RegRoot::CurrentUser, base), 0L);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\RvlnAdapterTests");
}
