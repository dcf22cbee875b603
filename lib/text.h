#pragma once
// Text helpers. Strings are UTF-8 inside the program; the files it writes for other programs
// (log, help text, MSDOS.SYS) are code page 1252.
#include <string>
#include <string_view>

namespace lib {

// Characters outside code page 1252 become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// Upper/lower case for ASCII letters only, as the program's comparisons of option words and
// file names need; other bytes pass unchanged.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

std::string TrimRight(std::string_view text);  // trailing blanks only
std::string Trim(std::string_view text);       // blanks and control characters at both ends

// "\r"-separated lines as message texts use them.
constexpr const char* kCR = "\r";

}  // namespace lib
