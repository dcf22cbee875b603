#pragma once
// The program's command line split into parameters the way the runtime of the original tool chain
// does it, which the option words and the help text rely on.
#include <string>
#include <string_view>
#include <vector>

namespace cmdline {

constexpr size_t kMaxParameterLength = 255;
constexpr size_t kMaxParameters = 255;

class Parameters {
  public:
    Parameters() = default;
    // commandLine: the whole line, program name first.
    explicit Parameters(std::string_view commandLine);

    // Parameters after the program name (at most kMaxParameters).
    int Count() const { return static_cast<int>(words_.size()); }
    // 1-based like ParamStr; empty beyond Count(). Index 0 is the program as typed.
    std::string Get(int index) const;

  private:
    std::string program_;
    std::vector<std::string> words_;
};

}  // namespace cmdline
