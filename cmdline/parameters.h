#pragma once
// The program's command line split into parameters. Option words, file names and the help text
// all rely on these exact rules, so a batch file written for one version keeps working.
#include <string>
#include <string_view>
#include <vector>

namespace cmdline {

constexpr size_t kMaxParameterLength = 255;  // characters, not bytes
constexpr size_t kMaxParameters = 255;

class Parameters {
  public:
    Parameters() = default;
    // commandLine: the whole line, program name first. Runs of characters below "!" separate
    // words; a double-quoted part may hold blanks and loses its quotes; pairs of double quotes
    // in front of a word are skipped.
    explicit Parameters(std::string_view commandLine);

    // Parameters after the program name (at most kMaxParameters).
    int Count() const { return static_cast<int>(words_.size()); }
    // 1-based; empty beyond Count(). Index 0 is the program as typed.
    std::string Get(int index) const;

  private:
    std::string program_;
    std::vector<std::string> words_;
};

// The first maxChars characters of UTF-8 text; a multi-byte character is never cut, and a byte
// that starts no well-formed sequence counts as one character.
std::string FirstCharacters(std::string_view text, size_t maxChars);

}  // namespace cmdline
