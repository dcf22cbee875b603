#pragma once
#include <optional>
#include <string>
#include <string_view>

std::string Utf8(std::wstring_view text);

// Accepts decimal and 0x-prefixed hexadecimal, because the harness passes window handles back in
// whatever form it printed or logged them.
std::optional<long long> ParseNumber(std::wstring_view text);

bool EqualsNoCase(std::wstring_view a, std::wstring_view b);

// Menu and button captions carry '&' mnemonics; tests name buttons as a user reads them.
std::wstring WithoutMnemonics(std::wstring_view text);
