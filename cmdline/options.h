#pragma once
// Looking up option words among the parameters.
#include <cstdint>
#include <string_view>
#include "cmdline/parameters.h"

namespace cmdline {

struct OptionHit {
    bool found = false;
    int position = -1;  // 1-based parameter number, -1 when not found
};

// The first parameter whose upper-case form contains the upper-case word anywhere.
OptionHit FindOption(const Parameters& params, std::string_view word);

// The wait of "/NOMESSAGE:x" in milliseconds: the low 16 bits of x, 0 when x is no number or
// the option has no value or is absent.
std::uint32_t NoMessageWait(const Parameters& params);

}  // namespace cmdline
