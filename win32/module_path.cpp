#include "win32/module_path.h"

#include <vector>

namespace win32 {

std::wstring ModuleFileName(HMODULE module) {
    // A truncated result fills the buffer exactly (and lacks its NUL on XP), so grow until it does not.
    std::vector<wchar_t> buffer(MAX_PATH);
    while (buffer.size() <= 65536) {
        const DWORD n = ::GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        buffer.assign(buffer.size() * 2, L'\0');
    }
    return {};
}

}  // namespace win32
