#include "cmdline/options.h"

#include "lib/text.h"

namespace cmdline {
namespace {

// Decimal, with an optional sign; false for anything else or a value outside 32 bits.
bool ParseInt32(std::string_view text, std::int64_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > (negative ? 2147483648LL : 2147483647LL)) return false;
    }
    if (negative) value = -value;
    return true;
}

}  // namespace

OptionHit FindOption(const Parameters& params, std::string_view word) {
    const std::string upperWord = lib::AsciiUpper(word);
    for (int i = 1; i <= params.Count(); ++i) {
        if (lib::AsciiUpper(params.Get(i)).find(upperWord) != std::string::npos) return {true, i};
    }
    return {};
}

Validation ValidateCommandLine(const Parameters& params) {
    Validation result;
    for (int i = 1; i <= params.Count(); ++i) {
        const std::string param = params.Get(i);
        const std::string upper = lib::AsciiUpper(param);
        bool accepted = false;
        for (std::string_view word : kOptionWords) {
            if (upper.compare(0, word.size(), word) == 0) {
                accepted = true;
                break;
            }
        }
        if (!accepted) {
            result.found = true;
            result.offending = param;
        }
    }
    return result;
}

std::uint32_t NoMessageWait(const Parameters& params) {
    const OptionHit hit = FindOption(params, "/NOMESSAGE");
    if (!hit.found) return 0;
    const std::string param = params.Get(hit.position);
    const size_t colon = param.find(':');
    if (colon == std::string::npos) return 0;
    std::int64_t value = 0;
    if (!ParseInt32(std::string_view(param).substr(colon + 1), value)) return 0;
    return static_cast<std::uint32_t>(value) & 0xFFFF;
}

RunOption ParseRunOption(std::string_view parameter) {
    RunOption run;
    const size_t colon = parameter.find(':');
    if (colon == std::string_view::npos) return run;
    run.given = true;
    const std::string_view afterColon = parameter.substr(colon + 1);
    run.application = lib::Trim(afterColon.substr(0, afterColon.find('+')));
    const size_t plus = parameter.find('+');
    if (plus != std::string_view::npos) run.parameters = lib::Trim(parameter.substr(plus + 1));
    return run;
}

RunOption CommandLineRunOption(const Parameters& params) {
    const OptionHit hit = FindOption(params, "/RUN");
    return hit.found ? ParseRunOption(params.Get(hit.position)) : RunOption{};
}

}  // namespace cmdline
