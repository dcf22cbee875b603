// libFuzzer target: any command line through the splitter, the option search, the validator and
// the value readers. Besides crashes and sanitizer reports it checks the rules the start-up
// relies on, so a wrong split fails as loudly as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include "cmdline/options.h"
#include "cmdline/parameters.h"
#include "lib/text.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

size_t Characters(std::string_view text) {
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); ++count)
        pos += cmdline::FirstCharacters(text.substr(pos), 1).size();
    return count;
}

// The wait for plain digits, worked out another way than the program does it.
void CheckWait(const cmdline::Parameters& params) {
    const cmdline::OptionHit hit = cmdline::FindOption(params, "/NOMESSAGE");
    const std::uint32_t wait = cmdline::NoMessageWait(params);
    if (!hit.found) {
        Check(wait == 0);
        return;
    }
    const std::string param = params.Get(hit.position);
    const size_t colon = param.find(':');
    if (colon == std::string::npos) {
        Check(wait == 0);
        return;
    }
    const std::string value = param.substr(colon + 1);
    if (value.empty() || value.size() > 9 || value.find_first_not_of("0123456789") != std::string::npos)
        return;
    Check(wait == (std::strtoul(value.c_str(), nullptr, 10) & 0xFFFFu));
}

bool BeginsWithAWord(const std::string& param) {
    const std::string upper = lib::AsciiUpper(param);
    for (std::string_view word : cmdline::kOptionWords) {
        if (std::string_view(upper).substr(0, word.size()) == word) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const cmdline::Parameters params(line);

    Check(params.Count() >= 0 && static_cast<size_t>(params.Count()) <= cmdline::kMaxParameters);
    std::string lastOffender;
    bool anyOffender = false;
    for (int i = 1; i <= params.Count(); ++i) {
        const std::string param = params.Get(i);
        Check(Characters(param) <= cmdline::kMaxParameterLength);
        // Quotes only group; they never reach a parameter.
        Check(param.find('"') == std::string::npos);
        if (!BeginsWithAWord(param)) {
            anyOffender = true;
            lastOffender = param;
        }
    }
    Check(params.Get(params.Count() + 1).empty());
    Check(params.Get(-1).empty());

    const cmdline::Validation validation = cmdline::ValidateCommandLine(params);
    Check(validation.found == anyOffender);
    Check(validation.offending == lastOffender);

    for (std::string_view word : cmdline::kOptionWords) {
        const cmdline::OptionHit hit = cmdline::FindOption(params, word);
        Check(hit.found == (hit.position >= 1));
        if (!hit.found) continue;
        Check(hit.position <= params.Count());
        Check(lib::AsciiUpper(params.Get(hit.position)).find(word) != std::string::npos);
        for (int i = 1; i < hit.position; ++i)
            Check(lib::AsciiUpper(params.Get(i)).find(word) == std::string::npos);
    }

    CheckWait(params);
    const cmdline::RunOption run = cmdline::CommandLineRunOption(params);
    if (run.given) Check(run.application.find('+') == std::string::npos);
    const cmdline::RunOption raw = cmdline::ParseRunOption(line);
    Check(raw.given == (line.find(':') != std::string_view::npos));
    return 0;
}
