#pragma once
// The one crossing between the program's UTF-8 strings and the UTF-16 of the W functions.
// Both directions take explicit lengths, so embedded NULs (REG_MULTI_SZ, filter lists) survive.
#include <string>
#include <string_view>

namespace win32 {

// Invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);
// Up to the first NUL of a buffer the API filled; the whole buffer when it holds none.
std::string NarrowUntilNul(const wchar_t* text, size_t maxChars);

}  // namespace win32
