#include "win32/text.h"

#include <windows.h>

namespace win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    int len = static_cast<int>(utf8.size());
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), len, nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), len, out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    int len = static_cast<int>(utf16.size());
    int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), len, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), len, out.data(), n, nullptr, nullptr);
    return out;
}

std::string NarrowUntilNul(const wchar_t* text, size_t maxChars) {
    if (!text) return {};
    size_t len = 0;
    while (len < maxChars && text[len] != L'\0')
        ++len;
    return Narrow(std::wstring_view(text, len));
}

}  // namespace win32
