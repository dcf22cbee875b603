#include "cmdline/options.h"

#include "lib/text.h"

namespace cmdline {

OptionHit FindOption(const Parameters& params, std::string_view word) {
    const std::string upperWord = lib::AsciiUpper(word);
    for (int i = 1; i <= params.Count(); ++i) {
        if (lib::AsciiUpper(params.Get(i)).find(upperWord) != std::string::npos) return {true, i};
    }
    return {};
}

std::uint32_t NoMessageWait(const Parameters& params) {
    OptionHit hit = FindOption(params, "/NOMESSAGE");
    if (!hit.found) return 0;
    const std::string param = lib::AsciiUpper(params.Get(hit.position));
    size_t colon = param.find("/NOMESSAGE:");
    if (colon == std::string::npos) return 0;
    std::string_view digits = std::string_view(param).substr(colon + 11);
    if (digits.empty()) return 0;
    bool negative = digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    if (digits.empty()) return 0;
    // A number outside the 32-bit signed range is no number, as for the runtime's conversion.
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > (negative ? 2147483648LL : 2147483647LL)) return 0;
    }
    if (negative) value = -value;
    return static_cast<std::uint32_t>(value) & 0xFFFF;
}

}  // namespace cmdline
