#pragma once
// The option words of RVLN.EXE and looking them up among the parameters.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include "cmdline/parameters.h"

namespace cmdline {

// In the order the validator tries them. "/SAFE" is no word of its own: "/S" lets it pass.
inline constexpr std::array<std::string_view, 18> kOptionWords = {
    "/?",     "/HELP",      "/H",       "/NOMESSAGE", "/SHUTDOWN", "/REBOOT",
    "/RELOG", "/FSHUTDOWN", "/FREBOOT", "/FRELOG",    "/POWEROFF", "/MSDOS",
    "/RUN",   "/Q",         "/S",       "/T",         "/DOSSTART", "/RESTART"};

struct OptionHit {
    bool found = false;
    int position = -1;  // 1-based parameter number, -1 when not found
};

// The first parameter whose upper-case form contains the upper-case word anywhere.
OptionHit FindOption(const Parameters& params, std::string_view word);

struct Validation {
    bool found = false;     // a parameter begins with none of the option words
    std::string offending;  // the last such parameter, as typed
};

// Every parameter must begin with one of the option words, compared without regard to case.
Validation ValidateCommandLine(const Parameters& params);

// The wait of "/NOMESSAGE:x" in milliseconds: the low 16 bits of the integer after the first
// colon of the parameter; 0 when that is no 32-bit integer, when the parameter has no colon or
// when the option is absent.
std::uint32_t NoMessageWait(const Parameters& params);

// The application of "/RUN:<application>[+<parameters>]".
struct RunOption {
    bool given = false;  // the parameter has a colon
    std::string application;
    std::string parameters;
};

// Splits one /RUN parameter: the application is the text after the first colon up to its first
// "+", the parameters are the text after the first "+" of the parameter, both trimmed.
RunOption ParseRunOption(std::string_view parameter);

// The /RUN application of this run of the program, the empty option when there is none.
RunOption CommandLineRunOption(const Parameters& params);

}  // namespace cmdline
