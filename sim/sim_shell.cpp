#include "sim/sim_shell.h"

#include "lib/text.h"

namespace sim {

std::intptr_t SimShell::ShellExecute(port::WindowId owner, const std::string& verb, const std::string& file,
                                     const std::string& parameters, const std::string& directory,
                                     int showCommand) {
    ShellCall call{owner, verb, file, parameters, directory, showCommand, defaultResult};
    auto it = results_.find(lib::AsciiUpper(file));
    if (it != results_.end()) {
        call.result = it->second;
    } else if (handler) {
        call.result = handler(call);
    }
    calls.push_back(call);
    return call.result;
}

void SimShell::SetResult(const std::string& file, std::intptr_t result) {
    results_[lib::AsciiUpper(file)] = result;
}

std::vector<ShellCall> SimShell::CallsFor(const std::string& file) const {
    std::vector<ShellCall> out;
    for (const ShellCall& call : calls) {
        if (lib::EqualsNoCase(call.file, file)) out.push_back(call);
    }
    return out;
}

}  // namespace sim
