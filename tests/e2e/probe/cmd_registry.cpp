#include <windows.h>

#include <string>

#include "commands.h"

// volatile-key SUBKEY NAME=VALUE...: creates HKEY_LOCAL_MACHINE\SUBKEY and every missing key on
// the way as volatile keys and sets string values in it. The hardware branch of the registry is
// volatile, and a volatile key takes only volatile children, so `reg add` cannot write there; the
// keys last until the prefix's wineserver ends.
int CmdVolatileKey(const Args& args, Json& json) {
    const auto& words = args.Positional();
    if (words.empty()) return Fail(json, kError, "volatile-key needs a key below HKLM");
    HKEY parent = HKEY_LOCAL_MACHINE;
    HKEY key = nullptr;
    std::wstring rest = words[0];
    while (!rest.empty()) {
        const size_t cut = rest.find(L'\\');
        const std::wstring part = rest.substr(0, cut);
        rest = cut == std::wstring::npos ? L"" : rest.substr(cut + 1);
        HKEY child = nullptr;
        const LONG result = RegCreateKeyExW(parent, part.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                            KEY_ALL_ACCESS, nullptr, &child, nullptr);
        if (parent != HKEY_LOCAL_MACHINE) RegCloseKey(parent);
        if (result != ERROR_SUCCESS) {
            return Fail(json, kError, "RegCreateKeyExW failed with " + std::to_string(result));
        }
        parent = child;
    }
    key = parent;
    int written = 0;
    for (size_t i = 1; i < words.size(); ++i) {
        const size_t eq = words[i].find(L'=');
        if (eq == std::wstring::npos) continue;
        const std::wstring name = words[i].substr(0, eq);
        const std::wstring value = words[i].substr(eq + 1);
        if (RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS)
            ++written;
    }
    RegCloseKey(key);
    json.BeginObject().KeyInt("values", written).EndObject();
    return kOk;
}
