#pragma once
// ShellExecute: every call is recorded; the result is looked up per file (compared without
// regard to case), else comes from a handler, else is the default 42 (success).
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include "ports/shell_port.h"

namespace sim {

struct ShellCall {
    port::WindowId owner = 0;
    std::string verb, file, parameters, directory;
    int showCommand = 0;
    std::intptr_t result = 0;
};

class SimShell : public port::ShellPort {
  public:
    std::intptr_t ShellExecute(port::WindowId owner, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int showCommand) override;

    void SetResult(const std::string& file, std::intptr_t result);
    std::intptr_t defaultResult = 42;
    // Runs for files without a fixed result (the started program may create windows, say);
    // its answer is the result.
    std::function<std::intptr_t(const ShellCall&)> handler;

    std::vector<ShellCall> calls;
    std::vector<ShellCall> CallsFor(const std::string& file) const;

  private:
    std::map<std::string, std::intptr_t> results_;  // by upper-case file
};

}  // namespace sim
